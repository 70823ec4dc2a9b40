// What the notification area and a pop-up menu answer, checked on the fakes natively and on the
// Windows implementations under Wine with the same source, so a test written against a fake can trust
// its answers.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/NotificationArea.h"
#include "platform/PopupMenu.h"

namespace contract {

constexpr uint32_t kTrayCallback = 0x80C9;

// `iconResource` must load in the implementation under test; the ids 7101 and 7102 must be unused.
inline void ExpectNotificationAreaAnswers(platform::NotificationArea& area, uint16_t iconResource) {
    platform::TrayIcon icon{7101, iconResource, u"first", kTrayCallback};
    ASSERT_TRUE(area.Add(icon));
    EXPECT_FALSE(area.Add(icon)) << "an id is added once";
    EXPECT_FALSE(area.Add({7102, 0, u"no picture", kTrayCallback})) << "an icon needs its picture";
    EXPECT_FALSE(area.Modify({7102, iconResource, u"never added", 0}));
    EXPECT_FALSE(area.ShowBalloon(7102, u"t", u"never added", platform::BalloonIcon::Info, 5000));

    EXPECT_TRUE(area.Modify({7101, 0, std::u16string(200, u'x'), 0})) << "a tooltip over its field is cut";
    EXPECT_TRUE(area.Modify({7101, iconResource, {}, 0})) << "a new picture, the tooltip kept";
    EXPECT_TRUE(area.ShowBalloon(7101, std::u16string(100, u't'), std::u16string(300, u'b'),
                                 platform::BalloonIcon::Warning, 5000));
    EXPECT_TRUE(area.ShowBalloon(7101, {}, u"no title", platform::BalloonIcon::None, 0));

    EXPECT_TRUE(area.Delete(7101));
    EXPECT_FALSE(area.Delete(7101)) << "deleted once";
    EXPECT_FALSE(area.Modify({7101, iconResource, u"gone", 0}));
    EXPECT_FALSE(area.ShowBalloon(7101, u"t", u"gone", platform::BalloonIcon::Error, 5000));
    EXPECT_TRUE(area.Add(icon)) << "a deleted id can come back";
    EXPECT_TRUE(area.Delete(7101));
}

inline void ExpectPopupMenuAnswers(platform::PopupMenu& menu) {
    EXPECT_TRUE(menu.Append({32772, u"Notify", true, true, false}));
    EXPECT_TRUE(menu.Append({0, {}, false, true, true})) << "a separator has no id";
    EXPECT_TRUE(menu.Append({32773, u"E&xit", false, true, false}));
    EXPECT_FALSE(menu.Append({0, u"zero", false, true, false})) << "0 is the answer for a dismissed menu";
    EXPECT_FALSE(menu.Append({0x10000, u"wide", false, true, false})) << "no command message carries it";
    EXPECT_TRUE(menu.CheckItem(32773, true));
    EXPECT_TRUE(menu.CheckItem(32772, false));
    EXPECT_FALSE(menu.CheckItem(32774, true));
    EXPECT_TRUE(menu.RemoveItem(32772));
    EXPECT_FALSE(menu.RemoveItem(32772)) << "removed once";
    EXPECT_FALSE(menu.CheckItem(32772, true)) << "a removed item cannot be checked";
}

} // namespace contract
