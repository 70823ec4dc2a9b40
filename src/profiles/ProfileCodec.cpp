#include "profiles/ProfileCodec.h"

#include <array>

#include "base/Format.h"
#include "base/Text.h"
#include "kernel/ConnectionBlock.h"
#include "kernel/WirelessProfile.h"

namespace profiles {
namespace {

// Registry radio-mode codes.
constexpr uint32_t kStoredAllModes = 0xF00D;
constexpr uint32_t kStoredHt24 = 0xA00C;
constexpr uint32_t kStoredHt24And54A = 0xA00D;
constexpr uint32_t kStoredHt5 = 0x5001;
constexpr uint32_t kStoredHt5And54G = 0x500D;
constexpr uint32_t kStored54G = 0x000C;
constexpr uint32_t kStored54GAnd54A = 0x000D;
constexpr uint32_t kStored54A = 0x0001;

constexpr uint32_t kStoredInfrastructureBand = 255;

// Authentication codes in the order "first set bit wins".
struct FlagCode {
    uint32_t flag;
    uint32_t code;
};
constexpr std::array<FlagCode, 5> kAuthenticationCodes{{
    {kernel::kAuthOpen, 1},
    {kernel::kAuthCode2, 2},
    {kernel::kAuthCode3, 3},
    {kernel::kAuthWpaPsk, 5},
    {kernel::kAuthWpa2Psk, 7},
}};
constexpr std::array<FlagCode, 4> kCipherCodes{{
    {kernel::kCipherNone, 0},
    {kernel::kCipherWep, 1},
    {kernel::kCipherTkip, 5},
    {kernel::kCipherAes, 6},
}};

constexpr std::array<uint16_t, 5> kFourLevelPower{0x800, 0x40, 0x20, 0x02, 0};
constexpr std::array<uint16_t, 5> kFiveLevelPower{0x800, 0x20, 0x04, 0x02, 0x01};

// The 2.4 GHz list covers channels 0-14. The ad-hoc dialog also offers 5 GHz channels, which are kept
// as their own centre frequency so that a chosen channel is not silently turned into "automatic".
constexpr uint16_t kLastChannel24 = 14;
constexpr uint16_t kFirst5GhzChannel = 34;
constexpr uint16_t kLast5GhzChannel = 165;

uint32_t Channel24Frequency(uint16_t index) {
    if (index == 0) {
        return 0;
    }
    if (index == kLastChannel24) {
        return 2484;
    }
    return 2412 + 5u * (index - 1u);
}

} // namespace

std::u16string SharedKeyValueName(int index) {
    return base::Format(u"SharedKey%d", {index + 1});
}

std::optional<uint32_t> EncodeNetworkType(uint32_t fieldValue) {
    if (fieldValue == kernel::kNetworkInfrastructure) {
        return 1;
    }
    if (fieldValue == kernel::kNetworkAdHoc) {
        return 2;
    }
    return std::nullopt;
}

uint32_t DecodeNetworkType(std::optional<uint32_t> stored) {
    return stored == 2u ? kernel::kNetworkAdHoc : kernel::kNetworkInfrastructure;
}

uint32_t EncodeWirelessMode(uint32_t modeBits) {
    using namespace kernel;
    if (modeBits & kMode300AG) {
        return kStoredAllModes;
    }
    if (modeBits & kMode300G) {
        uint32_t code = (modeBits & kMode300A) ? kStoredAllModes : kStoredHt24;
        return (modeBits & kMode54A) ? code + 1 : code;
    }
    if (modeBits & kMode300A) {
        return (modeBits & kMode54G) ? kStoredHt5And54G : kStoredHt5;
    }
    if (modeBits & kMode54G) {
        return (modeBits & kMode54A) ? kStored54GAnd54A : kStored54G;
    }
    if (modeBits & kMode54A) {
        return kStored54A;
    }
    return kStoredAllModes;
}

uint32_t DecodeWirelessMode(std::optional<uint32_t> stored) {
    using namespace kernel;
    if (!stored) {
        return kModeAll;
    }
    switch (*stored) {
    case kStoredAllModes:
        return kMode300AG;
    case kStoredHt24:
        return kMode300G | kMode54G;
    case kStoredHt24And54A:
        return kMode300G | kMode54G | kMode54A;
    case kStoredHt5:
        return kMode300A;
    case kStoredHt5And54G:
        return kMode300A | kMode54G;
    case kStored54G:
        return kMode54G;
    case kStored54GAnd54A:
        return kMode54G | kMode54A;
    case kStored54A:
        return kMode54A;
    default:
        return kMode300AG;
    }
}

uint32_t EncodeAdHocBand(uint32_t networkType, uint16_t adHocMode) {
    if (networkType != kernel::kNetworkAdHoc) {
        return kStoredInfrastructureBand;
    }
    switch (adHocMode) {
    case kernel::KWL_FLAG_WIRELESS_MODE_802_11G:
        return 3;
    case kernel::KWL_FLAG_WIRELESS_MODE_802_11A:
        return 2;
    default:
        return 1;
    }
}

uint16_t DecodeAdHocBand(std::optional<uint32_t> stored) {
    if (stored == 1u) {
        return kernel::KWL_FLAG_WIRELESS_MODE_802_11B;
    }
    if (stored == 3u) {
        return kernel::KWL_FLAG_WIRELESS_MODE_802_11G;
    }
    if (stored == 2u) {
        return kernel::KWL_FLAG_WIRELESS_MODE_802_11A;
    }
    return 0;
}

uint32_t EncodeAdHocChannel(uint16_t channelIndex) {
    if (channelIndex <= kLastChannel24) {
        return Channel24Frequency(channelIndex);
    }
    if (channelIndex >= kFirst5GhzChannel && channelIndex <= kLast5GhzChannel) {
        return 5000u + 5u * channelIndex;
    }
    return 0;
}

uint16_t DecodeAdHocChannel(std::optional<uint32_t> stored) {
    if (!stored) {
        return 0;
    }
    for (uint16_t index = 0; index <= kLastChannel24; ++index) {
        if (Channel24Frequency(index) == *stored) {
            return index;
        }
    }
    uint32_t f = *stored;
    if (f >= 5000u + 5u * kFirst5GhzChannel && f <= 5000u + 5u * kLast5GhzChannel && (f - 5000u) % 5u == 0) {
        return static_cast<uint16_t>((f - 5000u) / 5u);
    }
    return 0;
}

uint32_t EncodeAuthentication(uint32_t securityFlags) {
    for (const FlagCode& entry : kAuthenticationCodes) {
        if (securityFlags & entry.flag) {
            return entry.code;
        }
    }
    return 0;
}

uint32_t EncodeCipher(uint32_t securityFlags) {
    for (const FlagCode& entry : kCipherCodes) {
        if (securityFlags & entry.flag) {
            return entry.code;
        }
    }
    return 0;
}

uint32_t DecodeSecurity(std::optional<uint32_t> authentication, std::optional<uint32_t> cipher) {
    if (!authentication || !cipher) {
        return kernel::kSecurityNone;
    }
    uint32_t flags = 0;
    for (const FlagCode& entry : kAuthenticationCodes) {
        if (*authentication == entry.code) {
            flags |= entry.flag;
        }
    }
    for (const FlagCode& entry : kCipherCodes) {
        if (*cipher == entry.code) {
            flags |= entry.flag;
        }
    }
    return flags;
}

uint32_t EncodeWepKeybit(bool wepProfile, uint32_t keyFormat) {
    if (!wepProfile) {
        return 255;
    }
    bool only128 = (keyFormat & kernel::kKeyWep128Bit) && !(keyFormat & kernel::kKeyWep64Bit);
    return only128 ? 1 : 0;
}

uint32_t EncodeHexEntry(uint32_t authenticationCode, uint32_t keyFormat) {
    bool psk = authenticationCode == 5 || authenticationCode == 7;
    return (psk && (keyFormat & kernel::kKeyPskHex)) ? 1 : 0;
}

std::optional<uint32_t> DecodeKeyFormat(std::optional<uint32_t> cipher,
                                        std::optional<uint32_t> authentication,
                                        std::optional<uint32_t> wepKeybit, std::optional<uint32_t> hexEntry) {
    if (cipher == 1u) {
        return 1u | (wepKeybit == 1u ? kernel::kKeyWep128Bit : kernel::kKeyWep64Bit);
    }
    if (authentication == 5u || authentication == 7u) {
        return hexEntry == 1u ? kernel::kKeyPskHex : kernel::kKeyPskAscii;
    }
    return std::nullopt;
}

std::optional<uint32_t> EncodeTransmitPower(uint16_t powerCode, bool fiveLevels) {
    const auto& table = fiveLevels ? kFiveLevelPower : kFourLevelPower;
    for (uint32_t level = 0; level < table.size(); ++level) {
        if (table[level] != 0 && table[level] == powerCode) {
            return level;
        }
    }
    return std::nullopt;
}

uint16_t DecodeTransmitPower(std::optional<uint32_t> level, bool fiveLevels) {
    const auto& table = fiveLevels ? kFiveLevelPower : kFourLevelPower;
    if (!level || *level >= table.size() || table[*level] == 0) {
        return kernel::kTransmitPowerFull;
    }
    return table[*level];
}

std::optional<uint32_t> EncodePreamble(uint8_t preamble) {
    switch (preamble) {
    case kernel::kPreambleLong:
        return 0;
    case kernel::kPreambleAuto:
        return 1;
    case kernel::kPreambleShort:
        return 2;
    default:
        return std::nullopt;
    }
}

uint8_t DecodePreamble(std::optional<uint32_t> stored) {
    if (stored == 0u) {
        return kernel::kPreambleLong;
    }
    if (stored == 2u) {
        return kernel::kPreambleShort;
    }
    return kernel::kPreambleAuto;
}

std::u16string EncodeBssid(const uint8_t bssid[6]) {
    return base::FormatMac(bssid);
}

bool DecodeBssid(std::u16string_view text, uint8_t bssid[6]) {
    // Six hexadecimal groups separated by ':', each optionally preceded by blanks; a group wider than
    // a byte keeps its low byte, as a scanned 32-bit number stored into a byte would.
    uint8_t parsed[6];
    size_t pos = 0;
    for (int group = 0; group < 6; ++group) {
        if (group > 0) {
            if (pos >= text.size() || text[pos] != u':') {
                return false;
            }
            ++pos;
        }
        while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t')) {
            ++pos;
        }
        uint32_t value = 0;
        size_t digits = 0;
        while (pos < text.size() && base::HexDigitValue(text[pos]) >= 0) {
            value = (value << 4) | static_cast<uint32_t>(base::HexDigitValue(text[pos]));
            ++pos;
            ++digits;
        }
        if (digits == 0) {
            return false;
        }
        parsed[group] = static_cast<uint8_t>(value);
    }
    for (int i = 0; i < 6; ++i) {
        bssid[i] = parsed[i];
    }
    return true;
}

} // namespace profiles
