#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "base/IniFile.h"
#include "base/Text.h"
#include "drvseed/DrvSeedSettings.h"

namespace drvseed {
namespace {

using testing::TempFolder;

class DrvSeedSettingsTest : public ::testing::Test {
protected:
    DrvSeedSettings Write(const std::string& text) {
        m_folder.Write("DrvSeed_Product.ini", text);
        base::IniFile::ClearCache();
        return DrvSeedSettings(m_folder.File("DrvSeed_Product.ini"));
    }
    TempFolder m_folder;
};

TEST_F(DrvSeedSettingsTest, RegionFallsBackToDefaultAndIsCut) {
    auto settings = Write("[Region]\nDefault=1\nEU=7\nUS=\nLONG=" + std::string(80, 'x') + "\n");
    EXPECT_EQ(settings.RegionString(u"EU"), u"7");
    EXPECT_EQ(settings.RegionString(u"eu"), u"7");
    EXPECT_EQ(settings.RegionString(u"US"), u"1"); // present but empty
    EXPECT_EQ(settings.RegionString(u"XX"), u"1");
    EXPECT_EQ(settings.RegionString(u"LONG"), std::u16string(63, u'x'));
}

TEST_F(DrvSeedSettingsTest, WaitingMessageFallsBackOnlyWhenTheKeyIsMissing) {
    auto settings = Write("[Language]\n0=Insert it\n1=Bitte einstecken\n2=\n");
    EXPECT_EQ(settings.WaitingMessage(u"1"), u"Bitte einstecken");
    EXPECT_EQ(settings.WaitingMessage(u"-0"), u"Insert it");
    EXPECT_EQ(settings.WaitingMessage(u"2"), u"");
}

TEST_F(DrvSeedSettingsTest, ListsEndAtTheFirstEntryWithAnEmptyField) {
    auto settings = Write("[DriverData_1]\nData_Name=A\nData_Type=REG_SZ\nData_Value=1\n"
                          "[DriverData_2]\nData_Name=B\nData_Type=REG_DWORD\nData_Value=2\n"
                          "[DriverData_3]\nData_Name=\nData_Type=REG_SZ\nData_Value=3\n"
                          "[DriverData_4]\nData_Name=D\nData_Type=REG_SZ\nData_Value=4\n"
                          "[RegistryData_Between_Restart_Card_1]\nData_Root=HKEY_CURRENT_USER\nData_Key=K\n"
                          "Data_Name=N\nData_Type=REG_SZ\nData_Value=V\n"
                          "[RegistryData_Between_Restart_Card_2]\nData_Root=HKEY_CURRENT_USER\nData_Key=K\n"
                          "Data_Name=N2\nData_Type=REG_SZ\n"
                          "[RegistryData_Between_Restart_Card_3]\nData_Root=HKEY_CURRENT_USER\nData_Key=K\n"
                          "Data_Name=N3\nData_Type=REG_SZ\nData_Value=V3\n");
    auto values = settings.DriverValues();
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[1].name, u"B");
    EXPECT_EQ(values[1].type, u"REG_DWORD");
    EXPECT_EQ(values[1].value, u"2");
    auto restart = settings.RestartValues();
    ASSERT_EQ(restart.size(), 1u);
    EXPECT_EQ(restart[0].root, u"HKEY_CURRENT_USER");
    EXPECT_EQ(restart[0].key, u"K");
}

TEST_F(DrvSeedSettingsTest, ListsStopAfterTenEntries) {
    std::string text;
    for (int i = 1; i <= 11; ++i) {
        text += "[DriverData_" + std::to_string(i) + "]\nData_Name=N" + std::to_string(i) +
                "\nData_Type=REG_SZ\nData_Value=v\n";
    }
    auto values = Write(text).DriverValues();
    ASSERT_EQ(values.size(), 10u);
    EXPECT_EQ(values.back().name, u"N10");
}

TEST_F(DrvSeedSettingsTest, MissingFileReadsAsEmpty) {
    DrvSeedSettings settings(m_folder.File("absent.ini"));
    EXPECT_EQ(settings.RegionString(u"EU"), u"");
    EXPECT_EQ(settings.RegionValueName(), u"");
    EXPECT_EQ(settings.Model(), u"");
    EXPECT_EQ(settings.Title(), u"");
    EXPECT_EQ(settings.WaitingMessage(u"0"), u"");
    EXPECT_TRUE(settings.DriverValues().empty());
    EXPECT_TRUE(settings.RestartValues().empty());
}

TEST(DrvSeedProductIni, ShipsEuAndAWaitingMessageForEveryLanguage) {
    DrvSeedSettings settings(std::filesystem::path(KT_SOURCE_DIR "/data/DrvSeed_Product.ini").u16string());
    EXPECT_FALSE(settings.RegionString(u"EU").empty());
    EXPECT_EQ(settings.Model(), u"KTVA7700v2");
    EXPECT_FALSE(settings.RegionValueName().empty());
    std::u16string english = settings.WaitingMessage(u"0");
    EXPECT_FALSE(english.empty());
    // The 24 language numbers of the program, each with its own text (non-Latin ones included).
    for (int language = 1; language < 24; ++language) {
        std::u16string text = settings.WaitingMessage(base::Widen(std::to_string(language)));
        EXPECT_FALSE(text.empty()) << language;
        EXPECT_NE(text, english) << language;
    }
    EXPECT_NE(settings.WaitingMessage(u"12").find(u'\u041F'), std::u16string::npos); // Cyrillic survives
}

} // namespace
} // namespace drvseed
