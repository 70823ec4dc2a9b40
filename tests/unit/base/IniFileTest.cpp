#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "base/Encoding.h"
#include "base/IniFile.h"

using base::IniFile;
namespace fs = std::filesystem;

namespace {

class IniFileTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("kt_ini_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
        IniFile::ClearCache();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::u16string Write(const std::string& name, const std::string& bytes) {
        fs::path p = m_dir / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return base::Utf8ToUtf16(p.string());
    }
    std::u16string PathOf(const std::string& name) { return base::Utf8ToUtf16((m_dir / name).string()); }

    fs::path m_dir;
};

} // namespace

TEST_F(IniFileTest, NamesFoldOnlyAsciiLettersAndSectionNamesAreTrimmed) {
    auto path = Write("fold.ini", "\xEF\xBB\xBF[ Über ]\n\xC3\x84k=umlaut\nÄK=second\n");
    EXPECT_EQ(IniFile::GetString(path, u"Über", u"Äk", u"d"), u"umlaut");
    EXPECT_EQ(IniFile::GetString(path, u" Über ", u"ÄK", u"d"), u"umlaut");
    EXPECT_EQ(IniFile::GetString(path, u"über", u"Äk", u"d"), u"d");
    EXPECT_EQ(IniFile::GetString(path, u"Über", u"äk", u"d"), u"d");
}

TEST_F(IniFileTest, SectionsAndKeysIgnoreCaseAndTheFirstMatchWins) {
    auto path = Write("a.lng", "[MAIN]\r\nMainTitle=First\r\nmaintitle=Second\r\n[main]\r\nOther=x\r\n");
    EXPECT_EQ(IniFile::GetString(path, u"main", u"MAINTITLE", u"d"), u"First");
    // Only the first section of a name is searched, so a key of a later duplicate is not found.
    EXPECT_EQ(IniFile::GetString(path, u"MAIN", u"Other", u"dflt"), u"dflt");
}

TEST_F(IniFileTest, WhiteSpaceAndQuotesAsThePlatformTreatsThem) {
    auto path = Write("b.ini", "  [S]  \n"
                               "  key  =   value with  inner  blanks   \n"
                               "q1=\"  quoted  \"\n"
                               "q2='single'\n"
                               "q3=\"unbalanced\n"
                               "q4=\"\n"
                               "q5=\"mixed'\n"
                               "empty=\n"
                               "noequals\n"
                               "=nameless\n");
    EXPECT_EQ(IniFile::GetString(path, u" S ", u" key ", u""), u"value with  inner  blanks");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"q1", u""), u"  quoted  ");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"q2", u""), u"single");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"q3", u""), u"\"unbalanced");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"q4", u""), u"\"");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"q5", u""), u"\"mixed'");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"empty", u"dflt"), u"");
    // A line without '=' is a key without a value: the default answers.
    EXPECT_EQ(IniFile::GetString(path, u"S", u"noequals", u"dflt"), u"dflt");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"", u"dflt"), u"nameless");
}

TEST_F(IniFileTest, ResultIsCutToSizeMinusOneAndTheLengthReturned) {
    auto path = Write("c.ini", "[S]\nk=abcdef\nq=\"abcdef\"\n");
    char16_t buffer[8];
    for (auto& c : buffer) {
        c = u'#';
    }
    EXPECT_EQ(IniFile::GetString(path, u"S", u"k", u"", buffer, 4), 3u);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(buffer[4], u'#') << "wrote past the buffer";
    EXPECT_EQ(IniFile::GetString(path, u"S", u"k", u"", buffer, 1), 0u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(IniFile::GetString(path, u"S", u"k", u"", buffer, 2), 1u);
    EXPECT_EQ(std::u16string(buffer), u"a");
    // A quoted value cut inside the quotes keeps what fits; the closing quote goes only when it fits.
    EXPECT_EQ(IniFile::GetString(path, u"S", u"q", u"", buffer, 4), 3u);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"q", u"", buffer, 8), 6u);
    EXPECT_EQ(std::u16string(buffer), u"abcdef");
    // A buffer exactly as long as the text after the opening quote: the closing quote is already cut,
    // and the platform still drops one unit, so we do too.
    EXPECT_EQ(IniFile::GetString(path, u"S", u"q", u"", buffer, 7), 5u);
    EXPECT_EQ(std::u16string(buffer), u"abcde");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"k", u"", buffer, 0), 0u);
}

TEST_F(IniFileTest, DefaultsLoseTrailingBlanksAndQuotesOnlyWhenTheFolderExists) {
    auto missingFile = PathOf("none.ini");
    EXPECT_EQ(IniFile::GetString(missingFile, u"S", u"k", u"\"dflt\"  "), u"dflt");
    EXPECT_EQ(IniFile::GetString(missingFile, u"S", u"k", u"   "), u" ");
    auto missingFolder = PathOf("nofolder/none.ini");
    EXPECT_EQ(IniFile::GetString(missingFolder, u"S", u"k", u"\"dflt\"  "), u"\"dflt\"");
}

TEST_F(IniFileTest, EncodingsByByteOrderMark) {
    std::string utf16le = "\xFF\xFE";
    for (char16_t c : std::u16string(u"[S]\r\nk=Grüße Привет\r\n")) {
        utf16le.push_back(static_cast<char>(c & 0xFF));
        utf16le.push_back(static_cast<char>(c >> 8));
    }
    EXPECT_EQ(IniFile::GetString(Write("le.ini", utf16le), u"s", u"K", u""), u"Grüße Привет");
    EXPECT_EQ(IniFile::GetString(Write("u8.ini", "\xEF\xBB\xBF[S]\nk=Grüße\n"), u"S", u"k", u""), u"Grüße");
    // Without a mark the bytes are the ANSI code page: UTF-8 bytes come out as two characters each.
    EXPECT_EQ(IniFile::GetString(Write("ansi.ini", "[S]\nk=Gr\xFC\xDF"
                                                   "e \x80\n"),
                                 u"S", u"k", u""),
              u"Grüße €");
    EXPECT_EQ(IniFile::GetString(Write("raw8.ini", "[S]\nk=\xC3\xBC\n"), u"S", u"k", u""), u"Ã¼");
}

TEST_F(IniFileTest, SectionNamesAndValuesEndAtAZeroUnit) {
    std::string bytes = "[S]\nk=ab";
    bytes.push_back('\0');
    bytes += "cd\n";
    EXPECT_EQ(IniFile::GetString(Write("z.ini", bytes), u"S", u"k", u""), u"ab");
}

TEST_F(IniFileTest, RepeatedLookupsReadTheFileOnceAndAChangeIsSeen) {
    auto path = Write("cache.ini", "[S]\nk=one\n");
    uint64_t before = IniFile::DiskReads();
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(IniFile::GetString(path, u"S", u"k", u""), u"one");
    }
    EXPECT_EQ(IniFile::DiskReads() - before, 1u);
    Write("cache.ini", "[S]\nk=second\n"); // another size, so seen even within the same clock tick
    EXPECT_EQ(IniFile::GetString(path, u"S", u"k", u""), u"second");
    EXPECT_EQ(IniFile::DiskReads() - before, 2u);
}

TEST_F(IniFileTest, BinaryTruncatedAndHugeInputsNeverCrash) {
    std::mt19937 random(7);
    std::string garbage;
    for (int i = 0; i < 100000; ++i) {
        garbage.push_back(static_cast<char>(random()));
    }
    auto path = Write("bin.ini", garbage);
    EXPECT_EQ(IniFile::GetString(path, u"none", u"none", u"d"), u"d");
    EXPECT_EQ(IniFile::GetString(Write("empty.ini", ""), u"S", u"k", u"d"), u"d");
    EXPECT_EQ(IniFile::GetString(Write("trunc.ini", "\xFF\xFE["), u"S", u"k", u"d"), u"d");
    std::string longLine = "[S]\nk=" + std::string(300000, 'x') + "\n";
    auto longPath = Write("long.ini", longLine);
    EXPECT_EQ(IniFile::GetString(longPath, u"S", u"k", u"", 256).size(), 255u);
    EXPECT_EQ(IniFile::GetString(longPath, u"S", u"k", u"", 400000).size(), 300000u);
}

TEST_F(IniFileTest, KeysBeforeTheFirstSectionBelongToTheNamelessSection) {
    auto path = Write("pre.ini", "k=top\n[]\nk=later\n[S]\nk=s\n");
    EXPECT_EQ(IniFile::GetString(path, u"", u"k", u""), u"top");
    EXPECT_EQ(IniFile::GetString(path, u"S", u"k", u""), u"s");
}
