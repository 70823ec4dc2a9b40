// The background update check, stepped by the test through the About page that owns it: the 30-day
// mark, the Internet wait, three tries, the offer by the notice, the hour's pause after No, and the
// live-update gate it shares with the Update button.
#include <gtest/gtest.h>

#include "LiveUpdateTestSupport.h"
#include "MainWindowFixture.h"
#include "about/CAboutExDlg.h"
#include "about/UpdateCheck.h"
#include "app/Language.h"
#include "mainwnd/LinkStatus.h"
#include "res/AboutIds.h"
#include "res/LiveUpdateIds.h"

using namespace liveupdatetest;
using about::UpdateCheck;

namespace {

constexpr int64_t kDay = 86400;

class BackgroundCheck : public mainwndtest::MainWindowTest {
protected:
    BackgroundCheck() {
        ProgramFolder = disk.Folder();
        disk.WriteLanguage("English", std::string(kLiveUpdateTexts) +
                                          "[IDD_DIALOG_ABOUT]\r\nIDC_STATIC_ABOUT_SUPPORT_UPGRADE30=%d days\r\n");
        SelectLanguage();
        fakes::ForgetTemplates(); // the page makes its controls as asked
        fake.services.backgroundThread = false;
        Store(u"AutoUpdate", u"1");
        Store(u"CountryDomain", u"4"); // the program tests the Internet itself
        fake.internet = true;
    }
    ~BackgroundCheck() override {
        if (pageHost && !pageHost->destroyed()) {
            pageHost->Destroy();
        }
    }
    void OpenPage(int64_t lastCheckAgo) {
        Store(u"AutoUpdateTime", base::Widen(std::to_string(calendar.now - lastCheckAgo)));
        pageHost = std::make_unique<fakes::FakeHost>(page, ui::Rect{0, 0, 600, 254});
        pageHost->Open();
        fake.calendar.now = calendar.now;
    }
    uint32_t Step() {
        uint32_t wait = page.UpdateCheckWorker()->Step();
        pageHost->PumpPosted();
        return wait;
    }
    // Steps until the check rests (a pause of 3 s or more), at most `limit` rounds.
    uint32_t RunCheck(int limit = 20) {
        uint32_t wait = 0;
        for (int i = 0; i < limit; ++i) {
            wait = Step();
            if (wait >= UpdateCheck::kPauseMs) {
                break;
            }
        }
        return wait;
    }
    std::u16string DaysLeftText() { return pageHost->control(IDC_STATIC_ABOUT_DAYS_LEFT).text; }
    // The notice is answered: its "don't remind" box set as given, then Yes or No.
    void AnswerNotice(bool yes, bool dontRemind) {
        pageHost->modalHandler = [this, yes, dontRemind](ui::Dialog& child) {
            shown.push_back(child.TemplateId());
            fakes::FakeHost childHost(child);
            childHost.Open();
            if (child.TemplateId() == IDD_DIALOG_MESSAGE_AUTOUPDATE) {
                childHost.control(IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT).checked = dontRemind;
                childHost.Click(yes ? IDC_BUTTON_MESSAGE_AUTOUPDATE_UPDATE : IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL);
            } else {
                childHost.PumpPosted();
                offersAsked = static_cast<int>(childHost.messageBoxes.size());
                childHost.Click(ui::kIdCancel);
            }
            return childHost.result();
        };
    }

    ProgramFolderOnDisk disk;
    StillCalendar calendar;
    FakeServices fake;
    CAboutExDlg page{calendar, fake.services};
    std::unique_ptr<fakes::FakeHost> pageHost;
    std::vector<int> shown;
    int offersAsked = -1;
};

TEST_F(BackgroundCheck, ThirtyDaysExactlyWaitsOneSecondMoreChecks) {
    OpenPage(30 * kDay);
    EXPECT_EQ(Step(), UpdateCheck::kPauseMs);
    EXPECT_FALSE(page.UpdateCheckWorker()->Checking());
    EXPECT_EQ(fake.librariesOpened, 0);
    EXPECT_EQ(DaysLeftText(), u"0 days");

    fake.calendar.now += 1;
    EXPECT_EQ(Step(), 0u);
    EXPECT_TRUE(page.UpdateCheckWorker()->Checking());
    EXPECT_EQ(fake.librariesOpened, 1);
}

TEST_F(BackgroundCheck, AutoUpdateOffOnlyLooksAgainEveryHalfSecond) {
    Store(u"AutoUpdate", u"0");
    OpenPage(90 * kDay);
    EXPECT_EQ(Step(), UpdateCheck::kOffPollMs);
    EXPECT_EQ(fake.librariesOpened, 0);
}

TEST_F(BackgroundCheck, NoUpdateAfterThreeTriesWritesTheTimeAndFreesTheGate) {
    OpenPage(31 * kDay);
    fake.internet = false;
    Step();
    EXPECT_EQ(Step(), UpdateCheck::kRetryMs) << "waiting for the Internet";
    EXPECT_EQ(Step(), UpdateCheck::kRetryMs);
    EXPECT_EQ(fake.library->checks, 0);
    fake.internet = true;
    EXPECT_EQ(RunCheck(), UpdateCheck::kPauseMs);
    EXPECT_EQ(fake.library->checks, 3);
    EXPECT_FALSE(page.UpdateCheckWorker()->Checking());
    EXPECT_EQ(Stored(u"AutoUpdateTime"), base::Widen(std::to_string(fake.calendar.now)));
    EXPECT_EQ(DaysLeftText(), u"30 days");
    EXPECT_FALSE(*fake.libraryGone) << "the test still holds its library";
    EXPECT_EQ(fake.library.use_count(), 1) << "the check let its library go";

    // Step 7 ran: the Update button is not locked out by a finished check.
    pageHost->Click(IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE);
    EXPECT_EQ(pageHost->modalTemplates, std::vector<int>{IDD_DIALOG_ABOUT_LIVE_UPDATE});
}

TEST_F(BackgroundCheck, TheUpdateButtonWaitsWhileACheckHoldsTheLibrary) {
    OpenPage(31 * kDay);
    fake.internet = false;
    Step();
    ASSERT_TRUE(page.UpdateCheckWorker()->Checking());
    pageHost->Click(IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE);
    EXPECT_EQ(pageHost->messageBoxes.size(), 1u) << "without the Internet the button says so, busy or not";
    fake.internet = true;
    pageHost->Click(IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE);
    EXPECT_TRUE(pageHost->modalTemplates.empty()) << "no second live update beside the check";
    EXPECT_EQ(pageHost->messageBoxes.size(), 1u);
    EXPECT_EQ(fake.librariesOpened, 1);
}

TEST_F(BackgroundCheck, NoOnTheNoticeComesBackInAnHourTickedWaitsThirtyDays) {
    fake.library->availability = {5};
    fake.library->availabilityText = u"Version 9";
    OpenPage(31 * kDay);
    AnswerNotice(false, false);
    EXPECT_EQ(RunCheck(), UpdateCheck::kRemindAgainMs);
    EXPECT_EQ(shown, std::vector<int>{IDD_DIALOG_MESSAGE_AUTOUPDATE}) << "the window is hidden: the notice";
    EXPECT_EQ(Stored(u"AutoUpdateTime"), base::Widen(std::to_string(calendar.now - 31 * kDay)));
    EXPECT_FALSE(page.UpdateCheckWorker()->Checking());

    shown.clear();
    AnswerNotice(false, true);
    EXPECT_EQ(RunCheck(), UpdateCheck::kPauseMs);
    EXPECT_EQ(shown, std::vector<int>{IDD_DIALOG_MESSAGE_AUTOUPDATE});
    EXPECT_EQ(Stored(u"AutoUpdateTime"), base::Widen(std::to_string(fake.calendar.now)));
}

TEST_F(BackgroundCheck, YesOnTheNoticeOpensTheDialogWithoutAskingAgain) {
    fake.library->availability = {5};
    OpenPage(31 * kDay);
    AnswerNotice(true, false);
    EXPECT_EQ(RunCheck(), UpdateCheck::kPauseMs);
    EXPECT_EQ(shown, (std::vector<int>{IDD_DIALOG_MESSAGE_AUTOUPDATE, IDD_DIALOG_ABOUT_LIVE_UPDATE}));
    EXPECT_EQ(offersAsked, 0);
    EXPECT_EQ(fake.library->checks, 1) << "the dialog knew the answer";
    EXPECT_EQ(Stored(u"AutoUpdateTime"), base::Widen(std::to_string(fake.calendar.now)));
}

TEST_F(BackgroundCheck, APageThatGoesMidCheckFreesTheGate) {
    OpenPage(31 * kDay);
    fake.internet = false;
    Step();
    ASSERT_TRUE(page.UpdateCheckWorker()->Checking());
    pageHost->Destroy();
    EXPECT_EQ(page.UpdateCheckWorker(), nullptr);
    EXPECT_EQ(fake.library.use_count(), 1) << "the check's dialog object and its library are gone";
}

} // namespace
