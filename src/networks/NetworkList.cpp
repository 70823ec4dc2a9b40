#include "networks/NetworkList.h"

#include <algorithm>
#include <array>
#include <mutex>

#include "networks/NetworkRules.h"

std::atomic<bool> g_bScanDone{true};
std::atomic<int> g_bBandMode{0};
std::atomic<bool> g_bHtAllowed5G{true};
std::atomic<bool> g_bHtAllowed24G{true};

namespace networks {
namespace {

// One lock for the list and both side tables: a reader sees a list and tables of the same survey.
std::mutex s_listMutex;
std::atomic<uint32_t> s_surveysApplied{0};
std::vector<kernel::BssEntry> g_NetworkList; // g_dwNetworks is its size
std::array<SideRow, kMaxNetworks> g_InfraList{};
uint32_t g_dwInfraCount = 0;
std::array<SideRow, kMaxNetworks> g_AdHocList{};
uint32_t g_dwAdHocCount = 0;

void ClearSideTablesLocked() {
    g_InfraList.fill({});
    g_AdHocList.fill({});
    g_dwInfraCount = 0;
    g_dwAdHocCount = 0;
}

// The count is read under the lock with the table, never before it.
std::vector<SideRow> CopyRows(const std::array<SideRow, kMaxNetworks>& table, const uint32_t& count) {
    std::lock_guard lock(s_listMutex);
    return {table.begin(), table.begin() + count};
}

} // namespace

std::vector<kernel::BssEntry> CopyNetworkList() {
    std::lock_guard lock(s_listMutex);
    return g_NetworkList;
}

void ReplaceNetworkList(const std::vector<kernel::BssEntry>& entries) {
    std::lock_guard lock(s_listMutex);
    size_t kept = std::min<size_t>(entries.size(), kMaxNetworks);
    g_NetworkList.assign(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(kept));
}

uint32_t NetworkCount() {
    std::lock_guard lock(s_listMutex);
    return static_cast<uint32_t>(g_NetworkList.size());
}

void ApplySurvey(const std::vector<kernel::BssEntry>& delivered, int bandMode,
                 const kernel::ConnectionStatus& connection, int sortKey, int sortOrder) {
    uint32_t count = ClampDelivered(static_cast<uint32_t>(std::min<size_t>(delivered.size(), UINT32_MAX)));
    std::vector<kernel::BssEntry> entries(delivered.begin(), delivered.begin() + count);
    DropUnknownTypes(entries);
    FilterByBand(entries, bandMode);
    NameHiddenNetwork(entries, connection);
    SortEntries(entries, sortKey, sortOrder);
    std::lock_guard lock(s_listMutex);
    g_NetworkList = std::move(entries);
    s_surveysApplied.fetch_add(1);
}

uint32_t SurveysApplied() {
    return s_surveysApplied.load();
}

void SortNetworkList(int key, int order) {
    std::lock_guard lock(s_listMutex);
    SortEntries(g_NetworkList, key, order);
}

std::vector<kernel::BssEntry> RebuildSideTables() {
    std::lock_guard lock(s_listMutex);
    ClearSideTablesLocked();
    for (size_t i = 0; i < g_NetworkList.size(); ++i) {
        const kernel::BssEntry& entry = g_NetworkList[i];
        SideRow row{entry, static_cast<uint32_t>(i)};
        if (entry.networkType == 0) {
            g_InfraList[g_dwInfraCount++] = row;
        } else if (entry.networkType == 1) {
            g_AdHocList[g_dwAdHocCount++] = row;
        }
    }
    return g_NetworkList;
}

std::vector<SideRow> CopyInfraList() {
    return CopyRows(g_InfraList, g_dwInfraCount);
}

std::vector<SideRow> CopyAdHocList() {
    return CopyRows(g_AdHocList, g_dwAdHocCount);
}

int AdHocRowOf(uint32_t row) {
    std::lock_guard lock(s_listMutex);
    for (uint32_t i = 0; i < g_dwAdHocCount; ++i) {
        if (g_AdHocList[i].row == row) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ResetNetworkList() {
    {
        std::lock_guard lock(s_listMutex);
        g_NetworkList.clear();
        ClearSideTablesLocked();
    }
    g_bScanDone = true;
    g_bBandMode = 0;
    g_bHtAllowed5G = true;
    g_bHtAllowed24G = true;
}

} // namespace networks
