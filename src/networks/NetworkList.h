// The process-wide scan list and the band settings that go with it. The Networks tab fills the list
// after each survey; the main window's connect worker and the wizard read and sort it on their own
// threads, so the list, its count and the two side tables live behind one lock and every access goes
// through the functions below.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "kernel/BssEntry.h"
#include "kernel/StatusRecords.h"

namespace networks {

constexpr uint32_t kMaxNetworks = 64; // what one GetNetWorkList call can deliver

// A row of g_InfraList or g_AdHocList: the network and its row in the Networks tab's list view, which
// is how a selected row finds its way back to a side-table row.
struct SideRow {
    kernel::BssEntry entry;
    uint32_t row;
};
static_assert(sizeof(SideRow) == 108);

// A copy of the current list (g_NetworkList with g_dwNetworks entries).
std::vector<kernel::BssEntry> CopyNetworkList();
// Replaces the list with these entries; entries past kMaxNetworks are dropped.
void ReplaceNetworkList(const std::vector<kernel::BssEntry>& entries);
uint32_t NetworkCount(); // g_dwNetworks

// What a survey delivered, made into the list in one step under the lock: rows of an unknown network
// type dropped, the band filter, the hidden network that is the current connection named, then the sort.
// `delivered` may hold more than kMaxNetworks entries; only the first kMaxNetworks are taken.
void ApplySurvey(const std::vector<kernel::BssEntry>& delivered, int bandMode,
                 const kernel::ConnectionStatus& connection, int sortKey, int sortOrder);

// How many surveys ApplySurvey has made into the list so far. A window that hears of a survey's end on
// its own (the wizard's list) waits until this moves, so that it shows the new list, not the old one.
uint32_t SurveysApplied();

// Sorts the shared list in place (SortEntries, under the lock). The wizard calls it with its own key.
void SortNetworkList(int key, int order);

// FillNetworkList's first half: empties g_InfraList and g_AdHocList and fills them again from the list,
// row i being entry i. Returns the list it used, so the rows shown match the side tables.
std::vector<kernel::BssEntry> RebuildSideTables();
std::vector<SideRow> CopyInfraList(); // g_InfraList with g_dwInfraCount rows
std::vector<SideRow> CopyAdHocList(); // g_AdHocList with g_dwAdHocCount rows
// The g_AdHocList row that holds list row `row`, or -1.
int AdHocRowOf(uint32_t row);

// Back to the state before the first survey (tests).
void ResetNetworkList();

} // namespace networks

// Set while no survey is running, so the list can be trusted; cleared while a survey runs.
extern std::atomic<bool> g_bScanDone;
// The band the Networks tab shows: 0 both, 1 5 GHz only, 2 2.4 GHz only. Written by the connect mode of
// the profile in use.
extern std::atomic<int> g_bBandMode;
// Whether the profile in use allows high throughput (802.11n) at 5 GHz and at 2.4 GHz.
extern std::atomic<bool> g_bHtAllowed5G;
extern std::atomic<bool> g_bHtAllowed24G;
