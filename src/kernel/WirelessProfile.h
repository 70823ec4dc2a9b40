// One connection profile: 2412 bytes, the unit of the profile store and, from byte 268, of the
// service library's connect and default operations.
#pragma once

#include <cstddef>
#include <cstdint>

#include "kernel/ConnectionBlock.h"

namespace kernel {

constexpr size_t kProfileNameUnits = 64;
constexpr size_t kWepPassphraseUnits = 64;
constexpr size_t kNetworkNameUnits = 256;

// Wireless-mode bits: one check box each in the advanced dialog.
constexpr uint32_t kMode300AG = 0x01;
constexpr uint32_t kMode300G = 0x02;
constexpr uint32_t kMode300A = 0x04;
constexpr uint32_t kMode54G = 0x08;
constexpr uint32_t kMode54A = 0x10;
constexpr uint32_t kModeAll = 0x1F;

struct WirelessProfile {
    char16_t ConfigurationName[kProfileNameUnits]; // 0: profile name, key in the store
    char16_t wepPassphrase[kWepPassphraseUnits];   // 128: empty when keys were entered by hand
    uint32_t inUse;                                // 256: never stored
    uint32_t noPassphrase;                         // 260: WEP only: 1 keys by hand, 0 from passphrase
    uint32_t priority;                             // 264: order number in the store
    ConnectionBlock block;                         // 268
    uint32_t wirelessModes;                        // 1896: kMode* bits
    char16_t NetworkName[kNetworkNameUnits];       // 1900
};

static_assert(sizeof(WirelessProfile) == 2412);
static_assert(offsetof(WirelessProfile, ConfigurationName) == 0);
static_assert(offsetof(WirelessProfile, wepPassphrase) == 128);
static_assert(offsetof(WirelessProfile, inUse) == 256);
static_assert(offsetof(WirelessProfile, noPassphrase) == 260);
static_assert(offsetof(WirelessProfile, priority) == 264);
static_assert(offsetof(WirelessProfile, block) == 268);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, BSSID) == 336);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, adHocChannel) == 342);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, NetworkConnectType) == 344);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, adHocMode) == 348);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, band) == 350);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, securityFlags) == 352);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, keyFormat) == 356);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, psk) == 360);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, defaultKey) == 492);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, wepKeys) == 496);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, transmitPower) == 1858);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, preamble) == 1860);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, FragThreshold) == 1862);
static_assert(offsetof(WirelessProfile, block) + offsetof(ConnectionBlock, RTSThreshold) == 1864);
static_assert(offsetof(WirelessProfile, wirelessModes) == 1896);
static_assert(offsetof(WirelessProfile, NetworkName) == 1900);

} // namespace kernel
