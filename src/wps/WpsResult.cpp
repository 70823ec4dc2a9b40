#include "wps/WpsResult.h"

#include "base/Format.h"
#include "base/Text.h"
#include "profiles/KeyMaterial.h"

namespace wps {

namespace {

constexpr uint32_t kWpaBoth = kernel::kAuthWpaPsk | kernel::kCipherAes;

template <size_t N> void Terminate(char16_t (&field)[N]) {
    const std::u16string text(base::FieldText(field));
    base::CopyToField(field, text);
}

std::u16string_view BandName(uint8_t band) {
    switch (band) {
    case kernel::KWL_FLAG_BAND_AUTO:
        return u"KWL_FLAG_BAND_AUTO";
    case kernel::KWL_FLAG_BAND_2_4G:
        return u"KWL_FLAG_BAND_2_4G";
    case kernel::KWL_FLAG_BAND_5G:
        return u"KWL_FLAG_BAND_5G";
    default:
        return u"";
    }
}

std::u16string_view ModeName(uint16_t mode) {
    using namespace kernel;
    if (mode & KWL_FLAG_WIRELESS_MODE_802_11B) {
        return u"KWL_FLAG_WIRELESS_MODE_802_11B";
    }
    if (mode & KWL_FLAG_WIRELESS_MODE_802_11G) {
        return u"KWL_FLAG_WIRELESS_MODE_802_11G";
    }
    if (mode & KWL_FLAG_WIRELESS_MODE_802_11A) {
        return u"KWL_FLAG_WIRELESS_MODE_802_11A";
    }
    if (mode & KWL_FLAG_WIRELESS_MODE_AUTO) {
        return u"KWL_FLAG_WIRELESS_MODE_AUTO";
    }
    if ((mode & KWL_FLAG_WIRELESS_MODE_AUTO_N) == KWL_FLAG_WIRELESS_MODE_AUTO_N) {
        return u"KWL_FLAG_WIRELESS_MODE_AUTO_N";
    }
    if ((mode & KWL_FLAG_WIRELESS_MODE_802_11G_N) == KWL_FLAG_WIRELESS_MODE_802_11G_N) {
        return u"KWL_FLAG_WIRELESS_MODE_802_11G_N";
    }
    if ((mode & KWL_FLAG_WIRELESS_MODE_802_11A_N) == KWL_FLAG_WIRELESS_MODE_802_11A_N) {
        return u"KWL_FLAG_WIRELESS_MODE_802_11A_N";
    }
    return u"KWL_FLAG_WIRELESS_MODE_UNKNOWN";
}

} // namespace

bool ResultUsable(int32_t getResultReturn, const kernel::ConnectionBlock& block) {
    return getResultReturn != 0 && !base::FieldText(block.ssid).empty();
}

void TerminateResultTexts(kernel::ConnectionBlock& block) {
    Terminate(block.ssid);
    Terminate(block.psk);
    for (auto& key : block.wepKeys) {
        Terminate(key);
    }
}

uint32_t PushButtonSecurity(uint32_t flags) {
    if ((flags & kWpaBoth) == kWpaBoth) {
        flags = kernel::kSecurityWpa2PskAes;
    }
    return PinSecurity(flags);
}

uint32_t PinSecurity(uint32_t flags) {
    if (flags & kernel::kAuthWpa2Psk) {
        return kernel::kSecurityWpa2PskAes;
    }
    if (flags & kernel::kAuthWpaPsk) {
        return kernel::kSecurityWpaPskTkip;
    }
    return flags;
}

void ApplyWepResult(kernel::WirelessProfile& profile) {
    kernel::ConnectionBlock& block = profile.block;
    if ((block.securityFlags & kernel::kCipherWep) == 0) {
        return;
    }
    if (block.securityFlags & kernel::kAuthCode2) {
        block.securityFlags += kernel::kAuthCode2; // becomes the authentication every WEP profile uses
    } else if ((block.securityFlags & kernel::kAuthCode3) == 0) {
        block.securityFlags += kernel::kAuthCode3;
    }
    profile.noPassphrase = 1;
    if (block.defaultKey >= 4) {
        return;
    }
    char16_t(&key)[kernel::kWepKeyUnits] = block.wepKeys[block.defaultKey];
    const std::u16string text(base::FieldText(key));
    if (text.size() == 5) {
        base::CopyToField(key, profiles::AsciiKeyToHex(text));
        block.keyFormat = kernel::kKeyWep64Bit;
    } else if (text.size() == 13) {
        base::CopyToField(key, profiles::AsciiKeyToHex(text));
        block.keyFormat = kernel::kKeyWep128Bit;
    }
}

bool ScanListOffersN(const std::vector<kernel::BssEntry>& scanList, std::u16string_view ssid) {
    for (const kernel::BssEntry& entry : scanList) {
        if ((entry.capabilities & kernel::kCap80211n) != 0 && base::FieldText(entry.ssid) == ssid) {
            return true;
        }
    }
    return false;
}

std::vector<std::u16string> ResultTraceLines(const kernel::ConnectionBlock& block) {
    return {
        base::Format(u"NetworkConnectType = %d (Adhoc = 1/INFRASTRUCTURE = 0), ",
                     {static_cast<int>(block.NetworkConnectType)}),
        std::u16string(BandName(block.band)),
        std::u16string(ModeName(block.adHocMode)),
        u"WEP Passphrase = " + std::u16string(base::FieldText(block.psk)),
        base::Format(u"WEP key index = %d", {static_cast<int>(block.defaultKey)}),
    };
}

void AdoptResult(kernel::WirelessProfile& profile, const std::vector<kernel::BssEntry>& scanList) {
    kernel::ConnectionBlock& block = profile.block;
    const std::u16string ssid(base::FieldText(block.ssid));
    base::CopyToField(profile.NetworkName, ssid);
    block.transmitPower = kernel::kTransmitPowerFull;
    if (block.securityFlags & kernel::kCipherWep) {
        profile.noPassphrase = 1;
    }
    if (ScanListOffersN(scanList, ssid)) {
        block.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_AUTO_N;
    }
}

} // namespace wps
