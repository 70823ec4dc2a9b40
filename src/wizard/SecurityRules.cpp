#include "wizard/SecurityRules.h"

#include "base/Text.h"
#include "kernel/ConnectionBlock.h"
#include "wizard/WizardState.h"

namespace wizard {

int SecurityBackPage(const std::vector<kernel::BssEntry>& networks, int selected) {
    if (selected < 0 || static_cast<size_t>(selected) >= networks.size()) {
        return kPageHidden;
    }
    return base::FieldText(networks[static_cast<size_t>(selected)].ssid).empty() ? kPageHidden : kPageList;
}

bool SecurityBackHidden(bool fromList, int backPage) {
    return fromList && backPage == kPageList;
}

char16_t MaskCharacter(bool hide) {
    return hide ? u'*' : u'\0';
}

bool WepKeyLengthFits(size_t length, bool use128) {
    if (use128) {
        return length == kWep128HexLength || length == kWep128AsciiLength;
    }
    return length == kWep64HexLength || length == kWep64AsciiLength;
}

bool WepKeyTextIs128(size_t length) {
    return length == kWep128HexLength || length == kWep128AsciiLength;
}

bool PskPageShowsWpa2(int hiddenChoice, uint32_t securityFlags) {
    if (hiddenChoice == kHiddenChoiceWpa2Psk) {
        return true;
    }
    if (hiddenChoice == kHiddenChoiceWpaPsk) {
        return false;
    }
    return (securityFlags & kernel::kAuthWpa2Psk) != 0;
}

bool PskLengthFits(size_t length) {
    return length >= kPskMinimumLength;
}

std::optional<uint32_t> GeneratedKeyFormat(std::u16string_view firstKey) {
    if (firstKey.size() == kWep64HexLength) {
        return kernel::kKeyWep64;
    }
    if (firstKey.size() == kWep128HexLength) {
        return kernel::kKeyWep128;
    }
    return std::nullopt;
}

void ApplySilentWep(kernel::WirelessProfile& profile, const std::array<std::u16string, 4>& generatedKeys) {
    if (profile.noPassphrase == 0) {
        profile.block.defaultKey = 0;
        for (size_t i = 0; i < generatedKeys.size(); ++i) {
            base::CopyToField(profile.block.wepKeys[i], generatedKeys[i]);
        }
        if (std::optional<uint32_t> format = GeneratedKeyFormat(generatedKeys[0])) {
            profile.block.keyFormat = *format;
        }
    }
    profile.block.securityFlags = kernel::kSecurityWep;
}

uint32_t SilentPskSecurity(uint32_t networkFlags) {
    return (networkFlags & kernel::kAuthWpa2Psk) != 0 ? kernel::kSecurityWpa2PskAes
                                                      : kernel::kSecurityWpaPskTkip;
}

} // namespace wizard
