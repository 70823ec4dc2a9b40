#include <gtest/gtest.h>

#include "app/CSysMessageYesDlg.h"
#include "fakes/FakeHost.h"
#include "res/AppIds.h"

namespace {

constexpr ui::Rect kWindow{300, 200, 700, 400};
constexpr ui::Rect kOkButton{170, 140, 250, 165};

struct Opened {
    CSysMessageYesDlg dialog;
    fakes::FakeHost host{dialog, kWindow};

    Opened(int flag, int variant) {
        dialog.m_message = u"Die Verbindung wurde hergestellt.";
        dialog.m_layoutFlag = flag;
        dialog.m_layoutVariant = variant;
        host.AddControl(IDC_STATIC_SYSMESSAGE_TEXT, {20, 20, 380, 120});
        host.AddControl(ui::kIdOk, kOkButton);
        host.Strict();
        host.Open();
    }
};

} // namespace

TEST(CSysMessageYesDlg, StartsWithoutLayoutAndShowsTheMessage) {
    CSysMessageYesDlg dialog;
    EXPECT_EQ(dialog.TemplateId(), 176);
    EXPECT_EQ(dialog.m_layoutFlag, 0);
    EXPECT_EQ(dialog.m_layoutVariant, 0);

    Opened o(0, 0);
    EXPECT_EQ(o.host.GetText(IDC_STATIC_SYSMESSAGE_TEXT), u"Die Verbindung wurde hergestellt.");
    EXPECT_EQ(o.host.window(), kWindow) << "moved without the layout flag";
    EXPECT_EQ(o.host.control(ui::kIdOk).rect, kOkButton);
}

TEST(CSysMessageYesDlg, VariantZeroMovesNarrowsAndShiftsOkLeft) {
    Opened o(1, 0);
    EXPECT_EQ(o.host.window(), (ui::Rect{400, 300, 700, 500}));
    EXPECT_EQ(o.host.control(ui::kIdOk).rect, kOkButton.Offset(-50, 0));
}

TEST(CSysMessageYesDlg, VariantOneKeepsTheSizeAndNudgesOk) {
    Opened o(1, 1);
    EXPECT_EQ(o.host.window(), kWindow.Offset(100, 100));
    EXPECT_EQ(o.host.control(ui::kIdOk).rect, kOkButton.Offset(-10, -2));
}

TEST(CSysMessageYesDlg, AnyOtherFlagValueLeavesTheLayout) {
    Opened o(2, 1);
    EXPECT_EQ(o.host.window(), kWindow);
}

TEST(CSysMessageYesDlg, OkEndsTheDialogWithOk) {
    Opened o(1, 0);
    o.host.Click(ui::kIdOk);
    EXPECT_TRUE(o.host.ended());
    EXPECT_EQ(o.host.result(), ui::kIdOk);
}
