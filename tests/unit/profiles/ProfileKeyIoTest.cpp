// ReadProfile / WriteProfile against the in-memory registry and service: what is written, in which
// order and form, and what damaged data reads as.
#include <cstring>

#include "StoreFixture.h"
#include "profiles/KeyScramble.h"

namespace profiles::testing {
namespace {

using namespace kernel;

// Value names of the service's write calls, in call order.
std::vector<std::u16string> WrittenValueNames(fakes::FakeKernel& service) {
    std::vector<std::u16string> names;
    for (const std::u16string& call : service.Calls()) {
        if (call.rfind(u"RegSet", 0) != 0) {
            continue;
        }
        size_t first = call.find(u'|');
        size_t second = call.find(u'|', first + 1);
        names.push_back(call.substr(first + 1, second - first - 1));
    }
    return names;
}

class ProfileKeyIo : public StoreTest {
protected:
    const std::u16string m_key = KeyOf(u"Home");
};

TEST_F(ProfileKeyIo, Wpa2PskProfileStoredForms) {
    WirelessProfile p = Record(u"Home", u"HomeNet");
    p.block.securityFlags = kSecurityWpa2PskAes;
    p.block.keyFormat = kKeyPskAscii;
    base::CopyToField(p.block.psk, u"correct horse");
    const uint8_t bssid[6] = {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC};
    memcpy(p.block.BSSID, bssid, 6);
    ASSERT_EQ(WriteProfile(m_key, p), 1);

    EXPECT_EQ(WrittenValueNames(m_kernel),
              (std::vector<std::u16string>{
                  u"ConfigurationName", u"NetworkName", u"BSSID",         u"NetworkConnectionType",
                  u"WirelessMode",      u"AdHocBand",   u"AdHocChannel",  u"AdvancedAuthenticationType",
                  u"EncryptionAlg",     u"HexEntryPp",  u"WEPKeybit",     u"Passphrase",
                  u"defaultKey",        u"SharedKey1",  u"SharedKey2",    u"SharedKey3",
                  u"SharedKey4",        u"tpc",         u"shortPreamble", u"FragThreshold",
                  u"RTSThreshold"}));
    // Every write goes to HKEY_LOCAL_MACHINE through the service.
    EXPECT_EQ(m_kernel.CountCalls(u"RegSet"), 21u);
    EXPECT_EQ(StoredText(m_key, u"BSSID"), u"00:11:22:AA:BB:CC");
    EXPECT_EQ(StoredNumber(m_key, u"NetworkConnectionType"), 1u);
    EXPECT_EQ(StoredNumber(m_key, u"AdvancedAuthenticationType"), 7u);
    EXPECT_EQ(StoredNumber(m_key, u"EncryptionAlg"), 6u);
    EXPECT_EQ(StoredNumber(m_key, u"HexEntryPp"), 0u);
    EXPECT_EQ(StoredNumber(m_key, u"WEPKeybit"), 255u);
    EXPECT_EQ(StoredNumber(m_key, u"AdHocBand"), 255u);
    std::optional<std::u16string> stored = StoredText(m_key, u"Passphrase");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->size(), 26u);
    EXPECT_NE(*stored, u"correct horse");
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(StoredText(m_key, u"SharedKey" + base::Widen(std::to_string(k))), u"");
    }

    WirelessProfile back{};
    ASSERT_EQ(ReadProfile(m_key, back), 1);
    EXPECT_EQ(base::FieldText(back.block.psk), u"correct horse");
    EXPECT_EQ(back.block.securityFlags, kSecurityWpa2PskAes);
    EXPECT_EQ(back.block.keyFormat, kKeyPskAscii);
    EXPECT_EQ(0, memcmp(back.block.BSSID, bssid, 6));
    EXPECT_EQ(back.block.adHocMode, 0);
}

TEST_F(ProfileKeyIo, WepProfileWithHandEnteredKeys) {
    WirelessProfile p = Record(u"Home");
    p.block.securityFlags = kSecurityWep;
    p.block.keyFormat = kKeyWep128;
    p.noPassphrase = 1;
    base::CopyToField(p.wepPassphrase, u"left over"); // not stored while the keys are by hand
    p.block.defaultKey = 2;
    base::CopyToField(p.block.wepKeys[2], u"0123456789ABCDEF0123456789");
    ASSERT_EQ(WriteProfile(m_key, p), 1);

    std::vector<std::u16string> names = WrittenValueNames(m_kernel);
    ASSERT_GE(names.size(), 11u);
    EXPECT_EQ(names[9], u"WEPKeybit");
    EXPECT_EQ(names[10], u"Passphrase");
    EXPECT_EQ(StoredNumber(m_key, u"HexEntryPp"), std::nullopt);
    EXPECT_EQ(StoredNumber(m_key, u"WEPKeybit"), 1u);
    EXPECT_EQ(StoredNumber(m_key, u"AdvancedAuthenticationType"), 3u);
    EXPECT_EQ(StoredNumber(m_key, u"EncryptionAlg"), 1u);
    EXPECT_EQ(StoredText(m_key, u"Passphrase"), u"");
    EXPECT_EQ(StoredText(m_key, u"SharedKey3"), ScrambleKeyText(u"0123456789ABCDEF0123456789"));
    EXPECT_EQ(StoredText(m_key, u"SharedKey1"), u"");

    WirelessProfile back{};
    ReadProfile(m_key, back);
    EXPECT_EQ(back.noPassphrase, 1u);
    EXPECT_EQ(base::FieldText(back.wepPassphrase), u"");
    EXPECT_EQ(back.block.keyFormat, kKeyWep128);
    EXPECT_EQ(back.block.defaultKey, 2u);
    EXPECT_EQ(base::FieldText(back.block.wepKeys[2]), u"0123456789ABCDEF0123456789");
}

TEST_F(ProfileKeyIo, WepProfileFromPassphrase) {
    WirelessProfile p = Record(u"Home");
    p.block.securityFlags = kSecurityWep;
    p.block.keyFormat = kKeyWep64;
    base::CopyToField(p.wepPassphrase, u"my phrase");
    base::CopyToField(p.block.wepKeys[0], u"41192B542A");
    ASSERT_EQ(WriteProfile(m_key, p), 1);
    EXPECT_EQ(StoredText(m_key, u"Passphrase"), u"my phrase"); // plain text for WEP
    EXPECT_EQ(StoredNumber(m_key, u"WEPKeybit"), 0u);

    WirelessProfile back{};
    ReadProfile(m_key, back);
    EXPECT_EQ(back.noPassphrase, 0u);
    EXPECT_EQ(base::FieldText(back.wepPassphrase), u"my phrase");
    EXPECT_EQ(back.block.keyFormat, kKeyWep64);
    EXPECT_EQ(base::FieldText(back.block.wepKeys[0]), u"41192B542A");
}

TEST_F(ProfileKeyIo, RoundTripKeepsEveryStoredField) {
    WirelessProfile p = Record(u"Cafe", u"Cafe WLAN");
    p.block.NetworkConnectType = kNetworkAdHoc;
    p.block.adHocMode = KWL_FLAG_WIRELESS_MODE_802_11G;
    p.block.adHocChannel = 11;
    p.block.securityFlags = kSecurityWpaPskTkip;
    p.block.keyFormat = kKeyPskHex;
    base::CopyToField(p.block.psk, std::u16string(64, u'c'));
    p.block.preamble = kPreambleShort;
    p.block.transmitPower = 0x02;
    p.block.FragThreshold = 1500;
    p.block.RTSThreshold = 900;
    p.wirelessModes = 0x18;
    ASSERT_EQ(WriteProfile(KeyOf(u"Cafe"), p), 1);

    WirelessProfile back{};
    ReadProfile(KeyOf(u"Cafe"), back);
    EXPECT_EQ(base::FieldText(back.ConfigurationName), u"Cafe");
    EXPECT_EQ(base::FieldText(back.NetworkName), u"Cafe WLAN");
    EXPECT_EQ(back.block.NetworkConnectType, kNetworkAdHoc);
    EXPECT_EQ(back.block.adHocMode, KWL_FLAG_WIRELESS_MODE_802_11G);
    EXPECT_EQ(back.block.adHocChannel, 11);
    EXPECT_EQ(back.block.securityFlags, kSecurityWpaPskTkip);
    EXPECT_EQ(back.block.keyFormat, kKeyPskHex);
    EXPECT_EQ(base::FieldText(back.block.psk), std::u16string(64, u'c'));
    EXPECT_EQ(back.block.preamble, kPreambleShort);
    EXPECT_EQ(back.block.transmitPower, 0x02);
    EXPECT_EQ(back.block.FragThreshold, 1500);
    EXPECT_EQ(back.block.RTSThreshold, 900);
    EXPECT_EQ(back.wirelessModes, 0x18u);
    EXPECT_EQ(back.block.band, KWL_FLAG_BAND_2_4G);
    // The service's own bytes come from its defaults, not from the store.
    EXPECT_EQ(back.block.serviceArea[0], 0x5A);
}

TEST_F(ProfileKeyIo, TransmitPowerFollowsTheAdapterScale) {
    WirelessProfile p = Record(u"Home");
    p.block.transmitPower = 0x20;
    m_kernel.adapterConfig.associated = 0; // four levels: 0x20 is level 2
    WriteProfile(m_key, p);
    EXPECT_EQ(StoredNumber(m_key, u"tpc"), 2u);
    m_kernel.adapterConfig.associated = 1; // five levels (a new session): level 2 is 0x04
    Configure();
    WirelessProfile back{};
    ReadProfile(m_key, back);
    EXPECT_EQ(back.block.transmitPower, 0x04);

    // A code the scale lacks is not written, and the old level stays.
    p.block.transmitPower = 0x40;
    WriteProfile(m_key, p);
    EXPECT_EQ(StoredNumber(m_key, u"tpc"), 2u);
    p.block.preamble = 0x33;
    m_kernel.ClearCalls();
    WriteProfile(m_key, p);
    for (const std::u16string& name : WrittenValueNames(m_kernel)) {
        EXPECT_NE(name, u"tpc");
        EXPECT_NE(name, u"shortPreamble");
    }
}

// The member that gives the scale also says whether the adapter is associated: a profile read while
// associated and saved while idle keeps its level.
TEST_F(ProfileKeyIo, PowerScaleIsReadOncePerSession) {
    WirelessProfile p = Record(u"Home");
    p.block.transmitPower = 0x20;
    m_kernel.adapterConfig.associated = 1; // five levels: 0x20 is level 1 (75%)
    WriteProfile(m_key, p);
    ASSERT_EQ(StoredNumber(m_key, u"tpc"), 1u);
    WirelessProfile back{};
    ReadProfile(m_key, back);
    m_kernel.adapterConfig.associated = 0; // the link dropped
    EXPECT_TRUE(FivePowerLevels());
    WriteProfile(m_key, back);
    EXPECT_EQ(StoredNumber(m_key, u"tpc"), 1u);
}

TEST_F(ProfileKeyIo, MissingKeyReadsAsTheDefaultProfile) {
    m_kernel.adapterConfig.fragThresholdMax = 2000;
    m_kernel.adapterConfig.rtsThresholdMax = 2100;
    WirelessProfile p{};
    memset(&p, 0xCD, sizeof p);
    ASSERT_EQ(ReadProfile(KeyOf(u"Nowhere"), p), 1);
    EXPECT_EQ(base::FieldText(p.ConfigurationName), u"Default");
    EXPECT_EQ(base::FieldText(p.NetworkName), u"Any (First available network)");
    EXPECT_EQ(base::FieldText(p.wepPassphrase), u"");
    EXPECT_EQ(p.inUse, 0u);
    EXPECT_EQ(p.priority, 0u);
    EXPECT_EQ(p.block.FragThreshold, 2000);
    EXPECT_EQ(p.block.RTSThreshold, 2100);
    EXPECT_EQ(p.block.band, KWL_FLAG_BAND_2_4G);
    EXPECT_EQ(p.block.securityFlags, kSecurityNone);
    EXPECT_EQ(p.block.transmitPower, kTransmitPowerFull);
    EXPECT_EQ(p.block.preamble, kPreambleAuto);
    EXPECT_EQ(p.wirelessModes, kModeAll);
    EXPECT_EQ(p.block.serviceArea[0], 0x5A);
    EXPECT_EQ(p.block.serviceArea[1], 0);

    // An unreadable key reads the same.
    WriteProfile(m_key, Record(u"Home"));
    m_registry.DenyRead(platform::kHkeyLocalMachine, m_key);
    ReadProfile(m_key, p);
    EXPECT_EQ(base::FieldText(p.ConfigurationName), u"Default");
}

TEST_F(ProfileKeyIo, WrongTypesReadAsMissing) {
    PutDword(m_key, u"ConfigurationName", 7);
    PutDword(m_key, u"NetworkName", 7);
    PutString(m_key, u"WirelessMode", u"12");
    PutString(m_key, u"AdvancedAuthenticationType", u"7");
    PutDword(m_key, u"EncryptionAlg", 6);
    m_registry.WriteValue(platform::kHkeyLocalMachine, m_key, u"tpc", platform::RegValue::Binary({3, 0}));
    m_registry.WriteValue(platform::kHkeyLocalMachine, m_key, u"FragThreshold",
                          platform::RegValue::Binary({1, 2, 3, 4, 5, 6, 7, 8}));
    PutDword(m_key, u"Passphrase", 0x41414141);
    PutDword(m_key, u"SharedKey1", 0x41414141);
    WirelessProfile p{};
    ReadProfile(m_key, p);
    EXPECT_EQ(base::FieldText(p.ConfigurationName), u"Default");
    EXPECT_EQ(base::FieldText(p.NetworkName), u"Any (First available network)");
    EXPECT_EQ(p.wirelessModes, kModeAll);
    EXPECT_EQ(p.block.securityFlags, kSecurityNone);
    EXPECT_EQ(p.block.transmitPower, kTransmitPowerFull);
    EXPECT_EQ(p.block.FragThreshold, m_kernel.adapterConfig.fragThresholdMax);
    EXPECT_EQ(base::FieldText(p.block.psk), u"");
    EXPECT_EQ(base::FieldText(p.block.wepKeys[0]), u"");
}

TEST_F(ProfileKeyIo, OverlongTextsAreCutAndTerminated) {
    PutString(m_key, u"ConfigurationName", std::u16string(300, u'n'));
    PutString(m_key, u"NetworkName", std::u16string(1000, u's'));
    PutDword(m_key, u"AdvancedAuthenticationType", 3);
    PutDword(m_key, u"EncryptionAlg", 1);
    PutString(m_key, u"Passphrase", std::u16string(200, u'p'));
    PutString(m_key, u"SharedKey1", ScrambleKeyText(std::u16string(100, u'k')));
    WirelessProfile p{};
    ReadProfile(m_key, p);
    EXPECT_EQ(base::FieldText(p.ConfigurationName), std::u16string(kProfileNameUnits - 1, u'n'));
    EXPECT_EQ(base::FieldText(p.NetworkName), std::u16string(kNetworkNameUnits - 1, u's'));
    EXPECT_EQ(base::FieldText(p.wepPassphrase), std::u16string(kWepPassphraseUnits - 1, u'p'));
    EXPECT_EQ(base::FieldText(p.block.wepKeys[0]), std::u16string(kWepKeyUnits - 1, u'k'));
    // The neighbouring key slot is untouched by the long key.
    EXPECT_EQ(p.block.wepKeys[1][0], 0);

    PutDword(m_key, u"AdvancedAuthenticationType", 7);
    PutDword(m_key, u"EncryptionAlg", 6);
    PutString(m_key, u"Passphrase", ScrambleKeyText(std::u16string(120, u'w')) + u"9");
    ReadProfile(m_key, p);
    EXPECT_EQ(base::FieldText(p.block.psk), std::u16string(kPskUnits - 1, u'w'));
    EXPECT_EQ(p.block.defaultKey, 0u);
}

// LoadProfileTable reads each key whole onto defaults taken once; what it reads must be exactly what
// ReadProfile reads from the same key, damaged values and value names of another letter case included.
TEST_F(ProfileKeyIo, LoadReadsEveryProfileAsReadProfileDoes) {
    WirelessProfile home = Record(u"Home", u"HomeNet");
    home.block.securityFlags = kSecurityWpa2PskAes;
    home.block.keyFormat = kKeyPskHex;
    base::CopyToField(home.block.psk, std::u16string(64, u'e'));
    home.block.transmitPower = 0x02;
    ASSERT_EQ(WriteProfile(KeyOf(u"Home"), home), 1);
    WirelessProfile cafe = Record(u"Cafe", u"Cafe WLAN");
    cafe.block.NetworkConnectType = kNetworkAdHoc;
    cafe.block.adHocChannel = 14;
    cafe.block.securityFlags = kSecurityWep;
    cafe.block.keyFormat = kKeyWep64;
    base::CopyToField(cafe.wepPassphrase, u"phrase");
    base::CopyToField(cafe.block.wepKeys[3], u"41192B542A");
    cafe.block.defaultKey = 3;
    ASSERT_EQ(WriteProfile(KeyOf(u"Cafe"), cafe), 1);
    // Written by hand: names in other letter cases, wrong types, an overlong text.
    const std::u16string odd = KeyOf(u"Odd");
    PutString(odd, u"configurationname", u"Odd");
    PutString(odd, u"NETWORKNAME", std::u16string(400, u'n'));
    PutString(odd, u"WirelessMode", u"12");
    PutDword(odd, u"Tpc", 3);
    PutDword(odd, u"advancedauthenticationtype", 7);
    PutDword(odd, u"EncryptionAlg", 6);
    m_registry.WriteValue(platform::kHkeyLocalMachine, odd, u"HexEntryPp",
                          platform::RegValue::Binary({1, 0, 0, 0}));
    PutString(odd, u"Passphrase", ScrambleKeyText(u"secret"));
    m_registry.WriteValue(platform::kHkeyLocalMachine, odd, u"RTSThreshold",
                          platform::RegValue::Binary({1, 2}));

    ASSERT_EQ(LoadProfileTable(0), 3);
    for (size_t slot = 1; slot <= 3; ++slot) {
        std::u16string name(base::FieldText(ProfileTable[slot].ConfigurationName));
        SCOPED_TRACE(base::NarrowForLog(name));
        WirelessProfile alone{};
        ReadProfile(KeyOf(name), alone);
        alone.priority = ProfileTable[slot].priority;
        EXPECT_EQ(0, memcmp(&alone, &ProfileTable[slot], sizeof alone));
    }
    WirelessProfile back{};
    ReadProfile(odd, back);
    EXPECT_EQ(base::FieldText(back.NetworkName), std::u16string(kNetworkNameUnits - 1, u'n'));
    EXPECT_EQ(back.wirelessModes, kModeAll);
    EXPECT_EQ(back.block.transmitPower, 0x02);
    EXPECT_EQ(back.block.securityFlags, kSecurityWpa2PskAes);
    EXPECT_EQ(back.block.keyFormat, kKeyPskAscii); // a binary HexEntryPp reads as absent
    EXPECT_EQ(base::FieldText(back.block.psk), u"secret");
    EXPECT_EQ(back.block.RTSThreshold, m_kernel.adapterConfig.rtsThresholdMax);

    // Read alone, a profile still takes the adapter's limits as they are now.
    m_kernel.adapterConfig.rtsThresholdMax = 1111;
    ReadProfile(odd, back);
    EXPECT_EQ(back.block.RTSThreshold, 1111);
}

TEST_F(ProfileKeyIo, FailedWriteIsReported) {
    m_registry.FailWrites(platform::kHkeyLocalMachine, m_key, platform::kErrorAccessDenied);
    EXPECT_EQ(WriteProfile(m_key, Record(u"Home")), 0);

    ResetProfileStore(); // no service library at all
    EXPECT_EQ(WriteProfile(KeyOf(u"Other"), Record(u"Other")), 0);
    WirelessProfile p{};
    EXPECT_EQ(ReadProfile(KeyOf(u"Other"), p), 1);
    EXPECT_EQ(base::FieldText(p.ConfigurationName), u"Default");
}

} // namespace
} // namespace profiles::testing
