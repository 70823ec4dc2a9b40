// Page 103 on the fake host, kernel and clock: the button step, the one request, the countdown (also
// of an exchange the adapter's button started), the cancel guard and its please-wait box, the success
// rules and every way the page closes.
#include <gtest/gtest.h>

#include "app/AppGlobals.h"
#include "base/Text.h"
#include "kernel/WpsRequest.h"
#include "networks/NetworkList.h"
#include "unit/wps/WpsProcessTemplates.h"
#include "wps/CConnectWizardWPSPushButtonProcess.h"
#include "wps/WpsPageGraph.h"

namespace {

using Page = CConnectWizardWPSPushButtonProcess;

class PushButton : public wpstest::WpsProcessTest {
protected:
    PushButton() { WizardProfile.block.adHocChannel = 9; }
    fakes::FakeHost& OpenPage() {
        WpsRunning = false; // the wizard clears it after each push-button page
        return Open<Page>(clock);
    }
    void Status(fakes::FakeHost& host, uint32_t code) {
        Report(code);
        host.PumpPosted();
    }
    // The on-screen button, the request 300 ms later and the service's first report.
    void StartAndCount(fakes::FakeHost& host) {
        host.Click(IDC_WPSPB_BUTTON);
        host.FireTimer(Page::kTimerSendRequest);
        Status(host, kernel::KWL_WPS_STARTING);
    }
    // A hardware-button exchange the service started `ageMs` before the page's first status.
    fakes::FakeHost& OpenHardwareStart(uint32_t ageMs) {
        HwButtonPressed = true;
        kernel.wpsStartTick = clock.TickCount();
        clock.Advance(ageMs);
        return OpenPage();
    }
};

TEST_F(PushButton, StepOneWaitsForAButtonWithoutCountingDown) {
    fakes::FakeHost& host = OpenPage();
    EXPECT_EQ(WizardPage, wps::kPagePushButton);
    EXPECT_EQ(host.GetText(IDC_WPSPB_STEP), u"\r\nStep 1 of 2: Active Dire 'Z' Edudade on your   Adapter");
    EXPECT_EQ(host.GetText(IDC_WPSPB_COUNTDOWN), u"120");
    EXPECT_EQ(host.GetText(IDC_WPSPB_STATUS), u"Discovery");
    EXPECT_EQ(host.GetText(IDC_WPSPB_START), u"Learn More");
    EXPECT_TRUE(host.IsVisible(IDC_WPSPB_BUTTON));
    EXPECT_FALSE(host.IsVisible(IDC_WPSPB_PROGRESS));
    EXPECT_EQ(host.control(IDC_WPSPB_PROGRESS).rangeMax, 120);
    EXPECT_EQ(host.TimerInterval(Page::kTimerBlink), 500u);
    EXPECT_EQ(host.TimerInterval(Page::kTimerReminder), 30000u);
    EXPECT_EQ(host.TimerInterval(Page::kTimerAdapterCheck), 1000u);
    EXPECT_FALSE(host.TimerRunning(Page::kTimerCountdown));
    EXPECT_EQ(CallNames(), std::vector<std::u16string>{u"AddReceiver"});
    ASSERT_EQ(host.modelessChildren.size(), 1u);
    ASSERT_NE(host.Modeless(*host.modelessChildren.front()), nullptr);
    EXPECT_FALSE(host.Modeless(*host.modelessChildren.front())->IsWindowVisible())
        << "please-wait box hidden";
    host.FireTimer(Page::kTimerBlink);
    EXPECT_EQ(host.control(IDC_WPSPB_BLINK).bitmap, IDB_WPS_BLINK_ON);
    host.FireTimer(Page::kTimerBlink);
    EXPECT_EQ(host.control(IDC_WPSPB_BLINK).bitmap, IDB_WPS_BLINK_OFF);
}

// Both start buttons and a double press: one request, sent 300 ms after step 2 shows, WpsPrepare first.
TEST_F(PushButton, PressingTheButtonsSendsOneRequest) {
    fakes::FakeHost& host = OpenPage();
    host.Click(IDC_WPSPB_BUTTON);
    host.SendCommand(IDC_WPSPB_BUTTON, ui::kClicked); // the second click of a double click
    host.SendCommand(IDC_WPSPB_START, ui::kClicked);
    EXPECT_EQ(host.GetText(IDC_WPSPB_STEP),
              u"\r\nStep 2 of 2: Active Dire 'Z' Edudade on your\nAP,router,or gateway");
    EXPECT_FALSE(host.IsEnabled(IDC_WPSPB_CANCEL));
    EXPECT_TRUE(host.IsVisible(IDC_WPSPB_PROGRESS));
    EXPECT_FALSE(host.IsVisible(IDC_WPSPB_BUTTON));
    EXPECT_FALSE(host.TimerRunning(Page::kTimerReminder));
    EXPECT_EQ(host.TimerInterval(Page::kTimerSendRequest), 300u);
    EXPECT_EQ(kernel.CountCalls(u"WpsStart"), 0u);
    host.FireTimer(Page::kTimerSendRequest);
    EXPECT_FALSE(host.TimerRunning(Page::kTimerSendRequest));
    host.SendCommand(IDC_WPSPB_BUTTON, ui::kClicked);
    EXPECT_EQ(CallNames(), (std::vector<std::u16string>{u"AddReceiver", u"WpsPrepare", u"WpsStart"}));
    ASSERT_EQ(kernel.wpsRequests.size(), 1u);
    EXPECT_EQ(kernel.wpsRequests[0].method, kernel::kWpsMethodPushButton);
    EXPECT_EQ(kernel.wpsRequests[0].blockValue, 9);
    EXPECT_TRUE(WpsRunning);
}

TEST_F(PushButton, TheCountdownRunsFromTheFirstStatusToTheRetryPage) {
    fakes::FakeHost& host = OpenPage();
    host.Click(IDC_WPSPB_BUTTON);
    host.FireTimer(Page::kTimerSendRequest);
    EXPECT_EQ(host.GetText(IDC_WPSPB_COUNTDOWN), u"120") << "no status, no countdown";
    EXPECT_FALSE(host.TimerRunning(Page::kTimerCountdown));
    Status(host, kernel::KWL_WPS_SCANNING);
    EXPECT_TRUE(host.IsEnabled(IDC_WPSPB_CANCEL));
    for (int tick = 0; tick < 120; ++tick) {
        host.FireTimer(Page::kTimerCountdown);
    }
    EXPECT_EQ(host.control(IDC_WPSPB_PROGRESS).pos, 120);
    host.PumpPosted();
    EXPECT_FALSE(host.ended());
    const size_t before = kernel.Calls().size();
    HwButtonPressed = true; // whatever set it, a closing page clears it
    host.FireTimer(Page::kTimerCountdown);
    host.PumpPosted();
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wps::kPageRetry);
    EXPECT_EQ(WpsErrorKind, 0);
    EXPECT_EQ(CallNames(before), (std::vector<std::u16string>{u"RemoveReceiver", u"WpsStop"}));
    EXPECT_FALSE(HwButtonPressed);
}

TEST_F(PushButton, TheCountdownFormatOfTheTranslationIsUsedWhenItFits) {
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS]\r\n24080=%d s left\r\n");
    EXPECT_EQ(OpenPage().GetText(IDC_WPSPB_COUNTDOWN), u"120 s left");
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS]\r\n24080=%s left\r\n");
    EXPECT_EQ(OpenPage().GetText(IDC_WPSPB_COUNTDOWN), u"%s left");
}

// The adapter's button: the page sends nothing, shows the single step, and counts only what is left
// of the walk time since the service started (plus 3 s), never below 0 or above 120.
TEST_F(PushButton, AHardwareStartCountsFromTheServicesStart) {
    fakes::FakeHost& host = OpenHardwareStart(20000);
    EXPECT_EQ(host.GetText(IDC_WPSPB_STEP), u"\r\nActive Dire 'Z' Edudade on your\nAP,router,or gateway");
    EXPECT_TRUE(WpsMode);
    EXPECT_TRUE(WpsRunning);
    EXPECT_EQ(kernel.CountCalls(u"WpsStart"), 0u);
    Status(host, 0x0007);
    EXPECT_FALSE(host.TimerRunning(Page::kTimerCountdown)) << "codes below 16 do not start it";
    EXPECT_EQ(host.GetText(IDC_WPSPB_COUNTDOWN), u"120");
    Status(host, kernel::KWL_WPS_STARTING);
    EXPECT_EQ(host.GetText(IDC_WPSPB_COUNTDOWN), u"103");
}

TEST_F(PushButton, AHardwareStartOlderThanTheWalkTimeCountsFromZero) {
    fakes::FakeHost& old = OpenHardwareStart(130000);
    Status(old, kernel::KWL_WPS_SCANNING);
    EXPECT_EQ(old.GetText(IDC_WPSPB_COUNTDOWN), u"0");
    old.FireTimer(Page::kTimerCountdown);
    old.PumpPosted();
    EXPECT_EQ(WizardPage, wps::kPageRetry);
}

TEST_F(PushButton, AFreshHardwareStartNeverCountsAboveTheTotal) {
    fakes::FakeHost& fresh = OpenHardwareStart(0);
    Status(fresh, kernel::KWL_WPS_SCANNING);
    EXPECT_EQ(fresh.GetText(IDC_WPSPB_COUNTDOWN), u"120");
}

TEST_F(PushButton, TheHardwareButtonOnAWaitingPageOnlyMovesItToStepTwo) {
    fakes::FakeHost& host = OpenPage();
    Status(host, kernel::WPS_ST_HW_BUTTON);
    EXPECT_TRUE(HwButtonPressed);
    EXPECT_TRUE(WpsMode);
    EXPECT_FALSE(host.IsVisible(IDC_WPSPB_BUTTON));
    host.SendCommand(IDC_WPSPB_START, ui::kClicked);
    EXPECT_FALSE(host.TimerRunning(Page::kTimerSendRequest));
    Status(host, kernel::WPS_ST_HW_CANCEL);
    EXPECT_FALSE(host.TimerRunning(Page::kTimerCountdown)) << "the cancel notice is the window's";
    EXPECT_EQ(kernel.CountCalls(u"WpsStart"), 0u);
}

// Cancel one second into the countdown waits two more, then shows the please-wait box and aborts on
// the worker; the page closes when the service confirms, in the abort order.
TEST_F(PushButton, ACancelSoonAfterTheStartWaitsForTheGuard) {
    fakes::FakeHost& host = OpenPage();
    StartAndCount(host);
    host.FireTimer(Page::kTimerCountdown);
    host.Click(IDC_WPSPB_CANCEL);
    EXPECT_FALSE(host.IsEnabled(IDC_WPSPB_CANCEL));
    EXPECT_EQ(host.TimerInterval(Page::kTimerCancelDelay), 2000u);
    EXPECT_EQ(kernel.CountCalls(u"WpsAbort"), 0u);
    fakes::FakeHost* box = host.Modeless(*host.modelessChildren.front());
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->IsWindowVisible());
    host.FireTimer(Page::kTimerCancelDelay);
    EXPECT_TRUE(box->IsWindowVisible());
    EXPECT_EQ(WizardPage, wps::kPageErrorMessage);
    EXPECT_EQ(WpsErrorKind, 2);
    const size_t before = kernel.Calls().size();
    Status(host, kernel::KWL_WPS_CANCELLED);
    EXPECT_EQ(host.result(), ui::kIdCancel);
    std::vector<std::u16string> closing = CallNames(before);
    closing.erase(std::remove(closing.begin(), closing.end(), u"WpsAbort"), closing.end());
    EXPECT_EQ(closing, (std::vector<std::u16string>{u"Disconnect", u"WpsStop", u"RemoveReceiver"}));
    EXPECT_EQ(kernel.CountCalls(u"WpsAbort"), 1u);
}

TEST_F(PushButton, ALaterCancelAbortsAtOnce) {
    fakes::FakeHost& host = OpenPage();
    StartAndCount(host);
    for (int i = 0; i < 3; ++i) {
        host.FireTimer(Page::kTimerCountdown);
    }
    host.Click(IDC_WPSPB_CANCEL);
    EXPECT_FALSE(host.TimerRunning(Page::kTimerCancelDelay));
    EXPECT_EQ(host.TimerInterval(Page::kTimerAbortWait), 5000u);
}

TEST_F(PushButton, CancelBeforeAnyButtonGoesBackToTheMethodChoice) {
    fakes::FakeHost& host = OpenPage();
    host.Click(IDC_WPSPB_CANCEL);
    EXPECT_EQ(host.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wps::kPageSelectMethod);
    EXPECT_EQ(WpsErrorKind, 2);
    EXPECT_EQ(CallNames(1), (std::vector<std::u16string>{u"WpsStop", u"RemoveReceiver"}));

    fakes::FakeHost& express = OpenPage();
    express.Click(IDC_WPSPB_BACK_TO_EXPRESS);
    EXPECT_EQ(express.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wps::kPageExpressCheck);
}

// A service that never reports, or never confirms an abort, still lets the user out.
TEST_F(PushButton, ASilentServiceStillLetsTheUserLeave) {
    fakes::FakeHost& host = OpenPage();
    host.Click(IDC_WPSPB_BUTTON);
    host.FireTimer(Page::kTimerSendRequest);
    EXPECT_EQ(host.TimerInterval(Page::kTimerNoStatus), 10000u);
    host.FireTimer(Page::kTimerNoStatus);
    EXPECT_TRUE(host.IsEnabled(IDC_WPSPB_CANCEL));
    host.Click(IDC_WPSPB_CANCEL);
    host.FireTimer(Page::kTimerCancelDelay);
    host.FireTimer(Page::kTimerAbortWait);
    EXPECT_EQ(host.result(), ui::kIdCancel);
    EXPECT_TRUE(kernel.receivers.empty());
}

TEST_F(PushButton, SuccessWaitsEightSecondsAndAdoptsTheNetwork) {
    networks::ReplaceNetworkList({});
    base::CopyToField(kernel.wpsResult.ssid, u"Office");
    kernel.wpsResult.securityFlags = kernel::kAuthWpaPsk | kernel::kCipherAes;
    kernel.wpsResult.band = kernel::KWL_FLAG_BAND_2_4G;
    base::CopyToField(WizardProfile.block.psk, u"left over");
    fakes::FakeHost& host = OpenPage();
    StartAndCount(host);
    Status(host, kernel::KWL_WPS_SUCCESS);
    EXPECT_FALSE(host.IsEnabled(IDC_WPSPB_CANCEL));
    Status(host, kernel::KWL_WPS_CANCELLED);
    EXPECT_FALSE(host.ended()) << "the result comes first";
    EXPECT_EQ(host.TimerInterval(Page::kTimerSuccessWait), 8000u);
    host.FireTimer(Page::kTimerSuccessWait);
    host.PumpPosted();
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wps::kPageSuccess);
    EXPECT_EQ(wizard::SelectedSsid(), u"Office");
    EXPECT_EQ(WizardProfile.block.securityFlags, 0x200008u);
    EXPECT_EQ(base::FieldText(WizardProfile.block.psk), u"") << "the block was cleared before the call";
    EXPECT_EQ(WizardProfile.block.transmitPower, 2048);
    EXPECT_TRUE(Traced(u"KWL_FLAG_BAND_2_4G"));
    EXPECT_TRUE(Traced(u"WEP key index = 0"));

    // A WEP network with a 13-character key, on a first run that saves silently.
    WizardState.firstRun = true;
    Store(u"InstallType", u"0");
    kernel.wpsResult.securityFlags = kernel::kAuthCode2 | kernel::kCipherWep;
    base::CopyToField(kernel.wpsResult.wepKeys[0], u"abcdefghijklm");
    fakes::FakeHost& wep = OpenPage();
    StartAndCount(wep);
    Status(wep, kernel::KWL_WPS_SUCCESS);
    wep.FireTimer(Page::kTimerSuccessWait);
    wep.PumpPosted();
    EXPECT_EQ(WizardPage, wizard::kPageSilentSave);
    EXPECT_EQ(WizardProfile.block.securityFlags, 0x40002u);
    EXPECT_EQ(base::FieldText(WizardProfile.block.wepKeys[0]), u"6162636465666768696A6B6C6D");
    EXPECT_EQ(WizardProfile.block.keyFormat, 512u);
    EXPECT_EQ(WizardProfile.noPassphrase, 1u);
}

TEST_F(PushButton, A80211nNetworkOfTheScanListGetsTheNModes) {
    kernel::BssEntry office{};
    base::CopyToField(office.ssid, u"Office");
    office.capabilities = kernel::kCap80211n;
    networks::ReplaceNetworkList({office});
    base::CopyToField(kernel.wpsResult.ssid, u"Office");
    kernel.wpsResult.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_802_11G;
    fakes::FakeHost& host = OpenPage();
    StartAndCount(host);
    Status(host, kernel::KWL_WPS_SUCCESS);
    host.FireTimer(Page::kTimerSuccessWait);
    EXPECT_EQ(WizardProfile.block.adHocMode, 0x8080);
}

// A success whose result cannot be read or names no network is a failure: nothing is kept and the
// run ends from page 103.
TEST_F(PushButton, ASuccessWithoutAUsableResultSavesNothing) {
    for (bool callFails : {true, false}) {
        base::CopyToField(kernel.wpsResult.ssid, callFails ? u"Office" : u"");
        kernel.wpsResultReturn = callFails ? 0 : 1;
        wizard::SetSelectedSsid(u"Chosen");
        fakes::FakeHost& host = OpenPage();
        StartAndCount(host);
        Status(host, kernel::KWL_WPS_SUCCESS);
        const size_t before = kernel.Calls().size();
        host.FireTimer(Page::kTimerSuccessWait);
        host.PumpPosted();
        EXPECT_EQ(host.result(), ui::kIdCancel);
        EXPECT_EQ(WizardPage, wps::kPagePushButton);
        EXPECT_EQ(wizard::SelectedSsid(), u"Chosen");
        EXPECT_EQ(CallNames(before),
                  (std::vector<std::u16string>{u"WpsGetResult", u"WpsFailureCheck", u"WpsFailureCheck",
                                               u"Disconnect", u"WpsStop", u"RemoveReceiver"}));
    }
}

TEST_F(PushButton, FailureAndOverlapCloseAsCancelled) {
    kernel.wpsFailureCheck = -1;
    fakes::FakeHost& failed = OpenPage();
    StartAndCount(failed);
    Status(failed, kernel::KWL_WPS_FAILURE);
    EXPECT_EQ(failed.result(), ui::kIdCancel);
    EXPECT_EQ(kernel.CountCalls(u"WpsFailureCheck"), 1u) << "a negative answer is not asked again";
    EXPECT_EQ(WizardPage, wps::kPagePushButton);

    fakes::FakeHost& overlap = OpenPage();
    StartAndCount(overlap);
    Status(overlap, kernel::KWL_WPS_MANY_APS_IN_PB_MODE);
    EXPECT_EQ(overlap.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wps::kPageErrorMessage);
    EXPECT_EQ(WpsErrorKind, 4);
}

// Pulling the adapter out closes the page and clears the button's mark, also for a hardware start.
TEST_F(PushButton, DeviceRemovalClosesThePageAndClearsTheButtonsMark) {
    fakes::FakeHost& waiting = OpenPage();
    for (kernel::INotificationReceiver* r : std::vector(kernel.receivers)) {
        r->OnWKDeviceRemoved();
    }
    waiting.PumpPosted();
    EXPECT_EQ(waiting.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPageNone);

    fakes::FakeHost& hardware = OpenHardwareStart(1000);
    for (kernel::INotificationReceiver* r : std::vector(kernel.receivers)) {
        r->OnWKDeviceRemoved();
    }
    hardware.PumpPosted();
    EXPECT_EQ(hardware.result(), ui::kIdCancel);
    EXPECT_FALSE(HwButtonPressed);
    EXPECT_EQ(kernel.CountCalls(u"GetAdapterConfig"), 1u);

    HwButtonPressed = true;
    fakes::FakeHost& checked = OpenPage();
    DevicePresent = false;
    checked.FireTimer(Page::kTimerAdapterCheck);
    Status(checked, kernel::KWL_WPS_CANCELLED);
    EXPECT_TRUE(checked.ended());
    EXPECT_FALSE(HwButtonPressed);
}

TEST_F(PushButton, TheReminderComesEveryThirtySecondsWhileNothingRuns) {
    fakes::FakeHost& host = OpenPage();
    host.FireTimer(Page::kTimerReminder);
    EXPECT_FALSE(host.TimerRunning(Page::kTimerReminder));
    host.PumpPosted();
    EXPECT_EQ(host.modalTemplates, std::vector<int>{IDD_DIALOG_MESSAGE_DETECT_HWPBC});
    EXPECT_EQ(host.TimerInterval(Page::kTimerReminder), 30000u);

    host.Click(IDC_WPSPB_EXPRESS_INFO);
    EXPECT_EQ(host.modalTemplates.back(), IDD_DLG_CONNECTWIZARD_MESSAGE_EXPRESS_WPS);
}

TEST_F(PushButton, ARetryStartsAtOnceWithTheSingleStep) {
    WpsRetryRequested = true;
    fakes::FakeHost& host = OpenPage();
    EXPECT_EQ(host.GetText(IDC_WPSPB_STEP), u"\r\nActive Dire 'Z' Edudade on your\nAP,router,or gateway");
    EXPECT_TRUE(host.TimerRunning(Page::kTimerSendRequest));
    EXPECT_FALSE(host.TimerRunning(Page::kTimerReminder));
}

} // namespace
