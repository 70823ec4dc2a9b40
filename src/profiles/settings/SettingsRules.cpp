#include "profiles/settings/SettingsRules.h"

#include <algorithm>

#include "base/CaseFold.h"

namespace settings {

namespace {
constexpr int kOsClassVista = 8;
constexpr int kOsClassSeven = 9;
} // namespace

SecurityControls SecurityControlsFor(Security security, bool wepPassphraseMode) {
    SecurityControls c;
    switch (security) {
    case Security::None:
        break;
    case Security::Wpa:
        c.wpaList = true;
        c.pskField = true;
        break;
    case Security::Wep:
        c.passphraseMode = true;
        c.manualMode = true;
        c.keyNumber = true;
        c.passphraseField = wepPassphraseMode;
        c.passphraseKeyLength = wepPassphraseMode;
        c.keyField = !wepPassphraseMode;
        c.manualKeyLength = !wepPassphraseMode;
        break;
    }
    return c;
}

NetworkTypeRule RuleForNetworkType(bool adHoc, int osClass, uint32_t adapterFirstMember) {
    bool wpaForBoth = (osClass == kOsClassVista || osClass == kOsClassSeven) && adapterFirstMember == 0;
    NetworkTypeRule rule;
    rule.initiateAdHoc = adHoc;
    if (!adHoc) {
        rule.wpaEntries = wpaForBoth ? WpaEntries::Both : WpaEntries::Keep;
    } else if (wpaForBoth) {
        rule.wpaEntries = WpaEntries::Wpa2Only;
    } else {
        rule.wpaRadio = false;
    }
    return rule;
}

bool SaveAllowedFor(std::u16string_view name, std::u16string_view defaultName) {
    return !name.empty() && name != defaultName;
}

NameEdit RemoveBackslashes(std::u16string_view text, int caret) {
    NameEdit edit;
    edit.caret = caret;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            edit.changed = true;
            if (static_cast<int>(i) < caret) {
                --edit.caret;
            }
            continue;
        }
        edit.text.push_back(text[i]);
    }
    edit.caret = std::clamp(edit.caret, 0, static_cast<int>(edit.text.size()));
    return edit;
}

bool SameNameAnyCase(std::u16string_view a, std::u16string_view b) {
    return base::EqualsNoCase(a, b);
}

NameCheck CheckProfileName(std::u16string_view name, std::u16string_view newProfileText,
                           const std::vector<std::u16string>& defaultNames) {
    if (name.empty() || SameNameAnyCase(name, newProfileText)) {
        return NameCheck::NeedsName;
    }
    for (const std::u16string& reserved : defaultNames) {
        if (!reserved.empty() && SameNameAnyCase(name, reserved)) {
            return NameCheck::Reserved;
        }
    }
    return NameCheck::Allowed;
}

int KeyFieldLimit(int keyLengthEntry) {
    return keyLengthEntry == kKeyLength128 ? 26 : 10;
}

uint32_t WepKeyFormat(int keyLengthEntry) {
    return keyLengthEntry == kKeyLength128 ? kernel::kKeyWep128 : kernel::kKeyWep64;
}

int KeyLengthEntryForKeyText(std::u16string_view keyText) {
    if (keyText.size() == 10) {
        return kKeyLength64;
    }
    if (keyText.size() == 26) {
        return kKeyLength128;
    }
    return -1;
}

uint32_t WpaSecurityFlags(bool adHoc, bool wpa2Chosen) {
    return adHoc || wpa2Chosen ? kernel::kSecurityWpa2PskAes : kernel::kSecurityWpaPskTkip;
}

Security SecurityOf(uint32_t securityFlags) {
    if (securityFlags & kernel::kCipherNone) {
        return Security::None;
    }
    if (securityFlags & kernel::kCipherWep) {
        return Security::Wep;
    }
    if (securityFlags & (kernel::kAuthWpa2Psk | kernel::kAuthWpaPsk)) {
        return Security::Wpa;
    }
    return Security::None;
}

} // namespace settings
