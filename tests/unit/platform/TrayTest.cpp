#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "contract/TrayContract.h"
#include "fakes/FakeNotificationArea.h"
#include "fakes/FakePopupMenu.h"
#include "platform/NotificationArea.h"

using platform::CutForField;

TEST(TrayText, FitsItsFieldWithRoomForTheTerminator) {
    std::u16string long200(200, u'a');
    EXPECT_EQ(CutForField(long200, platform::kTrayTipCapacity).size(), 127u);
    EXPECT_EQ(CutForField(std::u16string(127, u'a'), 128).size(), 127u) << "exactly full";
    EXPECT_EQ(CutForField(std::u16string(128, u'a'), 128).size(), 127u);
    EXPECT_EQ(CutForField(u"short", 128), u"short");
    EXPECT_EQ(CutForField(u"", 128), u"");
    EXPECT_EQ(CutForField(u"abc", 1), u"") << "room for the terminator only";
    EXPECT_EQ(CutForField(u"abc", 0), u"");
}

TEST(TrayText, NeverEndsInsideASurrogatePair) {
    // U+1F4F6 (antenna bars) is the pair D83D DCF6.
    std::u16string text = std::u16string(126, u'a') + u"\U0001F4F6" + u"tail";
    std::u16string_view cut = CutForField(text, 128);
    EXPECT_EQ(cut.size(), 126u) << "the pair would straddle the end";
    EXPECT_EQ(CutForField(std::u16string(125, u'a') + u"\U0001F4F6" + u"tail", 128).size(), 127u)
        << "a whole pair that fits stays";
    EXPECT_EQ(CutForField(u"\U0001F4F6", 2), u"") << "half a pair is nothing";
}

TEST(FakeTray, AnswersAsTheNotificationAreaDoes) {
    fakes::FakeNotificationArea area;
    contract::ExpectNotificationAreaAnswers(area, 157);
    EXPECT_TRUE(area.shown.empty());
}

TEST(FakeTray, ShowsWhatTheTaskbarWouldShow) {
    fakes::FakeNotificationArea area;
    ASSERT_TRUE(area.Add({1, 157, u"scanning", contract::kTrayCallback}));
    ASSERT_TRUE(area.Modify({1, 158, std::u16string(130, u'n'), 0}));
    EXPECT_EQ(area.shown[1].iconResource, 158);
    EXPECT_EQ(area.shown[1].tooltip, std::u16string(127, u'n'));
    EXPECT_EQ(area.shown[1].callbackMessage, contract::kTrayCallback) << "kept when not given";
    EXPECT_EQ(area.calls.back().icon.tooltip.size(), 130u) << "the call is recorded as asked";
    ASSERT_TRUE(area.ShowBalloon(1, u"title", std::u16string(300, u'b'), platform::BalloonIcon::Info, 5000));
    EXPECT_EQ(area.balloons[1].text.size(), 255u);
    area.refuse = true;
    EXPECT_FALSE(area.Modify({1, 159, {}, 0}));
    EXPECT_EQ(area.shown[1].iconResource, 158) << "a refused change changes nothing";
}

TEST(FakeMenu, AnswersAsTheMenuManagerDoes) {
    fakes::FakePopupMenu menu;
    contract::ExpectPopupMenuAnswers(menu);
    ASSERT_EQ(menu.items.size(), 2u);
    ASSERT_NE(menu.Item(32773), nullptr);
    EXPECT_TRUE(menu.Item(32773)->checked);
}

TEST(FakeMenu, TrackAnswersTheScriptAndRemembersWhatWasShown) {
    fakes::FakePopupMenu menu;
    menu.Append({32772, u"Notify", true, true, false});
    menu.Append({32773, u"Exit", false, true, false});
    menu.choices = {32773, 0};
    EXPECT_EQ(menu.Track(), 32773u);
    EXPECT_EQ(menu.Track(), 0u) << "dismissed";
    EXPECT_EQ(menu.Track(), 0u) << "no script left: dismissed";
    ASSERT_EQ(menu.shownMenus.size(), 3u);
    EXPECT_EQ(menu.shownMenus[0].size(), 2u);
}

TEST(FakeMenu, AChoiceTheMenuDoesNotOfferFailsTheTest) {
    fakes::FakePopupMenu menu;
    menu.Append({32772, u"Notify", false, true, false});
    menu.Append({32774, u"Manage", false, false, false});
    menu.RemoveItem(32772);
    menu.choices = {32772, 32774};
    uint32_t removed = 1;
    uint32_t disabled = 1;
    EXPECT_NONFATAL_FAILURE(removed = menu.Track(), "does not offer");
    EXPECT_NONFATAL_FAILURE(disabled = menu.Track(), "does not offer");
    EXPECT_EQ(removed, 0u);
    EXPECT_EQ(disabled, 0u);
}
