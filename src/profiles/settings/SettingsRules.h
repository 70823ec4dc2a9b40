// The Settings page's rules as pure functions over its choices: which security controls are enabled,
// what each network type allows, which profile names may be saved, and the small conversions between
// the page's lists and a profile record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/WirelessProfile.h"

namespace settings {

enum class Security { None, Wpa, Wep };

// The enabled state of every security control for one choice of the security radios.
struct SecurityControls {
    bool wpaList = false;
    bool pskField = false;
    bool passphraseMode = false; // the two WEP mode radios and the key number list follow the WEP radio
    bool manualMode = false;
    bool keyNumber = false;
    bool passphraseField = false;
    bool passphraseKeyLength = false;
    bool keyField = false;
    bool manualKeyLength = false;
};
SecurityControls SecurityControlsFor(Security security, bool wepPassphraseMode);

// What a network type allows. The WPA list is rebuilt only on systems whose wireless service takes WPA
// for both types (Vista or later, with the adapter reporting 0 in the configuration's first member);
// elsewhere an ad-hoc network cannot use WPA at all.
enum class WpaEntries { Keep, Both, Wpa2Only };
struct NetworkTypeRule {
    bool initiateAdHoc = false;
    bool wpaRadio = true;
    WpaEntries wpaEntries = WpaEntries::Keep;
};
NetworkTypeRule RuleForNetworkType(bool adHoc, int osClass, uint32_t adapterFirstMember);

// Save is offered for a name that is neither empty nor exactly the default profile's name.
bool SaveAllowedFor(std::u16string_view name, std::u16string_view defaultName);

// Profile names are registry key names: a backslash typed or pasted is removed at once and the caret
// stays where it was (less the removed characters before it).
struct NameEdit {
    std::u16string text;
    int caret = 0;
    bool changed = false;
};
NameEdit RemoveBackslashes(std::u16string_view text, int caret);

// Why a name cannot be saved under: empty or the "New profile" text, or a default profile's name (of
// this language or any other, since start-up removes profiles carrying those). Compared without regard
// to case, as the registry compares key names.
enum class NameCheck { Allowed, NeedsName, Reserved };
NameCheck CheckProfileName(std::u16string_view name, std::u16string_view newProfileText,
                           const std::vector<std::u16string>& defaultNames);
bool SameNameAnyCase(std::u16string_view a, std::u16string_view b);

// Key-length lists: entry 0 is "64 Bits", entry 1 "128 Bits".
constexpr int kKeyLength64 = 0;
constexpr int kKeyLength128 = 1;
int KeyFieldLimit(int keyLengthEntry);                     // 10 or 26
uint32_t WepKeyFormat(int keyLengthEntry);                 // 0x101 or 0x201
int KeyLengthEntryForKeyText(std::u16string_view keyText); // by the shown key's length; -1 when neither

// WPA list: entry texts (fixed, not translated) and the flags of a choice. An ad-hoc profile can only be
// WPA2-PSK[AES].
constexpr std::u16string_view kWpaPskTkip = u"WPA-PSK[TKIP]";
constexpr std::u16string_view kWpa2PskAes = u"WPA2-PSK[AES]";
uint32_t WpaSecurityFlags(bool adHoc, bool wpa2Chosen);

// The security a record's flags stand for.
Security SecurityOf(uint32_t securityFlags);

} // namespace settings
