#include <gtest/gtest.h>

#include "base/Format.h"

using namespace base;

TEST(Format, PatternsOfTheProgram) {
    const uint8_t mac[6] = {0x00, 0x1a, 0x2B, 0xff, 0x05, 0x60};
    EXPECT_EQ(FormatMac(mac), u"00:1A:2B:FF:05:60");
    const uint8_t ip[4] = {192, 168, 1, 20};
    EXPECT_EQ(FormatIpv4(ip), u"192.168.1.20");
    EXPECT_EQ(Format(u"%4d(B)", {7}), u"   7(B)");
    EXPECT_EQ(Format(u"%4d(B)", {123456}), u"123456(B)");
    EXPECT_EQ(Format(u"%.2f", {3.14159}), u"3.14");
    EXPECT_EQ(Format(u"%02d", {5}), u"05");
    EXPECT_EQ(Format(u"SharedKey%d", {3}), u"SharedKey3");
    EXPECT_EQ(Format(u"%sDrvSeed64.exe", {u"C:\\Program Files\\KT\\"}),
              u"C:\\Program Files\\KT\\DrvSeed64.exe");
    EXPECT_EQ(Format(u"%u%%", {42u}), u"42%");
    EXPECT_EQ(Format(u"%-5s|", {u"ab"}), u"ab   |");
    EXPECT_EQ(Format(u"%.3s", {u"abcdef"}), u"abc");
    EXPECT_EQ(Format(u"%c", {int{u'Z'}}), u"Z");
    EXPECT_EQ(Format(u"%x/%X", {255, 255}), u"ff/FF");
}

TEST(Format, IntegersAreReadAtTheWidthTheConversionNames) {
    EXPECT_EQ(Format(u"%u", {-1}), u"4294967295");
    EXPECT_EQ(Format(u"%d", {4294967295u}), u"-1");
    EXPECT_EQ(Format(u"%I64d", {-5000000000LL}), u"-5000000000");
    EXPECT_EQ(Format(u"%hd", {70000}), u"4464");
}

TEST(Format, MismatchedProgramPatternIsReturnedUnformatted) {
    EXPECT_EQ(Format(u"%d and %d", {1}), u"%d and %d");
    EXPECT_EQ(Format(u"%s", {5}), u"%s");
    EXPECT_EQ(Format(u"%n", {5}), u"%n");
    EXPECT_EQ(Format(u"%*d", {5}), u"%*d");
}

TEST(Format, TranslatedPatternSubstitutesOnlyWhenItFitsExactly) {
    EXPECT_EQ(FormatTranslated(u"Open %s file failed !", {u"x.rtf"}), u"Open x.rtf file failed !");
    // A translator's extra or different conversion: shown as it stands, nothing read from the stack.
    EXPECT_EQ(FormatTranslated(u"%s %s", {u"x"}), u"%s %s");
    EXPECT_EQ(FormatTranslated(u"%d Tage", {u"x"}), u"%d Tage");
    EXPECT_EQ(FormatTranslated(u"%s%n", {u"x"}), u"%s%n");
    EXPECT_EQ(FormatTranslated(u"noch %d Tage", {12}), u"noch 12 Tage");
    // A call site that substitutes nothing shows the text as it stands, even with conversions in it.
    EXPECT_EQ(FormatTranslated(u"100% %s %d", {}), u"100% %s %d");
}

TEST(Format, HugeWidthsFromATranslationAreCapped) {
    std::u16string out = FormatTranslated(u"%99999999d", {1});
    EXPECT_LE(out.size(), 600u);
    EXPECT_EQ(out.back(), u'1');
    out = FormatTranslated(u"%99999999s", {u"x"});
    EXPECT_LE(out.size(), 600u);
}
