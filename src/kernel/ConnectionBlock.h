// The part of a profile that the wireless service reads to connect and fills with its defaults or with
// a WPS result. Its layout is shared with the service library and fixed to the byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kernel {

// Wireless-mode flags of an ad-hoc network (also the radio-mode bits of a scanned network).
constexpr uint16_t KWL_FLAG_WIRELESS_MODE_802_11B = 0x0001;
constexpr uint16_t KWL_FLAG_WIRELESS_MODE_802_11G = 0x0002;
constexpr uint16_t KWL_FLAG_WIRELESS_MODE_802_11A = 0x0004;
constexpr uint16_t KWL_FLAG_WIRELESS_MODE_AUTO = 0x0080;
constexpr uint16_t KWL_FLAG_WIRELESS_MODE_AUTO_N = 0x8080;
constexpr uint16_t KWL_FLAG_WIRELESS_MODE_802_11G_N = 0x0202;
constexpr uint16_t KWL_FLAG_WIRELESS_MODE_802_11A_N = 0x0404;

constexpr uint8_t KWL_FLAG_BAND_2_4G = 0x01;
constexpr uint8_t KWL_FLAG_BAND_5G = 0x02;
constexpr uint8_t KWL_FLAG_BAND_AUTO = 0x80;

// Security flags: cipher in the low bits, authentication in the high bits.
constexpr uint32_t kCipherNone = 0x1;
constexpr uint32_t kCipherWep = 0x2;
constexpr uint32_t kCipherTkip = 0x4;
constexpr uint32_t kCipherAes = 0x8;
constexpr uint32_t kAuthOpen = 0x10000;
constexpr uint32_t kAuthCode2 = 0x20000;
constexpr uint32_t kAuthCode3 = 0x40000; // every WEP profile uses it
constexpr uint32_t kAuthWpaPsk = 0x100000;
constexpr uint32_t kAuthWpa2Psk = 0x200000;
constexpr uint32_t kSecurityNone = 0x10001;
constexpr uint32_t kSecurityWep = 0x40002;
constexpr uint32_t kSecurityWpaPskTkip = 0x100004;
constexpr uint32_t kSecurityWpa2PskAes = 0x200008;

// Key format flags.
constexpr uint32_t kKeyWep64 = 0x101;
constexpr uint32_t kKeyWep128 = 0x201;
constexpr uint32_t kKeyWep64Bit = 0x100;
constexpr uint32_t kKeyWep128Bit = 0x200;
constexpr uint32_t kKeyPskAscii = 0x10000;
constexpr uint32_t kKeyPskHex = 0x20000;

constexpr uint16_t kTransmitPowerFull = 0x800;

constexpr uint8_t kPreambleShort = 0x01;
constexpr uint8_t kPreambleLong = 0x02;
constexpr uint8_t kPreambleAuto = 0x80;

constexpr uint32_t kNetworkInfrastructure = 0;
constexpr uint32_t kNetworkAdHoc = 1;

constexpr size_t kSsidUnits = 34;
constexpr size_t kPskUnits = 66;
constexpr size_t kWepKeyUnits = 34;

struct ConnectionBlock {
    char16_t ssid[kSsidUnits];         // 0: copy of NetworkName put here just before connecting
    uint8_t BSSID[6];                  // 68: all zero = any access point
    uint16_t adHocChannel;             // 74: 0 automatic, 1-14 channel (passed through by WPS)
    uint32_t NetworkConnectType;       // 76: 0 infrastructure, 1 ad hoc
    uint16_t adHocMode;                // 80: KWL_FLAG_WIRELESS_MODE_*
    uint8_t band;                      // 82: KWL_FLAG_BAND_*
    uint8_t reserved83;                // 83
    uint32_t securityFlags;            // 84
    uint32_t keyFormat;                // 88
    char16_t psk[kPskUnits];           // 92: WPA/WPA2 passphrase or 64 hexadecimal digits
    uint32_t defaultKey;               // 224: WEP key used for transmitting, 0-3
    char16_t wepKeys[4][kWepKeyUnits]; // 228
    uint8_t serviceArea[1090];         // 500: the service's own; the program keeps it as filled
    uint16_t transmitPower;            // 1590
    uint8_t preamble;                  // 1592
    uint8_t reserved1593;              // 1593
    uint16_t FragThreshold;            // 1594
    uint16_t RTSThreshold;             // 1596
    uint8_t serviceTail[30];           // 1598: the service's own
};

static_assert(sizeof(ConnectionBlock) == 1628);
static_assert(offsetof(ConnectionBlock, ssid) == 0);
static_assert(offsetof(ConnectionBlock, BSSID) == 68);
static_assert(offsetof(ConnectionBlock, adHocChannel) == 74);
static_assert(offsetof(ConnectionBlock, NetworkConnectType) == 76);
static_assert(offsetof(ConnectionBlock, adHocMode) == 80);
static_assert(offsetof(ConnectionBlock, band) == 82);
static_assert(offsetof(ConnectionBlock, securityFlags) == 84);
static_assert(offsetof(ConnectionBlock, keyFormat) == 88);
static_assert(offsetof(ConnectionBlock, psk) == 92);
static_assert(offsetof(ConnectionBlock, defaultKey) == 224);
static_assert(offsetof(ConnectionBlock, wepKeys) == 228);
static_assert(offsetof(ConnectionBlock, transmitPower) == 1590);
static_assert(offsetof(ConnectionBlock, preamble) == 1592);
static_assert(offsetof(ConnectionBlock, FragThreshold) == 1594);
static_assert(offsetof(ConnectionBlock, RTSThreshold) == 1596);

} // namespace kernel
