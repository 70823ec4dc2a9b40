#include "networks/NetworkList.h"

#include <algorithm>
#include <mutex>

std::atomic<bool> g_bScanDone{true};
std::atomic<int> g_bBandMode{0};
std::atomic<bool> g_bHtAllowed5G{true};
std::atomic<bool> g_bHtAllowed24G{true};

namespace networks {
namespace {

std::mutex s_listMutex;
std::vector<kernel::BssEntry> g_NetworkList; // g_dwNetworks is its size

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

void ResetNetworkList() {
    {
        std::lock_guard lock(s_listMutex);
        g_NetworkList.clear();
    }
    g_bScanDone = true;
    g_bBandMode = 0;
    g_bHtAllowed5G = true;
    g_bHtAllowed24G = true;
}

} // namespace networks
