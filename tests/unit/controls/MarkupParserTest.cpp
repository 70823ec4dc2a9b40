#include <gtest/gtest.h>

#include "controls/MarkupParser.h"

namespace {

std::vector<std::u16string> Texts(const std::vector<MarkupItem>& items) {
    std::vector<std::u16string> texts;
    for (const auto& item : items) {
        if (item.kind == MarkupItem::Kind::Text) {
            texts.push_back(item.text);
        } else {
            texts.push_back(item.kind == MarkupItem::Kind::LineBreak ? u"<br>" : u"<hr>");
        }
    }
    return texts;
}

} // namespace

TEST(Markup, EntitiesBecomeTokensNumberedFromTwoAndTheirCharactersWhenDrawn) {
    std::u16string tokens = ReplaceEntities(u"a&amp;b&trade;");
    EXPECT_EQ(tokens, (std::u16string{u'a', kEntityMarker, 2, u'b', kEntityMarker, 25}));
    EXPECT_EQ(DecodeEntityTokens(tokens), u"a&b\u2122");
    EXPECT_EQ(EntityCharacter(12), u'<');
    EXPECT_EQ(EntityCharacter(15), u' ') << "&nbsp;";
    EXPECT_EQ(EntityCharacter(26), u' ') << "past the table";
    EXPECT_EQ(EntityCharacter(1), u' ');
    EXPECT_EQ(DecodeEntityTokens(std::u16string{u'x', kEntityMarker}), u"x ");
}

TEST(Markup, EntityNamesAreCaseSensitiveAndNeverStartTags) {
    auto items = ParseMarkup(u"&NBSP;x&nbsp;y &lt;B&gt;not bold&lt;/B&gt;");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, u"&NBSP;x y <B>not bold</B>");
    EXPECT_FALSE(items[0].style.IsBold());
}

TEST(Markup, StyleCountersNestAndUnbalancedClosingTagsKeepTheStyleOff) {
    auto items = ParseMarkup(u"<b>one<B>two</b>three</B>four</b></b><b>five</b><b>six");
    std::vector<bool> bold;
    for (const auto& item : items) {
        bold.push_back(item.style.IsBold());
    }
    EXPECT_EQ(Texts(items),
              (std::vector<std::u16string>{u"one", u"two", u"three", u"four", u"five", u"six"}));
    EXPECT_EQ(bold, (std::vector<bool>{true, true, true, false, false, false}));
    EXPECT_EQ(items[4].style.bold, -1) << "two extra closings and one opening";
    EXPECT_EQ(items[5].style.bold, -1) << "the extra closings still count";
    EXPECT_TRUE(ParseMarkup(u"</b><b><b>x")[0].style.IsBold());
}

TEST(Markup, EveryTagChangesItsOwnStyle) {
    auto items = ParseMarkup(u"<I>i</I><U>u</U><STRIKE>s</STRIKE><CENTER>c</CENTER><SUB>2</SUB><SUP>3</SUP>"
                             u"<CODE>k</CODE><BIG>b</BIG><SMALL>m</SMALL>");
    ASSERT_EQ(items.size(), 9u);
    EXPECT_TRUE(items[0].style.IsItalic());
    EXPECT_TRUE(items[1].style.IsUnderline());
    EXPECT_TRUE(items[2].style.IsStrike());
    EXPECT_TRUE(items[3].style.IsCentred());
    EXPECT_TRUE(items[4].style.IsSubscript());
    EXPECT_TRUE(items[5].style.IsSuperscript());
    EXPECT_TRUE(items[6].style.IsCode());
    EXPECT_EQ(items[7].style.sizeStep, 1);
    EXPECT_EQ(items[8].style.sizeStep, -1);
    for (const auto& item : items) {
        EXPECT_EQ(item.style.IsItalic(), &item == &items[0]);
    }
}

TEST(Markup, FontSavesAndRestoresColoursFaceAndSize) {
    auto items = ParseMarkup(u"a<FONT COLOR=\"red\" BGCOLOR=#00FF00 FACE='Arial Black' SIZE=5>b"
                             u"<font color=blue>c</font>d</FONT>e</FONT>f");
    ASSERT_EQ(Texts(items), (std::vector<std::u16string>{u"a", u"b", u"c", u"d", u"e", u"f"}));
    EXPECT_FALSE(items[0].style.colour.has_value());
    ASSERT_TRUE(items[1].style.colour.has_value());
    EXPECT_EQ(items[1].style.colour->value(), CNamedColors::Rgb(255, 0, 0));
    ASSERT_TRUE(items[1].style.background.has_value());
    EXPECT_EQ(items[1].style.background->value(), CNamedColors::Rgb(0, 255, 0));
    EXPECT_EQ(items[1].style.face, u"Arial Black");
    EXPECT_EQ(items[1].style.fontSize, 5);
    EXPECT_EQ(items[2].style.colour->value(), CNamedColors::Rgb(0, 0, 255));
    EXPECT_EQ(items[2].style.face, u"Arial Black") << "inner FONT keeps what it does not set";
    EXPECT_EQ(items[3].style.colour->value(), CNamedColors::Rgb(255, 0, 0));
    EXPECT_FALSE(items[4].style.colour.has_value());
    EXPECT_TRUE(items[4].style.face.empty());
    EXPECT_FALSE(items[5].style.colour.has_value()) << "an extra </FONT> changes nothing";
}

TEST(Markup, LinksCarryTheirTarget) {
    auto items = ParseMarkup(u"see <A HREF=\"http://example.test/a?b=1&amp;c=2\">the site</a> or "
                             u"<a href=APP:Close>close</A>");
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[1].text, u"the site");
    EXPECT_EQ(items[1].style.link, u"http://example.test/a?b=1&c=2");
    EXPECT_TRUE(items[1].style.IsUnderline());
    EXPECT_TRUE(items[2].style.link.empty());
    EXPECT_EQ(items[3].style.link, u"APP:Close");
}

TEST(Markup, BreaksRulesAndCrLf) {
    auto items = ParseMarkup(u"one<BR>two\r\nthree<HR>four<HR SIZE=5>five<hr size=0>\nsix");
    EXPECT_EQ(Texts(items),
              (std::vector<std::u16string>{u"one", u"<br>", u"two", u"<br>", u"three", u"<hr>", u"four",
                                           u"<hr>", u"five", u"<hr>", u"<br>", u"six"}));
    EXPECT_EQ(items[5].ruleSize, 2);
    EXPECT_EQ(items[7].ruleSize, 5);
    EXPECT_EQ(items[9].ruleSize, 2);
}

// Language texts carry their line ends as a bare line feed; a CR-LF pair is still one break.
TEST(Markup, ALoneLineFeedBreaksTheLineLikeACrLfPair) {
    EXPECT_EQ(Texts(ParseMarkup(u"Insert the adapter.\nThen press OK.")),
              (std::vector<std::u16string>{u"Insert the adapter.", u"<br>", u"Then press OK."}));
    EXPECT_EQ(Texts(ParseMarkup(u"a\r\nb\n\nc\n")),
              (std::vector<std::u16string>{u"a", u"<br>", u"b", u"<br>", u"<br>", u"c", u"<br>"}));
    auto items = ParseMarkup(u"<B>x\ny</B>");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_TRUE(items[1].style.IsBold()) << "the break keeps the style it was made in";
    EXPECT_EQ(Texts(ParseMarkup(u"a\rb")), std::vector<std::u16string>{u"a\rb"}) << "a lone CR is no break";
    // Entity tokens numbered like a line feed (&gt;) or a return (&iquest;) are characters, not breaks.
    EXPECT_EQ(Texts(ParseMarkup(u"a&gt;b")), std::vector<std::u16string>{u"a>b"});
    EXPECT_EQ(Texts(ParseMarkup(u"&iquest;\nx")), (std::vector<std::u16string>{u"\u00BF", u"<br>", u"x"}));
}

TEST(Markup, UnknownAndUnfinishedTagsAndStrayAngles) {
    EXPECT_EQ(Texts(ParseMarkup(u"a<BLINK>b</BLINK>c")), (std::vector<std::u16string>{u"a", u"b", u"c"}));
    EXPECT_EQ(Texts(ParseMarkup(u"1 < 2 and 3 <= 4")), std::vector<std::u16string>{u"1 < 2 and 3 <= 4"});
    EXPECT_EQ(Texts(ParseMarkup(u"x<B unfinished")), std::vector<std::u16string>{u"x<B unfinished"});
    EXPECT_TRUE(ParseMarkup(u"").empty());
}

TEST(Markup, AttributesQuotedOrBare) {
    EXPECT_EQ(TagAttribute(u"FONT COLOR=\"dark red\" SIZE=3", u"color"), u"dark red");
    EXPECT_EQ(TagAttribute(u"FONT COLOR=\"dark red\" SIZE=3", u"SIZE"), u"3");
    EXPECT_EQ(TagAttribute(u"FONT  face = Arial", u"FACE"), u"Arial");
    EXPECT_FALSE(TagAttribute(u"FONT COLOR=red", u"SIZE").has_value());
    EXPECT_EQ(TagAttribute(u"A HREF=\"unterminated", u"HREF"), u"unterminated");
    EXPECT_FALSE(TagAttribute(u"FONT ==", u"COLOR").has_value());
}
