// The rules a delivered network goes through before the wizard keeps it.
#include <gtest/gtest.h>

#include <cstring>

#include "base/Text.h"
#include "wps/WpsResult.h"

namespace {

kernel::WirelessProfile WepResult(std::u16string_view key, uint32_t index, uint32_t flags) {
    kernel::WirelessProfile profile{};
    profile.block.securityFlags = flags;
    profile.block.defaultKey = index;
    profile.block.keyFormat = 0x77;
    if (index < 4) {
        base::CopyToField(profile.block.wepKeys[index], key);
    }
    return profile;
}

TEST(WpsResult, SecurityFlagsBecomeOneOfTheProfileKinds) {
    EXPECT_EQ(wps::PushButtonSecurity(0x100008), 0x200008u);
    EXPECT_EQ(wps::PushButtonSecurity(0x10000C), 0x200008u);
    EXPECT_EQ(wps::PushButtonSecurity(0x100002), 0x100004u);
    EXPECT_EQ(wps::PushButtonSecurity(0x300004), 0x200008u);
    EXPECT_EQ(wps::PushButtonSecurity(0x40002), 0x40002u);
    EXPECT_EQ(wps::PinSecurity(0x100008), 0x100004u);
    EXPECT_EQ(wps::PinSecurity(0x200004), 0x200008u);
    EXPECT_EQ(wps::PinSecurity(0x10001), 0x10001u);
}

TEST(WpsResult, WepKeysOfFiveOrThirteenCharactersBecomeHexadecimal) {
    kernel::WirelessProfile five = WepResult(u"abcde", 1, 0x20002);
    wps::ApplyWepResult(five);
    EXPECT_EQ(base::FieldText(five.block.wepKeys[1]), u"6162636465");
    EXPECT_EQ(five.block.keyFormat, 256u);
    EXPECT_EQ(five.block.securityFlags, 0x40002u);
    EXPECT_EQ(five.noPassphrase, 1u);

    kernel::WirelessProfile thirteen = WepResult(u"abcdefghijklm", 3, 0x2);
    wps::ApplyWepResult(thirteen);
    EXPECT_EQ(base::FieldText(thirteen.block.wepKeys[3]), u"6162636465666768696A6B6C6D");
    EXPECT_EQ(thirteen.block.keyFormat, 512u);
    EXPECT_EQ(thirteen.block.securityFlags, 0x40002u);

    kernel::WirelessProfile ten = WepResult(u"0123456789", 0, 0x40002);
    wps::ApplyWepResult(ten);
    EXPECT_EQ(base::FieldText(ten.block.wepKeys[0]), u"0123456789");
    EXPECT_EQ(ten.block.keyFormat, 0x77u);
    EXPECT_EQ(ten.block.securityFlags, 0x40002u);
}

TEST(WpsResult, AKeyIndexOutsideTheTableConvertsNothing) {
    kernel::WirelessProfile profile = WepResult(u"", 4, 0x2);
    base::CopyToField(profile.block.wepKeys[0], u"abcde");
    const kernel::WirelessProfile before = profile;
    wps::ApplyWepResult(profile);
    EXPECT_EQ(std::memcmp(profile.block.wepKeys, before.block.wepKeys, sizeof(before.block.wepKeys)), 0);
    EXPECT_EQ(profile.block.keyFormat, 0x77u);
    EXPECT_EQ(profile.noPassphrase, 1u);

    kernel::WirelessProfile notWep = WepResult(u"abcde", 0, 0x100004);
    wps::ApplyWepResult(notWep);
    EXPECT_EQ(base::FieldText(notWep.block.wepKeys[0]), u"abcde");
    EXPECT_EQ(notWep.noPassphrase, 0u);
}

TEST(WpsResult, OnlyASuccessfulCallWithANameIsUsable) {
    kernel::ConnectionBlock block{};
    EXPECT_FALSE(wps::ResultUsable(1, block));
    base::CopyToField(block.ssid, u"Home");
    EXPECT_TRUE(wps::ResultUsable(1, block));
    EXPECT_FALSE(wps::ResultUsable(0, block));
}

TEST(WpsResult, UnterminatedTextsAreCutAtTheirField) {
    kernel::ConnectionBlock block{};
    std::fill(std::begin(block.ssid), std::end(block.ssid), u'S');
    std::fill(std::begin(block.psk), std::end(block.psk), u'P');
    std::fill(std::begin(block.wepKeys[2]), std::end(block.wepKeys[2]), u'K');
    wps::TerminateResultTexts(block);
    EXPECT_EQ(base::FieldText(block.ssid), std::u16string(33, u'S'));
    EXPECT_EQ(base::FieldText(block.psk), std::u16string(65, u'P'));
    EXPECT_EQ(base::FieldText(block.wepKeys[2]), std::u16string(33, u'K'));
}

TEST(WpsResult, TheScanListDecides80211nByTheExactName) {
    kernel::BssEntry office{};
    base::CopyToField(office.ssid, u"Office");
    office.capabilities = kernel::kCap80211n;
    kernel::BssEntry plain{};
    base::CopyToField(plain.ssid, u"Home");
    EXPECT_TRUE(wps::ScanListOffersN({plain, office}, u"Office"));
    EXPECT_FALSE(wps::ScanListOffersN({plain, office}, u"office"));
    EXPECT_FALSE(wps::ScanListOffersN({plain, office}, u"Home"));
}

TEST(WpsResult, TraceLinesNameBandAndFirstMatchingMode) {
    kernel::ConnectionBlock block{};
    block.NetworkConnectType = 1;
    block.band = kernel::KWL_FLAG_BAND_5G;
    block.adHocMode = 0x0404;
    base::CopyToField(block.psk, u"phrase");
    block.defaultKey = 2;
    EXPECT_EQ(wps::ResultTraceLines(block),
              (std::vector<std::u16string>{u"NetworkConnectType = 1 (Adhoc = 1/INFRASTRUCTURE = 0), ",
                                           u"KWL_FLAG_BAND_5G", u"KWL_FLAG_WIRELESS_MODE_802_11A",
                                           u"WEP Passphrase = phrase", u"WEP key index = 2"}));
    block.adHocMode = 0x8080;
    block.band = kernel::KWL_FLAG_BAND_AUTO;
    EXPECT_EQ(wps::ResultTraceLines(block)[1], u"KWL_FLAG_BAND_AUTO");
    EXPECT_EQ(wps::ResultTraceLines(block)[2], u"KWL_FLAG_WIRELESS_MODE_AUTO");
    block.adHocMode = 0;
    EXPECT_EQ(wps::ResultTraceLines(block)[2], u"KWL_FLAG_WIRELESS_MODE_UNKNOWN");
}

} // namespace
