// How each field of a profile is encoded in its registry value, both ways. Pure functions, so every
// table can be checked on its own; ReadProfile / WriteProfile only move the results.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace profiles {

// Value names of one profile key, in the order WriteProfile writes them.
namespace value {
constexpr std::u16string_view kConfigurationName = u"ConfigurationName";
constexpr std::u16string_view kNetworkName = u"NetworkName";
constexpr std::u16string_view kBssid = u"BSSID";
constexpr std::u16string_view kNetworkConnectionType = u"NetworkConnectionType";
constexpr std::u16string_view kWirelessMode = u"WirelessMode";
constexpr std::u16string_view kAdHocBand = u"AdHocBand";
constexpr std::u16string_view kAdHocChannel = u"AdHocChannel";
constexpr std::u16string_view kAuthenticationType = u"AdvancedAuthenticationType";
constexpr std::u16string_view kEncryptionAlg = u"EncryptionAlg";
constexpr std::u16string_view kWepKeybit = u"WEPKeybit";
constexpr std::u16string_view kHexEntryPp = u"HexEntryPp";
constexpr std::u16string_view kPassphrase = u"Passphrase";
constexpr std::u16string_view kDefaultKey = u"defaultKey";
constexpr std::u16string_view kTpc = u"tpc";
constexpr std::u16string_view kShortPreamble = u"shortPreamble";
constexpr std::u16string_view kFragThreshold = u"FragThreshold";
constexpr std::u16string_view kRtsThreshold = u"RTSThreshold";
} // namespace value

std::u16string SharedKeyValueName(int index); // "SharedKey1" .. "SharedKey4" for 0..3

// NetworkConnectionType: 1 infrastructure, 2 ad hoc.
std::optional<uint32_t> EncodeNetworkType(uint32_t fieldValue); // none for any other field value
uint32_t DecodeNetworkType(std::optional<uint32_t> stored);

// WirelessMode: the profile's kMode* bits <-> the registry's radio-mode code.
uint32_t EncodeWirelessMode(uint32_t modeBits);
uint32_t DecodeWirelessMode(std::optional<uint32_t> stored);

// AdHocBand: the ad-hoc mode; infrastructure profiles store 255.
uint32_t EncodeAdHocBand(uint32_t networkType, uint16_t adHocMode);
uint16_t DecodeAdHocBand(std::optional<uint32_t> stored);

// AdHocChannel: channel index 0-14 <-> centre frequency in MHz (0 = automatic).
uint32_t EncodeAdHocChannel(uint16_t channelIndex);
uint16_t DecodeAdHocChannel(std::optional<uint32_t> stored);

// AdvancedAuthenticationType and EncryptionAlg from the security flags (first set bit wins).
uint32_t EncodeAuthentication(uint32_t securityFlags);
uint32_t EncodeCipher(uint32_t securityFlags);
// Rebuilds the security flags from the two stored codes (absence of either gives no security).
uint32_t DecodeSecurity(std::optional<uint32_t> authentication, std::optional<uint32_t> cipher);

// WEPKeybit / HexEntryPp from the key format; the reverse is DecodeKeyFormat.
uint32_t EncodeWepKeybit(bool wepProfile, uint32_t keyFormat);
uint32_t EncodeHexEntry(uint32_t authenticationCode, uint32_t keyFormat);
// Key format from the stored codes; nullopt leaves the record's field alone.
std::optional<uint32_t> DecodeKeyFormat(std::optional<uint32_t> cipher,
                                        std::optional<uint32_t> authentication,
                                        std::optional<uint32_t> wepKeybit, std::optional<uint32_t> hexEntry);

// tpc: level number 0-4 <-> the adapter's power code, four or five levels.
std::optional<uint32_t> EncodeTransmitPower(uint16_t powerCode, bool fiveLevels);
uint16_t DecodeTransmitPower(std::optional<uint32_t> level, bool fiveLevels);

// shortPreamble: 0 long, 1 automatic, 2 short.
std::optional<uint32_t> EncodePreamble(uint8_t preamble);
uint8_t DecodePreamble(std::optional<uint32_t> stored);

// BSSID: written "%02X:%02X:%02X:%02X:%02X:%02X", read as six hexadecimal groups. A text that does not
// hold six groups leaves the address as it was (false).
std::u16string EncodeBssid(const uint8_t bssid[6]);
bool DecodeBssid(std::u16string_view text, uint8_t bssid[6]);

} // namespace profiles
