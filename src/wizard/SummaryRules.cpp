#include "wizard/SummaryRules.h"

#include <cstring>

#include "base/Text.h"
#include "kernel/ConnectionBlock.h"

namespace wizard {

std::u16string_view SummarySecurityKey(uint32_t securityFlags) {
    if ((securityFlags & kernel::kCipherWep) != 0) {
        return u"Security3";
    }
    if ((securityFlags & kernel::kAuthWpa2Psk) != 0) {
        return u"Security1";
    }
    if ((securityFlags & kernel::kAuthWpaPsk) != 0) {
        return u"Security2";
    }
    return u"Security4";
}

std::u16string_view SummarySecurityDefault(std::u16string_view key) {
    if (key == u"Security1") {
        return u"WPA2-PSK";
    }
    if (key == u"Security2") {
        return u"WPA-PSK";
    }
    if (key == u"Security3") {
        return u"WEP";
    }
    return u"csDisable";
}

uint32_t WepKeyFormatForLength(size_t length) {
    if (length == 10) {
        return kernel::kKeyWep64;
    }
    if (length == 26) {
        return kernel::kKeyWep128;
    }
    return 0;
}

void CompleteSecurity(kernel::WirelessProfile& profile, const std::array<std::u16string, 4>& generatedKeys) {
    kernel::ConnectionBlock& block = profile.block;
    constexpr uint32_t kBothWpa = kernel::kAuthWpaPsk | kernel::kAuthWpa2Psk;
    if ((block.securityFlags & kernel::kCipherWep) != 0) {
        if (profile.noPassphrase == 0) {
            block.defaultKey = 0;
            for (size_t i = 0; i < generatedKeys.size(); ++i) {
                base::CopyToField(block.wepKeys[i], generatedKeys[i]);
            }
            if (uint32_t format = WepKeyFormatForLength(generatedKeys[0].size()); format != 0) {
                block.keyFormat = format;
            }
            block.securityFlags = kernel::kSecurityWep;
        }
    } else if ((block.securityFlags & kBothWpa) == kBothWpa) {
        block.securityFlags = kernel::kSecurityWpa2PskAes;
        std::memset(block.wepKeys, 0, sizeof(block.wepKeys));
    }
}

std::u16string CompleteWpsWep(kernel::WirelessProfile& profile) {
    kernel::ConnectionBlock& block = profile.block;
    profile.noPassphrase = 0;
    // The transmit key comes from the exchange; a number outside 0-3 names no key text.
    if (block.defaultKey < 4) {
        if (uint32_t format = WepKeyFormatForLength(base::FieldText(block.wepKeys[block.defaultKey]).size());
            format != 0) {
            block.keyFormat = format;
        }
    }
    std::u16string left(base::FieldText(block.psk));
    base::CopyToField(block.psk, u"");
    return left;
}

} // namespace wizard
