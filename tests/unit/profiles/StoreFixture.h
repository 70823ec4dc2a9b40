// A profile store over the in-memory registry and service, with helpers that put data into the
// registry the way another program (or a damaged store) would.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "base/Text.h"
#include "fakes/FakeKernel.h"
#include "fakes/FakeRegistry.h"
#include "profiles/ProfileStore.h"

namespace profiles::testing {

inline constexpr std::u16string_view kAppKey = u"Software\\Orvelin\\KTVA7700v2";

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { Configure(); }
    // A new session: the store forgets what it read from the adapter.
    void Configure() {
        ProfileStoreConfig config;
        config.kernel = &m_kernel;
        config.registry = &m_registry;
        config.appKey = std::u16string(kAppKey);
        config.defaultName = u"Default";
        config.anyNetworkName = u"Any (First available network)";
        config.alternateDefaultName = u"Standard";
        ConfigureProfileStore(config);
    }
    void TearDown() override { ResetProfileStore(); }

    static std::u16string KeyOf(std::u16string_view name) {
        return std::u16string(kProfileListKey) + u"\\" + std::u16string(name);
    }

    // A profile record as the Settings tab would hand it over.
    static kernel::WirelessProfile Record(std::u16string_view name, std::u16string_view network = u"net") {
        kernel::WirelessProfile p{};
        base::CopyToField(p.ConfigurationName, name);
        base::CopyToField(p.NetworkName, network);
        p.block.securityFlags = kernel::kSecurityNone;
        p.block.transmitPower = kernel::kTransmitPowerFull;
        p.block.preamble = kernel::kPreambleAuto;
        p.wirelessModes = kernel::kModeAll;
        return p;
    }

    // Writes behind the program's back.
    void PutString(std::u16string_view key, std::u16string_view name, std::u16string_view text) {
        m_registry.WriteString(platform::kHkeyLocalMachine, key, name, text);
    }
    void PutDword(std::u16string_view key, std::u16string_view name, uint32_t value) {
        m_registry.WriteDword(platform::kHkeyLocalMachine, key, name, value);
    }
    void PutOrder(int number, std::u16string_view profile) {
        std::u16string valueName = number < 10 ? u"0" : u"";
        valueName += base::Widen(std::to_string(number));
        PutString(kProfileListKey, valueName, profile);
    }
    // A stored profile with its order value, as the program itself would have left it.
    void PutProfile(std::u16string_view name, int order) {
        PutString(KeyOf(name), u"ConfigurationName", name);
        PutString(KeyOf(name), u"NetworkName", std::u16string(u"net-") + std::u16string(name));
        if (order >= 0) {
            PutOrder(order, name);
        }
    }

    std::optional<std::u16string> StoredText(std::u16string_view key, std::u16string_view name) {
        std::u16string text;
        if (m_registry.ReadString(platform::kHkeyLocalMachine, key, name, text, 4096) !=
            platform::kErrorSuccess) {
            return std::nullopt;
        }
        return text;
    }
    std::optional<uint32_t> StoredNumber(std::u16string_view key, std::u16string_view name) {
        uint32_t number = 0;
        if (m_registry.ReadDword(platform::kHkeyLocalMachine, key, name, number) != platform::kErrorSuccess) {
            return std::nullopt;
        }
        return number;
    }
    // The values of the list key as "name=data", in enumeration order.
    std::vector<std::u16string> OrderValues() {
        std::vector<std::u16string> values;
        std::u16string name;
        platform::RegValue value;
        for (uint32_t i = 0; m_registry.EnumValue(platform::kHkeyLocalMachine, kProfileListKey, i, name,
                                                  &value) == platform::kErrorSuccess;
             ++i) {
            values.push_back(name + u"=" + platform::RegDataToString(value.data));
        }
        return values;
    }
    static std::u16string NameAt(size_t slot) {
        return std::u16string(base::FieldText(ProfileTable[slot].ConfigurationName));
    }

    fakes::FakeRegistry m_registry;
    fakes::FakeKernel m_kernel{m_registry};
};

} // namespace profiles::testing
