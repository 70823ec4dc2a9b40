#include "app/AppSettings.h"

#include <array>

#include "app/AppGlobals.h"
#include "base/Text.h"
#include "kernel/StatusRecords.h"

namespace {

// GetAppValue reads into 256 bytes: 127 units and the terminator.
constexpr size_t kAppValueUnits = 127;
constexpr size_t kStringValueUnits = 255;

// Indexed by "CountryDomain".
constexpr std::array<uint32_t, 19> kRegionCodes = {0x8000, 0x200, 0x80, 1,  0x10, 0x4000, 0x800,  4,  8, 1,
                                                   0x2000, 1,     1,    22, 17,   18,     0x1000, 19, 20};
constexpr int kDomainNeedingFreshState = 9;

void ProbeAccess() {
    platform::Registry* registry = AppRegistry();
    std::u16string probe;
    if (registry->ReadString(platform::kHkeyLocalMachine, AppKey, appvalue::kVidPid, probe, kAppValueUnits) !=
            platform::kErrorAccessDenied ||
        g_pnKernel == nullptr) {
        return;
    }
    const std::u16string keys[] = {u"Software\\" + MakerName, AppKey, AppKey + u"\\LastConnectProfile"};
    for (const auto& key : keys) {
        g_pnKernel->GrantKeyAccess(key.c_str(), 0, platform::kHkeyLocalMachine);
    }
}

} // namespace

long GetAppValue(std::u16string_view name, std::u16string& text) {
    text.clear();
    platform::Registry* registry = AppRegistry();
    if (registry == nullptr) {
        return platform::kErrorFileNotFound;
    }
    ProbeAccess();
    std::u16string value;
    long status = registry->ReadString(platform::kHkeyLocalMachine, AppKey, name, value, kAppValueUnits);
    if (status == platform::kErrorSuccess) {
        text = std::move(value);
    }
    return status;
}

std::u16string AppValue(std::u16string_view name) {
    std::u16string text;
    GetAppValue(name, text);
    return text;
}

int32_t SetAppValue(std::u16string_view name, std::u16string_view text) {
    if (g_pnKernel == nullptr) {
        return 0;
    }
    std::u16string valueName(name);
    std::u16string value(text);
    return g_pnKernel->RegSetString(AppKey.c_str(), valueName.c_str(), value.c_str(),
                                    platform::kHkeyLocalMachine, 0);
}

int ReadDwordValue(std::u16string_view name, uint32_t& number, std::u16string_view key) {
    platform::Registry* registry = AppRegistry();
    if (registry == nullptr) {
        return 0;
    }
    return registry->ReadDword(platform::kHkeyLocalMachine, key, name, number) == platform::kErrorSuccess ? 1
                                                                                                          : 0;
}

int ReadStringValue(std::u16string_view name, std::u16string& text, std::u16string_view key) {
    platform::Registry* registry = AppRegistry();
    if (registry == nullptr) {
        return 0;
    }
    std::u16string value;
    if (registry->ReadString(platform::kHkeyLocalMachine, key, name, value, kStringValueUnits) !=
        platform::kErrorSuccess) {
        return 0;
    }
    text = std::move(value);
    return 1;
}

bool AutoConfigurationState() {
    if (OsClass == kOsVista || OsClass == kOsVista64) {
        return AppValue(appvalue::kAutoConfiguration) == u"2";
    }
    bool zeroConfig = g_bZeroConfig;
    SetAppValue(appvalue::kAutoConfiguration, zeroConfig ? u"2" : u"4");
    return zeroConfig;
}

std::optional<uint32_t> RegionCodeFor(int countryDomain) {
    if (countryDomain < 0 || countryDomain >= static_cast<int>(kRegionCodes.size())) {
        return std::nullopt;
    }
    return kRegionCodes[static_cast<size_t>(countryDomain)];
}

void ApplyRegionSetting() {
    std::u16string text = AppValue(appvalue::kCountryDomain);
    // A value that is not a number is as unlisted as an empty one; it must not pick region 0.
    if (!base::IsDecimalNumber(base::Trim(text)) || g_pnKernel == nullptr) {
        return;
    }
    int domain = base::ParseInt(text);
    std::optional<uint32_t> code = RegionCodeFor(domain);
    if (!code) {
        return;
    }
    if (domain == kDomainNeedingFreshState) {
        kernel::AdapterState state{};
        g_pnKernel->ReadAdapterState(&state);
    }
    g_pnKernel->SetRegionCode(*code);
}
