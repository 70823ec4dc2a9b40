// One network of a site survey as GetNetWorkList delivers it (104 bytes).
#pragma once

#include <cstddef>
#include <cstdint>

namespace kernel {

// Radio modes seen (same values as the ad-hoc mode flags).
constexpr uint8_t kRadio80211b = 0x01;
constexpr uint8_t kRadio80211g = 0x02;
constexpr uint8_t kRadio80211a = 0x04;

// Security flags of a scanned network.
constexpr uint32_t kBssOpen = 0x1;
constexpr uint32_t kBssWep = 0x2;
constexpr uint32_t kBssWpaPsk = 0x100000;
constexpr uint32_t kBssWpa2Psk = 0x200000;
constexpr uint32_t kBssWpaRadius = 0x400000;
constexpr uint32_t kBssWpa2Radius = 0x800000;

// Capability flags: the byte whose bit 2 also marks push button active.
constexpr uint32_t kCap80211n = 0x1;
constexpr uint32_t kCapWps = 0x2;

struct BssEntry {
    char16_t ssid[34];     // 0: empty for a network that hides its name
    uint8_t bssid[6];      // 68
    uint16_t channel;      // 74
    uint32_t networkType;  // 76: 0 infrastructure, 1 ad hoc
    uint8_t radioModes;    // 80
    uint8_t reserved81[3]; // 81
    uint32_t security;     // 84
    uint32_t reserved88;   // 88
    uint32_t capabilities; // 92
    uint16_t signal;       // 96: percent
    uint8_t reserved98[6]; // 98
};

static_assert(sizeof(BssEntry) == 104);
static_assert(offsetof(BssEntry, ssid) == 0);
static_assert(offsetof(BssEntry, bssid) == 68);
static_assert(offsetof(BssEntry, channel) == 74);
static_assert(offsetof(BssEntry, networkType) == 76);
static_assert(offsetof(BssEntry, radioModes) == 80);
static_assert(offsetof(BssEntry, security) == 84);
static_assert(offsetof(BssEntry, capabilities) == 92);
static_assert(offsetof(BssEntry, signal) == 96);

} // namespace kernel
