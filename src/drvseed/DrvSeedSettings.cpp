#include "drvseed/DrvSeedSettings.h"

#include "base/Format.h"
#include "base/IniFile.h"

namespace drvseed {
namespace {

// Values are read into buffers of this many units, terminator included.
constexpr uint32_t kValueBufferUnits = 1024;

constexpr std::u16string_view kRegion = u"Region";
constexpr std::u16string_view kInformation = u"Information";
constexpr std::u16string_view kLanguage = u"Language";
constexpr std::u16string_view kDataRoot = u"Data_Root";
constexpr std::u16string_view kDataKey = u"Data_Key";
constexpr std::u16string_view kDataName = u"Data_Name";
constexpr std::u16string_view kDataType = u"Data_Type";
constexpr std::u16string_view kDataValue = u"Data_Value";

} // namespace

std::u16string DrvSeedSettings::Get(std::u16string_view section, std::u16string_view key,
                                    std::u16string_view defaultValue) const {
    return base::IniFile::GetString(m_path, section, key, defaultValue, kValueBufferUnits);
}

std::u16string DrvSeedSettings::RegionString(std::u16string_view region) const {
    std::u16string text = Get(kRegion, region);
    if (text.empty()) {
        text = Get(kRegion, u"Default");
    }
    if (text.size() > kMaxRegionUnits) {
        text.resize(kMaxRegionUnits);
    }
    return text;
}

std::u16string DrvSeedSettings::RegionValueName() const {
    return Get(kInformation, u"Region_Name");
}

std::u16string DrvSeedSettings::Model() const {
    return Get(kInformation, u"Model");
}

std::u16string DrvSeedSettings::Title() const {
    return Get(kInformation, u"Title");
}

std::u16string DrvSeedSettings::WaitingMessage(std::u16string_view language) const {
    // The fallback is the default of the lookup, so a key that is present but empty stays empty.
    return Get(kLanguage, language, Get(kLanguage, u"0"));
}

std::vector<DriverValueSetting> DrvSeedSettings::DriverValues() const {
    std::vector<DriverValueSetting> list;
    for (size_t i = 1; i <= kMaxListEntries; ++i) {
        std::u16string section = base::Format(u"DriverData_%d", {i});
        DriverValueSetting entry{Get(section, kDataName), Get(section, kDataType), Get(section, kDataValue)};
        if (entry.name.empty() || entry.type.empty() || entry.value.empty()) {
            break;
        }
        list.push_back(std::move(entry));
    }
    return list;
}

std::vector<RestartValueSetting> DrvSeedSettings::RestartValues() const {
    std::vector<RestartValueSetting> list;
    for (size_t i = 1; i <= kMaxListEntries; ++i) {
        std::u16string section = base::Format(u"RegistryData_Between_Restart_Card_%d", {i});
        RestartValueSetting entry{Get(section, kDataRoot), Get(section, kDataKey), Get(section, kDataName),
                                  Get(section, kDataType), Get(section, kDataValue)};
        if (entry.root.empty() || entry.key.empty() || entry.name.empty() || entry.type.empty() ||
            entry.value.empty()) {
            break;
        }
        list.push_back(std::move(entry));
    }
    return list;
}

} // namespace drvseed
