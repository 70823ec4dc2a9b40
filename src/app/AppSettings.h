// The application settings: string values under AppKey (HKEY_LOCAL_MACHINE), read straight from the
// registry and written through the service library, which owns the protected key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Value names of the application key.
namespace appvalue {
constexpr std::u16string_view kFirstRun = u"FirstRun";
constexpr std::u16string_view kUpgrade = u"Upgread";
constexpr std::u16string_view kChangeProfile = u"ChangeProfile";
constexpr std::u16string_view kLanguage = u"Language";
constexpr std::u16string_view kAutoConfiguration = u"AutoConfiguration";
constexpr std::u16string_view kCountryDomain = u"CountryDomain";
constexpr std::u16string_view kShowInternet = u"ShowInternet";
constexpr std::u16string_view kShowInternetMsgBox = u"ShowInternetMsgBox";
constexpr std::u16string_view kShowHwPbcCancelMsgBox = u"ShowHWPBCCancelMsgBox";
constexpr std::u16string_view kVidPid = u"VIDPID";
} // namespace appvalue

// Reads a value of the application key (at most 127 units). Returns 0 and sets `text`, or the
// registry's error code and leaves `text` empty. Each read first probes "VIDPID" and, when the key
// refuses reading, asks the service library to open the product's keys up.
long GetAppValue(std::u16string_view name, std::u16string& text);
// Convenience: the text, empty when the value cannot be read.
std::u16string AppValue(std::u16string_view name);

// Writes through the library's RegSetString. Returns the library's non-zero result when written, 0
// when not (also when the library is not bound).
int32_t SetAppValue(std::u16string_view name, std::u16string_view text);

// Plain reads from any key below HKEY_LOCAL_MACHINE: 1 on success, 0 otherwise.
int ReadDwordValue(std::u16string_view name, uint32_t& number, std::u16string_view key);
int ReadStringValue(std::u16string_view name, std::u16string& text, std::u16string_view key);

// Whether Windows zero configuration manages the adapter: on Vista and 7 from "AutoConfiguration"
// ("2"); elsewhere g_bZeroConfig, written back as "2" or "4".
bool AutoConfigurationState();

// The region bit code of a "CountryDomain" number; nullopt for an unlisted one.
std::optional<uint32_t> RegionCodeFor(int countryDomain);
// Passes the region of "CountryDomain" to the library; nothing for an empty or unlisted value.
void ApplyRegionSetting();
