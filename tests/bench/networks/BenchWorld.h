// The radio world the Networks benchmarks share: 128 networks of every kind the list shows (both bands
// and both network types, each security, hidden names, WPS and 802.11n marks, addresses with bytes past
// 99), in an order no sort key already follows. The native benchmark uses the entries; the one under
// Wine hands the same world to the stand-in library as a scenario file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kernel/BssEntry.h"

namespace benchworld {

constexpr size_t kWorldNetworks = 128;

struct WorldNetwork {
    std::u16string section; // scenario section name, unique
    std::u16string ssid;
    bool hidden = false;
    uint8_t bssid[6] = {};
    uint16_t channel = 0;
    uint32_t networkType = 0;
    uint8_t radioModes = 0;
    bool n = false;
    bool wps = false;
    uint32_t security = 0;
    uint16_t signal = 0; // never 0: a network at 0 is out of range and not reported
};

// The world, in scenario order (the order in which the stand-in reports it). Always the same.
std::vector<WorldNetwork> Networks();

// A network as a survey reports it: a hidden network without its name.
kernel::BssEntry EntryOf(const WorldNetwork& network);
// What GetNetWorkList delivers of the world: the first `room` networks as entries.
std::vector<kernel::BssEntry> Delivered(size_t room);

// The world as a scenario file for the stand-in: an adapter with its radio on, no built-in networks,
// surveys that end after `scanDelayMs`, no periodic link notices.
std::u16string ScenarioText(uint32_t scanDelayMs);

} // namespace benchworld
