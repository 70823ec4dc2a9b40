// ReadProfile / WriteProfile: one record <-> one registry key. A key is read whole, with one open, and
// decoded value by value; it is written value by value through the service.
#include <optional>

#include "base/CaseFold.h"
#include "base/Text.h"
#include "profiles/KeyScramble.h"
#include "profiles/ProfileCodec.h"
#include "profiles/ProfileKeyRead.h"
#include "profiles/ProfileStore.h"
#include "profiles/StoreContext.h"

namespace profiles {
namespace {

using detail::Context;

// The values of one key, read with a single open of the key and then looked up by name.
class KeyReader {
public:
    KeyReader(platform::Registry* registry, std::u16string_view keyPath) {
        // A key that cannot be opened, or fails part-way, gives what it gave; the rest reads as absent.
        if (registry != nullptr) {
            registry->ReadValues(platform::kHkeyLocalMachine, keyPath, m_values);
        }
    }

    // Missing, unreadable and wrongly typed values all read as absent; texts are cut as registry
    // string reads cut them.
    std::optional<std::u16string> Text(std::u16string_view name) const {
        std::u16string text;
        const platform::RegValue* value = Find(name);
        if (value == nullptr || platform::DecodeStringValue(*value, text) != platform::kErrorSuccess) {
            return std::nullopt;
        }
        return text;
    }

    std::optional<uint32_t> Number(std::u16string_view name) const {
        uint32_t number = 0;
        const platform::RegValue* value = Find(name);
        if (value == nullptr || platform::DecodeDwordValue(*value, number) != platform::kErrorSuccess) {
            return std::nullopt;
        }
        return number;
    }

private:
    // Value names are the registry's, which ignores letter case.
    const platform::RegValue* Find(std::u16string_view name) const {
        for (const auto& [valueName, value] : m_values) {
            if (base::EqualsNoCase(valueName, name)) {
                return &value;
            }
        }
        return nullptr;
    }

    platform::RegValues m_values;
};

// Collects the service's answers: one failed write fails the whole profile.
class KeyWriter {
public:
    KeyWriter(kernel::IWirelessKernel* service, std::u16string_view keyPath)
        : m_service(service), m_key(keyPath) {}

    void Text(std::u16string_view name, std::u16string_view text) {
        std::u16string n(name);
        std::u16string t(text);
        if (m_service == nullptr ||
            m_service->RegSetString(m_key.c_str(), n.c_str(), t.c_str(), kernel::kHiveLocalMachine, 0) == 0) {
            m_ok = false;
        }
    }

    void Number(std::u16string_view name, uint32_t number) {
        std::u16string n(name);
        if (m_service == nullptr ||
            m_service->RegSetDword(m_key.c_str(), n.c_str(), number, kernel::kHiveLocalMachine, 0) == 0) {
            m_ok = false;
        }
    }

    bool ok() const { return m_ok; }

private:
    kernel::IWirelessKernel* m_service;
    std::u16string m_key;
    bool m_ok = true;
};

} // namespace

bool FivePowerLevels() {
    std::lock_guard lock(ProfileStoreMutex());
    detail::StoreContext& context = Context();
    if (!context.fivePowerLevels && context.kernel != nullptr) {
        kernel::AdapterConfig config{};
        context.kernel->GetAdapterConfig(&config);
        context.fivePowerLevels = kernel::HasFivePowerLevels(config);
    }
    return context.fivePowerLevels.value_or(false);
}

namespace detail {

kernel::WirelessProfile UnreadProfile() {
    std::lock_guard lock(ProfileStoreMutex());
    const StoreContext& context = Context();
    kernel::IWirelessKernel* service = context.kernel;

    kernel::WirelessProfile record{};
    kernel::AdapterConfig config{};
    if (service != nullptr) {
        service->GetAdapterConfig(&config);
        service->InitConnectionBlock(&record.block);
    }
    kernel::ConnectionBlock& block = record.block;
    block.FragThreshold = config.fragThresholdMax;
    block.RTSThreshold = config.rtsThresholdMax;
    record.inUse = 0;
    base::CopyToField(record.ConfigurationName, context.defaultName);
    base::CopyToField(record.NetworkName, context.anyNetworkName);
    block.band = kernel::KWL_FLAG_BAND_2_4G;
    block.securityFlags = kernel::kSecurityNone;
    block.transmitPower = kernel::kTransmitPowerFull;
    return record;
}

void ReadProfileValues(std::u16string_view keyPath, kernel::WirelessProfile& record) {
    std::lock_guard lock(ProfileStoreMutex());
    kernel::ConnectionBlock& block = record.block;
    const KeyReader reader(Context().registry, keyPath);
    if (auto name = reader.Text(value::kConfigurationName)) {
        base::CopyToField(record.ConfigurationName, *name);
    }
    if (auto network = reader.Text(value::kNetworkName)) {
        base::CopyToField(record.NetworkName, *network);
    }
    if (auto bssid = reader.Text(value::kBssid)) {
        DecodeBssid(*bssid, block.BSSID);
    }
    block.NetworkConnectType = DecodeNetworkType(reader.Number(value::kNetworkConnectionType));
    record.wirelessModes = DecodeWirelessMode(reader.Number(value::kWirelessMode));
    block.adHocMode = DecodeAdHocBand(reader.Number(value::kAdHocBand));
    block.adHocChannel = DecodeAdHocChannel(reader.Number(value::kAdHocChannel));

    std::optional<uint32_t> authentication = reader.Number(value::kAuthenticationType);
    std::optional<uint32_t> cipher = reader.Number(value::kEncryptionAlg);
    block.securityFlags = DecodeSecurity(authentication, cipher);
    if (auto format = DecodeKeyFormat(cipher, authentication, reader.Number(value::kWepKeybit),
                                      reader.Number(value::kHexEntryPp))) {
        block.keyFormat = *format;
    }

    if (auto passphrase = reader.Text(value::kPassphrase)) {
        if (block.securityFlags & kernel::kCipherWep) {
            record.noPassphrase = passphrase->empty() ? 1 : 0;
            if (!passphrase->empty()) {
                base::CopyToField(record.wepPassphrase, *passphrase);
            }
        } else {
            base::CopyToField(block.psk, UnscrambleKeyText(*passphrase));
        }
    }

    block.defaultKey = reader.Number(value::kDefaultKey).value_or(0);
    for (int k = 0; k < 4; ++k) {
        if (auto key = reader.Text(SharedKeyValueName(k))) {
            base::CopyToField(block.wepKeys[k], UnscrambleKeyText(*key));
        }
    }

    block.transmitPower = DecodeTransmitPower(reader.Number(value::kTpc), FivePowerLevels());
    block.preamble = DecodePreamble(reader.Number(value::kShortPreamble));
    if (auto frag = reader.Number(value::kFragThreshold)) {
        block.FragThreshold = static_cast<uint16_t>(*frag);
    }
    if (auto rts = reader.Number(value::kRtsThreshold)) {
        block.RTSThreshold = static_cast<uint16_t>(*rts);
    }
}

} // namespace detail

int ReadProfile(std::u16string_view keyPath, kernel::WirelessProfile& record) {
    std::lock_guard lock(ProfileStoreMutex());
    record = detail::UnreadProfile();
    detail::ReadProfileValues(keyPath, record);
    return 1;
}

int WriteProfile(std::u16string_view keyPath, const kernel::WirelessProfile& record) {
    std::lock_guard lock(ProfileStoreMutex());
    kernel::IWirelessKernel* service = Context().kernel;
    const kernel::ConnectionBlock& block = record.block;
    KeyWriter writer(service, keyPath);

    writer.Text(value::kConfigurationName, base::FieldText(record.ConfigurationName));
    writer.Text(value::kNetworkName, base::FieldText(record.NetworkName));
    writer.Text(value::kBssid, EncodeBssid(block.BSSID));
    if (auto type = EncodeNetworkType(block.NetworkConnectType)) {
        writer.Number(value::kNetworkConnectionType, *type);
    }
    writer.Number(value::kWirelessMode, EncodeWirelessMode(record.wirelessModes));
    writer.Number(value::kAdHocBand, EncodeAdHocBand(block.NetworkConnectType, block.adHocMode));
    writer.Number(value::kAdHocChannel, EncodeAdHocChannel(block.adHocChannel));
    uint32_t authentication = EncodeAuthentication(block.securityFlags);
    uint32_t cipher = EncodeCipher(block.securityFlags);
    writer.Number(value::kAuthenticationType, authentication);
    writer.Number(value::kEncryptionAlg, cipher);

    bool wep = cipher == 1;
    if (wep) {
        writer.Number(value::kWepKeybit, EncodeWepKeybit(true, block.keyFormat));
        writer.Text(value::kPassphrase,
                    record.noPassphrase ? std::u16string_view() : base::FieldText(record.wepPassphrase));
    } else {
        writer.Number(value::kHexEntryPp, EncodeHexEntry(authentication, block.keyFormat));
        writer.Number(value::kWepKeybit, EncodeWepKeybit(false, block.keyFormat));
        writer.Text(value::kPassphrase, ScrambleKeyText(base::FieldText(block.psk)));
    }
    writer.Number(value::kDefaultKey, block.defaultKey);
    for (int k = 0; k < 4; ++k) {
        writer.Text(SharedKeyValueName(k), wep ? ScrambleKeyText(base::FieldText(block.wepKeys[k])) : u"");
    }
    if (auto level = EncodeTransmitPower(block.transmitPower, FivePowerLevels())) {
        writer.Number(value::kTpc, *level);
    }
    if (auto preamble = EncodePreamble(block.preamble)) {
        writer.Number(value::kShortPreamble, *preamble);
    }
    writer.Number(value::kFragThreshold, block.FragThreshold);
    writer.Number(value::kRtsThreshold, block.RTSThreshold);
    return writer.ok() ? 1 : 0;
}

} // namespace profiles
