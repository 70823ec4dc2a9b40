// The rule helpers of the language file test on texts a translator could write.
#include <gtest/gtest.h>

#include "LanguageFileRules.h"

using namespace languagerules;

TEST(LanguageFileRules, ConversionsFollowTheGuardedFormattersGrammar) {
    using List = std::vector<std::u16string>;
    EXPECT_EQ(Conversions(u"Next automatic check in %d days"), List{u"%d"});
    EXPECT_EQ(Conversions(u"%02X:%02X %3d%% %-8s %.2f %I64u %lu"),
              (List{u"%02X", u"%02X", u"%3d", u"%%", u"%-8s", u"%.2f", u"%I64u", u"%lu"}));
    // A percent sign that starts no conversion is text; a blank after it is a flag, so "% d" counts.
    EXPECT_EQ(Conversions(u"Performance (%) 100%"), List{});
    EXPECT_EQ(Conversions(u"100 % de"), List{u"% d"});
    EXPECT_EQ(Conversions(u"%s a %d"), (List{u"%s", u"%d"}));
    EXPECT_NE(Conversions(u"%d a %s"), Conversions(u"%s a %d"));
}

TEST(LanguageFileRules, EscapesCountedByKind) {
    EXPECT_EQ(Escapes(u"a\\nb\\r\\n\\\"c\\\""), (EscapeCounts{2, 1, 2}));
    // A lone backslash or one before another letter is no escape, and a trailing one is not read past.
    EXPECT_EQ(Escapes(u"C:\\Program\\ x\\"), (EscapeCounts{}));
}

TEST(LanguageFileRules, MnemonicsSkipDoubledAmpersandsAndMarkupCharacters) {
    using Letters = std::vector<char16_t>;
    EXPECT_EQ(Mnemonics(u"Cance&l"), Letters{u'l'});
    EXPECT_EQ(Mnemonics(u"&Hilfe"), Letters{u'h'});
    EXPECT_EQ(Mnemonics(u"Save && &Exit"), Letters{u'e'});
    EXPECT_EQ(Mnemonics(u"<B>Note:</B>&nbsp;x&#160;y"), Letters{});
    EXPECT_EQ(Mnemonics(u"&\u0421\u043e\u0445\u0440\u0430\u043d\u0438\u0442\u044c"), Letters{u'\u0441'});
    EXPECT_EQ(Mnemonics(u"\u4fdd\u5b58(&S)"), Letters{u's'});
    EXPECT_EQ(Mnemonics(u"&A &b"), (Letters{u'a', u'b'}));
    EXPECT_EQ(Mnemonics(u"end &"), Letters{});
}

TEST(LanguageFileRules, ColumnWidthIsTheNumberAfterTheLastComma) {
    EXPECT_EQ(ColumnWidth(u"Network Name (SSID),150"), u",150");
    EXPECT_EQ(ColumnWidth(u"Signal,55"), u",55");
    EXPECT_EQ(ColumnWidth(u"Yes, please"), u"");
    EXPECT_EQ(ColumnWidth(u"Signal,"), u"");
}
