#include <gtest/gtest.h>

#include "base/Text.h"

using namespace base;

TEST(Text, CaseFoldingTouchesOnlyAsciiLetters) {
    EXPECT_EQ(AsciiUpper(u"Home-Net ÄÖü é 7"), u"HOME-NET ÄÖü é 7");
    EXPECT_EQ(AsciiLower(u"HOME-Net ÄÖ"), u"home-net ÄÖ");
    EXPECT_TRUE(EqualsAsciiNoCase(u"-setProfile", u"-SETPROFILE"));
    EXPECT_FALSE(EqualsAsciiNoCase(u"Ä", u"ä"));
    EXPECT_FALSE(EqualsAsciiNoCase(u"abc", u"abcd"));
}

TEST(Text, TrimRemovesCRuntimeWhiteSpaceOnBothEnds) {
    EXPECT_EQ(Trim(u" \t\r\n\v\f Home Net \t"), u"Home Net");
    EXPECT_EQ(Trim(u"   "), u"");
    EXPECT_EQ(TrimLeft(u"  a "), u"a ");
    EXPECT_EQ(TrimRight(u"  a "), u"  a");
    // A no-break space is not white space to the C runtime's isspace.
    EXPECT_EQ(Trim(u"\u00A0a"), u"\u00A0a");
}

TEST(Text, CopyToFieldCutsTerminatesAndClearsTheRest) {
    char16_t field[6];
    for (auto& c : field) {
        c = u'#';
    }
    EXPECT_EQ(CopyToField(field, u"abcdefgh"), 5u);
    EXPECT_EQ(FieldText(field), u"abcde");
    EXPECT_EQ(field[5], 0);

    EXPECT_EQ(CopyToField(field, u"ab"), 2u);
    for (size_t i = 2; i < 6; ++i) {
        EXPECT_EQ(field[i], 0) << "stale unit at " << i;
    }
}

TEST(Text, FieldTextStopsAtTheFieldEndWithoutTerminator) {
    char16_t field[3] = {u'a', u'b', u'c'};
    EXPECT_EQ(FieldText(field), u"abc");
}

TEST(Text, ParseIntBehavesLikeWtoi) {
    EXPECT_EQ(ParseInt(u"255"), 255);
    EXPECT_EQ(ParseInt(u"  -12abc"), -12);
    EXPECT_EQ(ParseInt(u"+7"), 7);
    EXPECT_EQ(ParseInt(u""), 0);
    EXPECT_EQ(ParseInt(u"x1"), 0);
    EXPECT_EQ(ParseInt(u"4294967295"), -1);
    EXPECT_TRUE(IsDecimalNumber(u"-23"));
    EXPECT_FALSE(IsDecimalNumber(u"2 3"));
    EXPECT_FALSE(IsDecimalNumber(u"-"));
}

TEST(Text, HexDigitValueAcceptsBothCasesAndNothingElse) {
    EXPECT_EQ(HexDigitValue(u'0'), 0);
    EXPECT_EQ(HexDigitValue(u'9'), 9);
    EXPECT_EQ(HexDigitValue(u'a'), 10);
    EXPECT_EQ(HexDigitValue(u'F'), 15);
    for (char16_t c : std::u16string(u"gG/:@`xX \uFF10")) {
        EXPECT_EQ(HexDigitValue(c), -1) << "unit " << static_cast<int>(c);
    }
}
