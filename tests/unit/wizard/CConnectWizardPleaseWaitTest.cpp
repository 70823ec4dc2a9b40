#include <gtest/gtest.h>

#include <vector>

#include "WizardListTemplates.h"
#include "wizard/CConnectWizardPleaseWait.h"

namespace {

using Page = CConnectWizardPleaseWait;

class PleaseWait : public wizardlisttest::ListGroupTest {
protected:
    PleaseWait() { g_bScanDone = false; }
    // Fires the fade timer while it runs; the opacity after each tick.
    std::vector<int> RunFade() {
        std::vector<int> seen{host().opacity()};
        while (host().TimerRunning(Page::kTimerFade) && seen.size() < 50) {
            host().FireTimer(Page::kTimerFade);
            seen.push_back(host().opacity());
        }
        return seen;
    }
};

TEST_F(PleaseWait, OpensFaintInPurpleWithItsTwoTimers) {
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_PLEASEWAIT]\r\n10010=Hold on\r\n");
    Open<Page>();
    EXPECT_EQ(host().GetText(IDC_WIZARD_PLEASEWAIT_TEXT), u"Hold on");
    EXPECT_EQ(host().backgroundColor(), 0x630031u);
    EXPECT_EQ(host().control(IDC_WIZARD_PLEASEWAIT_TEXT).textColor, 0xFFFFFFu);
    EXPECT_EQ(host().opacity(), 31);
    EXPECT_EQ(host().TimerInterval(Page::kTimerStart), 200u);
    EXPECT_EQ(host().TimerInterval(Page::kTimerAdapterWatch), 1000u);
}

// Fade in under the wait cursor, watch the survey, fade out once it ends, then close with OK.
TEST_F(PleaseWait, FadesInWaitsForTheSurveyAndFadesOut) {
    Open<Page>();
    host().FireTimer(Page::kTimerStart);
    EXPECT_FALSE(host().TimerRunning(Page::kTimerStart));
    EXPECT_EQ(host().cursor, ui::Cursor::Wait);
    EXPECT_EQ(host().TimerInterval(Page::kTimerFade), 200u);
    EXPECT_EQ(RunFade(), (std::vector<int>{63, 95, 127, 159, 191, 223, 255, 255}));
    EXPECT_EQ(host().cursor, ui::Cursor::Arrow);
    EXPECT_EQ(host().TimerInterval(Page::kTimerSurveyWatch), 500u);

    host().FireTimer(Page::kTimerSurveyWatch);
    host().PumpPosted();
    EXPECT_FALSE(host().ended()) << "the survey still runs";
    g_bScanDone = true;
    host().FireTimer(Page::kTimerSurveyWatch);
    EXPECT_FALSE(host().TimerRunning(Page::kTimerSurveyWatch));
    EXPECT_EQ(RunFade(), (std::vector<int>{223, 191, 159, 127, 95, 63, 31}));
    EXPECT_FALSE(host().ended()) << "closes through its message";
    host().PumpPosted();
    EXPECT_EQ(host().result(), ui::kIdOk);
}

TEST_F(PleaseWait, ASurveyOverBeforeTheFadeInEndsFadesOutAtOnce) {
    g_bScanDone = true;
    Open<Page>();
    host().FireTimer(Page::kTimerStart);
    std::vector<int> seen = RunFade();
    EXPECT_EQ(seen.size(), 14u);
    EXPECT_EQ(seen.back(), 31);
    EXPECT_FALSE(host().TimerRunning(Page::kTimerSurveyWatch));
    host().PumpPosted();
    EXPECT_EQ(host().result(), ui::kIdOk);
}

TEST_F(PleaseWait, TheHardwareButtonClosesItWithoutFadingOut) {
    Open<Page>();
    host().FireTimer(Page::kTimerStart);
    RunFade();
    HwButtonPressed = true;
    host().FireTimer(Page::kTimerSurveyWatch);
    EXPECT_FALSE(host().TimerRunning(Page::kTimerFade));
    EXPECT_EQ(host().opacity(), 255);
    host().PumpPosted();
    EXPECT_EQ(host().result(), ui::kIdOk);
}

TEST_F(PleaseWait, WithoutWindowOpacityItStaysThreeSecondsAndCloses) {
    Open<Page>([](fakes::FakeHost& h) { h.opacityOffered = false; });
    host().FireTimer(Page::kTimerStart);
    EXPECT_FALSE(host().TimerRunning(Page::kTimerFade));
    EXPECT_EQ(host().cursor, ui::Cursor::Arrow);
    EXPECT_EQ(host().TimerInterval(Page::kTimerPlainWait), 3000u);
    host().FireTimer(Page::kTimerPlainWait);
    host().PumpPosted();
    EXPECT_EQ(host().result(), ui::kIdOk);
}

// An unplug while the survey never ends: the window closes with Cancel and leaves nothing running.
TEST_F(PleaseWait, AMissingAdapterClosesItWithCancelAndStopsTheWatch) {
    Open<Page>();
    host().FireTimer(Page::kTimerStart);
    RunFade();
    host().FireTimer(Page::kTimerAdapterWatch);
    EXPECT_FALSE(host().ended());
    DevicePresent = false;
    host().FireTimer(Page::kTimerAdapterWatch);
    EXPECT_EQ(host().result(), ui::kIdCancel);
    EXPECT_TRUE(host().destroyed());
    for (int timer : {Page::kTimerStart, Page::kTimerAdapterWatch, Page::kTimerFade, Page::kTimerSurveyWatch,
                      Page::kTimerPlainWait}) {
        EXPECT_FALSE(host().TimerRunning(timer)) << timer;
    }
}

} // namespace
