#include "app/AppSettings.h"
#include "AppTestSupport.h"
#include "base/Text.h"

using apptest::AppTest;
using apptest::kAppKey;

class AppSettings : public AppTest {};

TEST_F(AppSettings, GetAppValueReadsAtMost127UnitsAndReportsMissingValues) {
    Store(u"FirstRun", u"255");
    Store(u"Long", std::u16string(300, u'x'));
    std::u16string text = u"stale";
    EXPECT_EQ(GetAppValue(u"FirstRun", text), 0);
    EXPECT_EQ(text, u"255");
    EXPECT_EQ(GetAppValue(u"Long", text), 0);
    EXPECT_EQ(text.size(), 127u);
    text = u"stale";
    EXPECT_EQ(GetAppValue(u"Missing", text), platform::kErrorFileNotFound);
    EXPECT_EQ(text, u"") << "a failed read must leave the output empty";
    EXPECT_EQ(kernel.CountCalls(u"GrantKeyAccess"), 0u) << "no probe call while the key is readable";
}

TEST_F(AppSettings, DeniedKeyIsOpenedUpThroughTheLibraryBeforeTheRead) {
    Store(u"Language", u"3");
    registry.DenyRead(platform::kHkeyLocalMachine, kAppKey);
    std::u16string text;
    EXPECT_EQ(GetAppValue(u"Language", text), 0);
    EXPECT_EQ(text, u"3");
    auto calls = kernel.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], u"GrantKeyAccess Software\\Orvelin");
    EXPECT_EQ(calls[1], u"GrantKeyAccess Software\\Orvelin\\KTA7700");
    EXPECT_EQ(calls[2], u"GrantKeyAccess Software\\Orvelin\\KTA7700\\LastConnectProfile");
}

TEST_F(AppSettings, SetAppValueWritesThroughRegSetStringAndReportsFailure) {
    EXPECT_NE(SetAppValue(u"FirstRun", u"255"), 0);
    EXPECT_EQ(kernel.Calls().back(), u"RegSetString Software\\Orvelin\\KTA7700|FirstRun|255");
    EXPECT_EQ(Stored(u"FirstRun"), u"255");

    registry.FailWrites(platform::kHkeyLocalMachine, kAppKey, platform::kErrorAccessDenied);
    EXPECT_EQ(SetAppValue(u"FirstRun", u"0"), 0) << "a failed write must not be reported as written";

    g_pnKernel = nullptr;
    EXPECT_EQ(SetAppValue(u"FirstRun", u"0"), 0);
}

TEST_F(AppSettings, PlainReadsOfOtherKeys) {
    const std::u16string key = u"SOFTWARE\\Orvelin\\CustomParams\\Profiles\\00";
    registry.WriteDword(platform::kHkeyLocalMachine, key, u"tpc", 4);
    registry.WriteString(platform::kHkeyLocalMachine, key, u"ConfigurationName", std::u16string(400, u'n'));
    uint32_t number = 99;
    EXPECT_EQ(ReadDwordValue(u"tpc", number, key), 1);
    EXPECT_EQ(number, 4u);
    EXPECT_EQ(ReadDwordValue(u"ConfigurationName", number, key), 0) << "a string is no DWORD";
    std::u16string text;
    EXPECT_EQ(ReadStringValue(u"ConfigurationName", text, key), 1);
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(ReadStringValue(u"Missing", text, key), 0);
}

TEST_F(AppSettings, AutoConfigurationOnVistaReadsTheSetting) {
    OsClass = kOsVista64;
    Store(u"AutoConfiguration", u"2");
    EXPECT_TRUE(AutoConfigurationState());
    Store(u"AutoConfiguration", u"4");
    EXPECT_FALSE(AutoConfigurationState());
    Store(u"AutoConfiguration", u"2 ");
    EXPECT_FALSE(AutoConfigurationState()) << "exactly \"2\"";
    EXPECT_EQ(kernel.CountCalls(u"RegSetString"), 0u);
}

TEST_F(AppSettings, AutoConfigurationElsewhereWritesTheFlag) {
    OsClass = kOsXp;
    g_bZeroConfig = true;
    EXPECT_TRUE(AutoConfigurationState());
    EXPECT_EQ(Stored(u"AutoConfiguration"), u"2");
    g_bZeroConfig = false;
    EXPECT_FALSE(AutoConfigurationState());
    EXPECT_EQ(Stored(u"AutoConfiguration"), u"4");
}

TEST_F(AppSettings, RegionTable) {
    const uint32_t expected[] = {0x8000, 0x200, 0x80, 1,  0x10, 0x4000, 0x800,  4,  8, 1,
                                 0x2000, 1,     1,    22, 17,   18,     0x1000, 19, 20};
    for (int domain = 0; domain < 19; ++domain) {
        ASSERT_TRUE(RegionCodeFor(domain).has_value()) << domain;
        EXPECT_EQ(*RegionCodeFor(domain), expected[domain]) << "CountryDomain " << domain;
    }
    EXPECT_FALSE(RegionCodeFor(19).has_value());
    EXPECT_FALSE(RegionCodeFor(-1).has_value());
}

TEST_F(AppSettings, ApplyRegionPassesTheCodeAndRefreshesStateOnlyForNine) {
    Store(u"CountryDomain", u"13");
    ApplyRegionSetting();
    EXPECT_EQ(kernel.Calls(), std::vector<std::u16string>{u"SetRegionCode 22"});

    kernel.ClearCalls();
    Store(u"CountryDomain", u"9");
    ApplyRegionSetting();
    auto calls = kernel.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].rfind(u"ReadAdapterState", 0), 0u);
    EXPECT_EQ(calls[1], u"SetRegionCode 1");

    for (const char16_t* unlisted : {u"", u"19", u"-2", u"abc"}) {
        kernel.ClearCalls();
        Store(u"CountryDomain", unlisted);
        ApplyRegionSetting();
        EXPECT_TRUE(kernel.Calls().empty()) << "CountryDomain \"" << base::NarrowForLog(unlisted) << "\"";
    }
}
