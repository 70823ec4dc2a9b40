#include <gtest/gtest.h>

#include "controls/MarkupLayout.h"

namespace {

// Every unit is 10 pixels wide (20 when bold); lines are 16 pixels high (24 for BIG).
class GridMeasurer final : public MarkupMeasurer {
public:
    int TextWidth(std::u16string_view text, const MarkupStyle& style) override {
        return static_cast<int>(text.size()) * (style.IsBold() ? 20 : 10);
    }
    int LineHeight(const MarkupStyle& style) override { return style.sizeStep > 0 ? 24 : 16; }
};

MarkupLayout Lay(std::u16string_view markup, int width, int left = 0, int right = 0) {
    GridMeasurer measurer;
    return LayoutMarkup(ParseMarkup(markup), width, left, right, measurer);
}

} // namespace

TEST(MarkupLayout, WrapsWordByWordAtTheRightEdge) {
    MarkupLayout layout = Lay(u"aaa bbb ccc", 75);
    ASSERT_EQ(layout.texts.size(), 2u);
    EXPECT_EQ(layout.texts[0].text, u"aaa bbb");
    EXPECT_EQ(layout.texts[0].rect, (MarkupRect{0, 0, 70, 16}));
    EXPECT_EQ(layout.texts[1].text, u"ccc");
    EXPECT_EQ(layout.texts[1].rect, (MarkupRect{0, 16, 30, 32}));
    EXPECT_EQ(layout.height, 32);
}

TEST(MarkupLayout, AWordWiderThanTheLineStillGetsItsOwnLine) {
    MarkupLayout layout = Lay(u"a wordthatistoolong b", 50);
    ASSERT_EQ(layout.texts.size(), 3u);
    EXPECT_EQ(layout.texts[1].text, u"wordthatistoolong");
    EXPECT_EQ(layout.texts[1].rect.top, 16);
    EXPECT_EQ(layout.texts[2].rect.top, 32);
}

TEST(MarkupLayout, CentredLinesSitInTheMiddleOfTheSpaceBetweenTheMargins) {
    MarkupLayout layout = Lay(u"<CENTER>abcd</CENTER>", 200, 20, 40);
    ASSERT_EQ(layout.texts.size(), 1u);
    // available 140, line 40: (140 - 40) / 2 from the left margin.
    EXPECT_EQ(layout.texts[0].rect.left, 20 + 50);
}

TEST(MarkupLayout, ACentredLineWiderThanTheControlStartsAtTheLeftMargin) {
    MarkupLayout single = Lay(u"<CENTER>wordthatistoolong</CENTER>", 100, 10, 20);
    ASSERT_EQ(single.texts.size(), 1u);
    EXPECT_EQ(single.texts[0].rect.left, 10) << "170 wide in 70";
    MarkupLayout mixed = Lay(u"<CENTER>ab wordthatistoolong cd</CENTER>", 100, 10, 20);
    ASSERT_EQ(mixed.texts.size(), 3u);
    EXPECT_EQ(mixed.texts[0].rect.left, 10 + 25) << "a line that fits is still centred";
    EXPECT_EQ(mixed.texts[1].rect.left, 10);
}

// A static control taken over keeps its alignment: every line sits where the static would put it.
TEST(MarkupLayout, TheControlsAlignmentPlacesEveryLine) {
    GridMeasurer measurer;
    auto items = ParseMarkup(u"ab<BR>abcd<BR>wordthatistoolong");
    MarkupLayout right = LayoutMarkup(items, 100, 10, 20, measurer, MarkupAlignment::Right);
    ASSERT_EQ(right.texts.size(), 3u);
    EXPECT_EQ(right.texts[0].rect.right, 80);
    EXPECT_EQ(right.texts[1].rect.right, 80);
    EXPECT_EQ(right.texts[2].rect.left, 10) << "too wide: starts at the left margin";
    MarkupLayout centre = LayoutMarkup(items, 100, 10, 20, measurer, MarkupAlignment::Centre);
    EXPECT_EQ(centre.texts[0].rect.left, 10 + 25);
    EXPECT_EQ(centre.texts[1].rect.left, 10 + 15);
    EXPECT_EQ(centre.texts[2].rect.left, 10);
    MarkupLayout tagged =
        LayoutMarkup(ParseMarkup(u"<CENTER>ab</CENTER>"), 100, 10, 20, measurer, MarkupAlignment::Right);
    EXPECT_EQ(tagged.texts[0].rect.left, 10 + 25) << "<CENTER> wins over the control's alignment";
}

TEST(MarkupLayout, ALineFeedInsideATextItemNeverGluesTwoWords) {
    // Items built by hand, as a caller that bypasses the parser might.
    MarkupItem item;
    item.text = u"two\nwords";
    GridMeasurer measurer;
    MarkupLayout layout = LayoutMarkup({item}, 500, 0, 0, measurer);
    ASSERT_EQ(layout.texts.size(), 2u);
    EXPECT_EQ(layout.texts[0].text, u"two");
    EXPECT_EQ(layout.texts[1].text, u"words");
    EXPECT_EQ(layout.texts[1].rect.top, 16);
}

TEST(MarkupLayout, LanguageTextsWithLineFeedsBreakWhereTheyAsk) {
    MarkupLayout layout = Lay(u"Adapter not found.\nInsert it.", 500);
    ASSERT_EQ(layout.texts.size(), 2u);
    EXPECT_EQ(layout.texts[0].text, u"Adapter not found.");
    EXPECT_EQ(layout.texts[1].text, u"Insert it.");
    EXPECT_EQ(layout.texts[1].rect, (MarkupRect{0, 16, 100, 32}));
}

TEST(MarkupLayout, MixedStylesShareALineAndTheTallestSetsItsHeight) {
    MarkupLayout layout = Lay(u"ab <B>cd</B> <BIG>e</BIG>", 500);
    ASSERT_EQ(layout.texts.size(), 4u);
    EXPECT_EQ(layout.texts[1].rect.left, 30);
    EXPECT_EQ(layout.texts[1].rect.right, 70);
    for (const auto& text : layout.texts) {
        EXPECT_EQ(text.rect.bottom, 24);
    }
}

TEST(MarkupLayout, BreaksAndRulesAcrossTheWholeWidth) {
    MarkupLayout layout = Lay(u"a<BR><BR>b<HR SIZE=4>c", 100, 10, 10);
    ASSERT_EQ(layout.texts.size(), 3u);
    EXPECT_EQ(layout.texts[0].rect.top, 0);
    EXPECT_EQ(layout.texts[1].rect.top, 32) << "an empty line keeps its height";
    ASSERT_EQ(layout.rules.size(), 1u);
    EXPECT_EQ(layout.rules[0].rect, (MarkupRect{0, 50, 100, 54})) << "margins included";
    EXPECT_EQ(layout.texts[2].rect.top, 56);
}

TEST(MarkupLayout, EachDrawnPieceOfALinkIsAHotRectangle) {
    MarkupLayout layout = Lay(u"go <A HREF=\"http://a.test/\">here and there</A> now", 90);
    ASSERT_EQ(layout.hotRects.size(), 2u) << "the link wraps onto a second line";
    EXPECT_EQ(layout.hotRects[0].target, u"http://a.test/");
    EXPECT_EQ(layout.hotRects[0].rect, (MarkupRect{30, 0, 70, 16})) << "the blank at the line end is not hot";
    EXPECT_EQ(layout.hotRects[1].rect.top, 16);
    const std::u16string* hit = HitLink(layout, 35, 5);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(*hit, u"http://a.test/");
    EXPECT_EQ(HitLink(layout, 5, 5), nullptr);
    EXPECT_EQ(HitLink(layout, 80, 5), nullptr) << "right edge is outside";
}

TEST(MarkupLayout, SubscriptAndSuperscriptShiftTheBaseline) {
    MarkupLayout layout = Lay(u"H<SUB>2</SUB>O x<SUP>2</SUP>", 500);
    ASSERT_EQ(layout.texts.size(), 4u);
    EXPECT_EQ(layout.texts[2].text, u"O x");
    EXPECT_GT(layout.texts[1].baselineShift, 0);
    EXPECT_LT(layout.texts[3].baselineShift, 0);
    EXPECT_EQ(layout.texts[0].baselineShift, 0);
}

TEST(MarkupLayout, NothingToDrawInANarrowOrEmptyControl) {
    EXPECT_TRUE(Lay(u"", 100).texts.empty());
    MarkupLayout narrow = Lay(u"a b", 0, 5, 5);
    EXPECT_EQ(narrow.texts.size(), 2u) << "still laid out, one word a line";
}
