// The process-wide scan list and the band settings that go with it. The Networks tab fills the list
// after each survey; the main window's connect worker reads it on its own thread, so every access goes
// through the functions below, which hold the list's lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "kernel/BssEntry.h"

namespace networks {

constexpr uint32_t kMaxNetworks = 64; // what one GetNetWorkList call can deliver

// A copy of the current list (g_NetworkList with g_dwNetworks entries).
std::vector<kernel::BssEntry> CopyNetworkList();
// Replaces the list with what a survey delivered; entries past kMaxNetworks are dropped.
void ReplaceNetworkList(const std::vector<kernel::BssEntry>& entries);
uint32_t NetworkCount(); // g_dwNetworks

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
