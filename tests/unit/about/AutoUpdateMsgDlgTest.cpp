// The update notice on the fake host: its texts and colour, the slide-in on its own timer and the
// answers with the "don't remind" box.
#include <gtest/gtest.h>

#include "LiveUpdateTestSupport.h"
#include "about/CAutoUpdateMsgDlg.h"
#include "app/AppGlobals.h"
#include "app/Language.h"
#include "fakes/FakeHost.h"
#include "res/LiveUpdateIds.h"

using namespace liveupdatetest;
using ui::ControlKind;

namespace {

constexpr int kSlideTimer = 1;

class UpdateNotice : public ::testing::Test {
protected:
    UpdateNotice() {
        ProgramFolder = disk.Folder();
        SelectLanguage();
        fakes::RegisterTemplate(IDD_DIALOG_MESSAGE_AUTOUPDATE,
                                {
                                    {IDC_BUTTON_MESSAGE_AUTOUPDATE_CLOSE, ControlKind::Button, {279, 3, 295, 16}, true},
                                    {IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT, ControlKind::Static, {12, 20, 288, 36}, false},
                                    {IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT2, ControlKind::Static, {12, 42, 288, 58}, false},
                                    {IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT, ControlKind::Button, {12, 68, 288, 84}, true},
                                    {IDC_BUTTON_MESSAGE_AUTOUPDATE_UPDATE, ControlKind::Button, {123, 100, 198, 123}, true},
                                    {IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL, ControlKind::Button, {213, 100, 288, 123}, true},
                                });
        host.Strict();
        host.Open();
    }
    ~UpdateNotice() override {
        if (!host.destroyed()) {
            host.Destroy();
        }
    }
    ProgramFolderOnDisk disk;
    CAutoUpdateMsgDlg notice;
    // 300 x 137 pixels, placed anywhere at first.
    fakes::FakeHost host{notice, ui::Rect{50, 60, 350, 197}};
};

TEST_F(UpdateNotice, SlidesUpFromTheWorkAreasBottomOnePixelATick) {
    EXPECT_EQ(host.control(IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT).text, u"Latest application is available for");
    EXPECT_EQ(host.control(IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT).text, u"Don't reminder me again until next update");
    EXPECT_EQ(host.backgroundColor(), ui::Rgb(255, 255, 200));
    ui::Rect screen = host.ScreenRect(), work = host.WorkArea();
    ASSERT_TRUE(host.TimerRunning(kSlideTimer));
    EXPECT_EQ(host.TimerInterval(kSlideTimer), 10u);
    EXPECT_EQ(host.window(), (ui::Rect{screen.right - 300, work.bottom - 1, screen.right, work.bottom}));
    EXPECT_TRUE(host.topMost());
    host.FireTimer(kSlideTimer);
    EXPECT_EQ(host.window(), (ui::Rect{screen.right - 300, work.bottom - 2, screen.right, work.bottom}));
    int ticks = 1;
    while (host.TimerRunning(kSlideTimer) && ticks < 1000) {
        host.FireTimer(kSlideTimer);
        ++ticks;
    }
    EXPECT_EQ(ticks, 136) << "from 1 pixel to the full 137";
    EXPECT_EQ(host.window(), (ui::Rect{screen.right - 300, work.bottom - 137, screen.right, work.bottom}));
    EXPECT_TRUE(host.topMost());
}

TEST_F(UpdateNotice, YesNoAndTheCornerButtonRecordTheBox) {
    host.control(IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT).checked = true;
    host.Click(IDC_BUTTON_MESSAGE_AUTOUPDATE_UPDATE);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_TRUE(notice.m_dontRemind);
    EXPECT_FALSE(host.TimerRunning(kSlideTimer)) << "the slide ends with the notice";

    for (ui::ControlId no : {IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL, IDC_BUTTON_MESSAGE_AUTOUPDATE_CLOSE}) {
        CAutoUpdateMsgDlg other;
        fakes::FakeHost otherHost(other);
        otherHost.Open();
        otherHost.control(IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT).checked = false;
        otherHost.Click(no);
        EXPECT_EQ(otherHost.result(), ui::kIdCancel) << no;
        EXPECT_FALSE(other.m_dontRemind) << no;
    }
}

} // namespace
