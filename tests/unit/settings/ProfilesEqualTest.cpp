// What counts as a changed profile: every setting the Settings tab and its dialogs edit tells two
// records apart, while what the program never shows (bookkeeping fields, the service's own bytes, the
// leftovers behind a text's terminator, the ad-hoc mode of an access-point profile) does not.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/Text.h"
#include "profiles/ProfilesEqual.h"

namespace {

using kernel::WirelessProfile;

struct Change {
    const char* what;
    std::function<void(WirelessProfile&)> apply;
};

// A WEP ad-hoc profile with every compared field holding something.
WirelessProfile Sample() {
    WirelessProfile p{};
    base::CopyToField(p.ConfigurationName, u"Office");
    base::CopyToField(p.NetworkName, u"office-net");
    base::CopyToField(p.wepPassphrase, u"open sesame");
    p.noPassphrase = 0;
    p.block.NetworkConnectType = kernel::kNetworkAdHoc;
    p.block.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_802_11G;
    p.wirelessModes = kernel::kMode300G | kernel::kMode54G;
    p.block.securityFlags = kernel::kSecurityWep;
    p.block.keyFormat = kernel::kKeyWep128;
    p.block.defaultKey = 1;
    base::CopyToField(p.block.wepKeys[0], u"11111111111111111111111111");
    base::CopyToField(p.block.wepKeys[1], u"22222222222222222222222222");
    base::CopyToField(p.block.wepKeys[2], u"33333333333333333333333333");
    base::CopyToField(p.block.wepKeys[3], u"44444444444444444444444444");
    base::CopyToField(p.block.psk, u"unused psk");
    p.block.transmitPower = kernel::kTransmitPowerFull;
    p.block.preamble = kernel::kPreambleAuto;
    p.block.FragThreshold = 2346;
    p.block.RTSThreshold = 2347;
    return p;
}

unsigned char* Bytes(WirelessProfile& p) {
    return reinterpret_cast<unsigned char*>(&p);
}

void Check(const std::vector<Change>& changes, bool stillEqual) {
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        WirelessProfile a = Sample();
        WirelessProfile b = Sample();
        change.apply(b);
        EXPECT_EQ(profiles::ProfilesEqual(a, b), stillEqual);
        EXPECT_EQ(profiles::ProfilesEqual(b, a), stillEqual) << "the comparison is symmetric";
    }
}

} // namespace

TEST(ProfilesEqual, ARecordEqualsItsCopy) {
    WirelessProfile a = Sample();
    WirelessProfile b = a;
    EXPECT_TRUE(profiles::ProfilesEqual(a, b));
    WirelessProfile empty{};
    EXPECT_TRUE(profiles::ProfilesEqual(empty, WirelessProfile{}));
    EXPECT_FALSE(profiles::ProfilesEqual(a, empty));
}

TEST(ProfilesEqual, EveryEditedSettingTellsRecordsApart) {
    Check(
        {
            {"name", [](WirelessProfile& p) { base::CopyToField(p.ConfigurationName, u"Office2"); }},
            {"name, letter case",
             [](WirelessProfile& p) { base::CopyToField(p.ConfigurationName, u"office"); }},
            {"network name", [](WirelessProfile& p) { base::CopyToField(p.NetworkName, u"office-net "); }},
            {"network type",
             [](WirelessProfile& p) { p.block.NetworkConnectType = kernel::kNetworkInfrastructure; }},
            {"wireless modes", [](WirelessProfile& p) { p.wirelessModes = kernel::kMode300G; }},
            {"ad-hoc mode of an ad-hoc network",
             [](WirelessProfile& p) { p.block.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_802_11B; }},
            {"transmit power", [](WirelessProfile& p) { p.block.transmitPower = 0x40; }},
            {"preamble", [](WirelessProfile& p) { p.block.preamble = kernel::kPreambleShort; }},
            {"byte after the preamble", [](WirelessProfile& p) { p.block.reserved1593 = 1; }},
            {"fragmentation threshold", [](WirelessProfile& p) { p.block.FragThreshold = 256; }},
            {"RTS threshold, high byte", [](WirelessProfile& p) { p.block.RTSThreshold ^= 0x100; }},
            {"first byte of the compared run", [](WirelessProfile& p) { Bytes(p)[1852] ^= 1; }},
            {"last byte of the compared run", [](WirelessProfile& p) { Bytes(p)[1865] ^= 1; }},
            {"security", [](WirelessProfile& p) { p.block.securityFlags = kernel::kSecurityNone; }},
            {"no-passphrase flag", [](WirelessProfile& p) { p.noPassphrase = 1; }},
            {"WEP passphrase",
             [](WirelessProfile& p) { base::CopyToField(p.wepPassphrase, u"open sesame!"); }},
            {"key number alone (passphrase mode)", [](WirelessProfile& p) { p.block.defaultKey = 2; }},
            {"WEP key 1", [](WirelessProfile& p) { p.block.wepKeys[0][25] = u'0'; }},
            {"WEP key 4", [](WirelessProfile& p) { base::CopyToField(p.block.wepKeys[3], u"4444"); }},
            {"PSK", [](WirelessProfile& p) { base::CopyToField(p.block.psk, u"unused ps"); }},
            {"emptied PSK", [](WirelessProfile& p) { base::CopyToField(p.block.psk, u""); }},
        },
        false);
}

TEST(ProfilesEqual, WhatTheProgramNeverShowsDoesNotCount) {
    Check(
        {
            {"in-use flag", [](WirelessProfile& p) { p.inUse = 1; }},
            {"priority", [](WirelessProfile& p) { p.priority = 7; }},
            {"connection SSID", [](WirelessProfile& p) { base::CopyToField(p.block.ssid, u"other"); }},
            {"key format", [](WirelessProfile& p) { p.block.keyFormat = kernel::kKeyWep64; }},
            {"service byte before the compared run", [](WirelessProfile& p) { Bytes(p)[1851] ^= 1; }},
            {"service byte after the compared run", [](WirelessProfile& p) { Bytes(p)[1866] ^= 1; }},
            {"service byte at the end of the block", [](WirelessProfile& p) { Bytes(p)[1895] ^= 1; }},
            {"stale units behind the name", [](WirelessProfile& p) { p.ConfigurationName[40] = u'x'; }},
            {"stale units behind the network name", [](WirelessProfile& p) { p.NetworkName[255] = u'x'; }},
            {"stale units behind the WEP passphrase", [](WirelessProfile& p) { p.wepPassphrase[63] = u'x'; }},
            {"stale units behind a WEP key", [](WirelessProfile& p) { p.block.wepKeys[2][30] = u'x'; }},
            {"stale units behind the PSK",
             [](WirelessProfile& p) {
                 std::memset(&p.block.psk[12], 0x41, sizeof p.block.psk - 12 * sizeof(char16_t));
             }},
        },
        true);
}

TEST(ProfilesEqual, TheAdHocModeOfAnAccessPointProfileDoesNotCount) {
    WirelessProfile a = Sample();
    a.block.NetworkConnectType = kernel::kNetworkInfrastructure;
    WirelessProfile b = a;
    b.block.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_AUTO_N;
    EXPECT_TRUE(profiles::ProfilesEqual(a, b));
    // Once either record is an ad-hoc one the types differ anyway, and that counts.
    b.block.NetworkConnectType = kernel::kNetworkAdHoc;
    EXPECT_FALSE(profiles::ProfilesEqual(a, b));
}

TEST(ProfilesEqual, TextsFillingTheirWholeFieldAreComparedToTheirLastUnit) {
    WirelessProfile a = Sample();
    for (char16_t& unit : a.ConfigurationName) {
        unit = u'n';
    }
    for (char16_t& unit : a.block.psk) {
        unit = u'p';
    }
    WirelessProfile b = a;
    EXPECT_TRUE(profiles::ProfilesEqual(a, b)) << "a text without terminator ends with its field";
    b.ConfigurationName[kernel::kProfileNameUnits - 1] = u'm';
    EXPECT_FALSE(profiles::ProfilesEqual(a, b));
    b = a;
    b.block.psk[kernel::kPskUnits - 1] = 0;
    EXPECT_FALSE(profiles::ProfilesEqual(a, b)) << "one unit shorter";
}
