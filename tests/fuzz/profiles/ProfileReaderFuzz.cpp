// The profile reader against arbitrary registry contents: any number of profile keys, order values and
// a current-profile key, each value of any type, length and content. The store must load, promote and
// rebuild its default profile without reading or writing past a record field, and every text field
// it fills must stay terminated.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Text.h"
#include "fakes/FakeKernel.h"
#include "fakes/FakeRegistry.h"
#include "profiles/ProfileCodec.h"
#include "profiles/ProfileStore.h"

namespace {

constexpr std::u16string_view kAppKey = u"Software\\Orvelin\\KTVA7700v2";

const std::u16string_view kValueNames[] = {
    profiles::value::kConfigurationName,
    profiles::value::kNetworkName,
    profiles::value::kBssid,
    profiles::value::kNetworkConnectionType,
    profiles::value::kWirelessMode,
    profiles::value::kAdHocBand,
    profiles::value::kAdHocChannel,
    profiles::value::kAuthenticationType,
    profiles::value::kEncryptionAlg,
    profiles::value::kWepKeybit,
    profiles::value::kHexEntryPp,
    profiles::value::kPassphrase,
    profiles::value::kDefaultKey,
    u"SharedKey1",
    u"SharedKey2",
    u"SharedKey3",
    u"SharedKey4",
    profiles::value::kTpc,
    profiles::value::kShortPreamble,
    profiles::value::kFragThreshold,
    profiles::value::kRtsThreshold,
};
const std::u16string_view kProfileNames[] = {u"Default", u"default", u"Home", u"HOME", u"Work", u"Standard"};
const uint32_t kTypes[] = {platform::kRegSz,       platform::kRegDword,   platform::kRegBinary,
                           platform::kRegExpandSz, platform::kRegMultiSz, platform::kRegNone};

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_pos >= m_size; }
    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::vector<uint8_t> Bytes(size_t count) {
        std::vector<uint8_t> bytes;
        while (count-- > 0 && m_pos < m_size) {
            bytes.push_back(m_data[m_pos++]);
        }
        return bytes;
    }
    std::u16string Text() {
        size_t units = Byte() % 48;
        std::u16string text;
        for (size_t i = 0; i < units; ++i) {
            text.push_back(static_cast<char16_t>(Byte() | (Byte() << 8)));
        }
        return text;
    }
    std::u16string Name() {
        uint8_t pick = Byte();
        if (pick < 200) {
            return std::u16string(kProfileNames[pick % std::size(kProfileNames)]);
        }
        std::u16string text = Text();
        // Registry key names hold no backslash and are not empty.
        for (char16_t& c : text) {
            if (c == u'\\' || c == 0) {
                c = u'_';
            }
        }
        return text.empty() ? u"x" : text;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

platform::RegValue Value(Input& in) {
    platform::RegValue value;
    value.type = kTypes[in.Byte() % std::size(kTypes)];
    size_t length = in.Byte();
    if (length > 200) {
        length = 600 + (length - 200) * 16; // overlong texts, up to several kilobytes
    }
    value.data = in.Bytes(length);
    return value;
}

void CheckTerminated(const kernel::WirelessProfile& p) {
    if (base::FieldText(p.ConfigurationName).size() >= kernel::kProfileNameUnits ||
        base::FieldText(p.NetworkName).size() >= kernel::kNetworkNameUnits ||
        base::FieldText(p.wepPassphrase).size() >= kernel::kWepPassphraseUnits ||
        base::FieldText(p.block.psk).size() >= kernel::kPskUnits) {
        std::abort();
    }
    for (const auto& key : p.block.wepKeys) {
        if (base::FieldText(key).size() >= kernel::kWepKeyUnits) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fakes::FakeRegistry registry;
    fakes::FakeKernel service(registry);
    profiles::ProfileStoreConfig config;
    config.kernel = &service;
    config.registry = &registry;
    config.appKey = std::u16string(kAppKey);
    config.alternateDefaultName = u"Standard";
    profiles::ConfigureProfileStore(config);

    const std::u16string listKey(profiles::kProfileListKey);
    const std::u16string currentKey = std::u16string(kAppKey) + u"\\ProfileData";
    Input in(data, size);
    for (int op = 0; op < 400 && !in.empty(); ++op) {
        uint8_t kind = in.Byte() % 4;
        if (kind == 0 || kind == 1) {
            std::u16string key = listKey + u"\\" + in.Name();
            std::u16string name =
                kind == 0 ? std::u16string(kValueNames[in.Byte() % std::size(kValueNames)]) : in.Text();
            registry.WriteValue(platform::kHkeyLocalMachine, key, name, Value(in));
        } else if (kind == 2) {
            std::u16string name = base::Widen(std::to_string(in.Byte() % 120));
            platform::RegValue value = in.Byte() < 200 ? platform::RegValue::String(in.Name()) : Value(in);
            registry.WriteValue(platform::kHkeyLocalMachine, listKey, name, value);
        } else {
            std::u16string name(kValueNames[in.Byte() % std::size(kValueNames)]);
            registry.WriteValue(platform::kHkeyLocalMachine, currentKey, name, Value(in));
        }
    }

    int count = profiles::LoadProfileTable(in.Byte() & 1);
    if (count < 0 || count > static_cast<int>(profiles::kProfileSlots)) {
        std::abort();
    }
    for (const kernel::WirelessProfile& p : profiles::ProfileTable) {
        CheckTerminated(p);
    }
    profiles::LoadCurrentProfile();
    CheckTerminated(profiles::CurrentProfile);
    profiles::PromoteProfile(u"Home", count);
    profiles::MarkActiveProfile(count, u"Work");
    count = profiles::EnsureDefaultProfile();
    profiles::DeleteProfile(u"home");
    profiles::ResetProfileStore();
    return 0;
}
