// DrvSeed_Product.ini, the tool's settings beside the program. Read only; a missing file or key reads
// as empty.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace drvseed {

// A value written into the adapter's driver key before the restart.
struct DriverValueSetting {
    std::u16string name;
    std::u16string type;
    std::u16string value;
};

// A value written anywhere in the registry while the adapter is disabled.
struct RestartValueSetting {
    std::u16string root;
    std::u16string key;
    std::u16string name;
    std::u16string type;
    std::u16string value;
};

class DrvSeedSettings {
public:
    static constexpr size_t kMaxListEntries = 10;
    static constexpr size_t kMaxRegionUnits = 63;

    explicit DrvSeedSettings(std::u16string path) : m_path(std::move(path)) {}

    // Section Region: the named region, else Default; cut to 63 units.
    std::u16string RegionString(std::u16string_view region) const;
    // Section Information.
    std::u16string RegionValueName() const;
    std::u16string Model() const;
    std::u16string Title() const;
    // Section Language: the named language's waiting text; key "0" when the named one is missing.
    std::u16string WaitingMessage(std::u16string_view language) const;

    // DriverData_1 ... DriverData_10, up to the first entry with an empty field.
    std::vector<DriverValueSetting> DriverValues() const;
    // RegistryData_Between_Restart_Card_1 ... _10, likewise.
    std::vector<RestartValueSetting> RestartValues() const;

private:
    std::u16string Get(std::u16string_view section, std::u16string_view key,
                       std::u16string_view defaultValue = u"") const;

    std::u16string m_path;
};

} // namespace drvseed
