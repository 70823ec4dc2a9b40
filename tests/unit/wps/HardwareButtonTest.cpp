// The adapter's push button on the main window's side: a press with the push-button page open starts
// nothing new, a press during a scan or with no run asks the wizard for a run at page 103, the Vista
// classes take the adapter from the system first; the cancel notice writes whether it comes again and
// never opens twice; the reminder closes with the watchdog.
#include <gtest/gtest.h>

#include "app/AppSettings.h"
#include "mainwnd/CNetUIDlg.h"
#include "unit/wps/WpsTemplates.h"
#include "wps/CHWPBCCancelDlg.h"
#include "wps/CHWPBCDetect.h"
#include "wps/HardwareButton.h"
#include "wps/PageWatchdog.h"
#include "wps/WpsPageGraph.h"

namespace {

class HardwareButtonTest : public wpstest::WpsPageTest {
protected:
    wps::HardwareButton MakeButton() {
        return wps::HardwareButton({[this] { ++reevaluations; }, [this] { ++runsAsked; },
                                    [this](ui::Dialog& dialog) { return runModal(dialog); }});
    }
    int reevaluations = 0;
    int runsAsked = 0;
    std::function<int(ui::Dialog&)> runModal = [](ui::Dialog&) { return ui::kIdOk; };
};

TEST_F(HardwareButtonTest, APressWithThePushButtonPageOpenStartsNoNewRun) {
    wps::HardwareButton button = MakeButton();
    WizardPage = wps::kPagePushButton;
    button.OnPressed();
    EXPECT_TRUE(HwButtonPressed);
    EXPECT_EQ(runsAsked, 0);
    EXPECT_EQ(WizardPage, wps::kPagePushButton);
}

TEST_F(HardwareButtonTest, APressDuringAScanOrWithoutARunAsksForARunAtThePushButtonPage) {
    wps::HardwareButton button = MakeButton();
    for (int page : {wizard::kPageScan, wizard::kPageNone, wizard::kPageList, wps::kPageErrorMessage}) {
        HwButtonPressed = false;
        runsAsked = 0;
        WizardPage = page;
        button.OnPressed();
        EXPECT_TRUE(HwButtonPressed) << page;
        EXPECT_EQ(runsAsked, 1) << page;
    }
    EXPECT_EQ(reevaluations, 0);
    EXPECT_EQ(Stored(appvalue::kAutoConfiguration), u"");
}

TEST_F(HardwareButtonTest, OnVistaClassesThePressTakesTheAdapterFromTheSystemFirst) {
    wps::HardwareButton button = MakeButton();
    for (int os : {kOsVista, kOsVista64}) {
        reevaluations = 0;
        OsClass = os;
        Store(appvalue::kAutoConfiguration, u"2");
        WizardPage = wps::kPagePushButton;
        button.OnPressed();
        EXPECT_EQ(Stored(appvalue::kAutoConfiguration), u"4");
        EXPECT_EQ(reevaluations, 1);
    }
}

TEST_F(HardwareButtonTest, CancelNoticeWritesWhetherItComesAgain) {
    wps::HardwareButton button = MakeButton();
    for (bool tick : {false, true}) {
        runModal = [tick](ui::Dialog& dialog) {
            fakes::FakeHost host(dialog);
            host.Strict();
            host.Open();
            EXPECT_TRUE(host.topMost());
            EXPECT_EQ(host.backgroundColor(), ui::Rgb(255, 255, 255));
            EXPECT_EQ(host.control(IDC_HWPBC_CANCEL_PICTURE).bitmap, IDB_HWPBC_CANCEL);
            EXPECT_EQ(host.GetText(IDC_HWPBC_CANCEL_DONT_SHOW), u"Don't show this message again.");
            EXPECT_EQ(host.Caption(), u"ORVELIN LINK WARDEN");
            EXPECT_FALSE(host.control(IDC_HWPBC_CANCEL_DONT_SHOW).checked);
            host.control(IDC_HWPBC_CANCEL_DONT_SHOW).checked = tick; // the box checks itself
            host.Click(IDC_HWPBC_CANCEL_DONT_SHOW);
            host.Click(IDC_HWPBC_CANCEL_OK);
            return host.result();
        };
        button.ShowCancelNotice();
        EXPECT_EQ(Stored(appvalue::kShowHwPbcCancelMsgBox), tick ? u"0" : u"1");
    }
}

TEST_F(HardwareButtonTest, CancelNoticeIsNotShownAgainWhileItIsOpen) {
    wps::HardwareButton button = MakeButton();
    int shown = 0;
    runModal = [&](ui::Dialog&) {
        ++shown;
        button.ShowCancelNotice(); // a second cancel arrives while the first notice is up
        return ui::kIdOk;
    };
    button.ShowCancelNotice();
    EXPECT_EQ(shown, 1);
    button.ShowCancelNotice();
    EXPECT_EQ(shown, 2);
}

TEST_F(HardwareButtonTest, HooksReachTheButtonAndTheRunningFlag) {
    wps::HardwareButton button = MakeButton();
    MainWindowHooks hooks;
    button.FillHooks(hooks);
    ASSERT_TRUE(hooks.pushButtonRunActive && hooks.startHardwareButtonRun && hooks.showHardwareCancel);
    EXPECT_FALSE(hooks.pushButtonRunActive());
    WpsRunning = true;
    EXPECT_TRUE(hooks.pushButtonRunActive());
    hooks.startHardwareButtonRun();
    EXPECT_EQ(runsAsked, 1);
}

TEST_F(HardwareButtonTest, ReminderClosesWithTheWatchdogOrOk) {
    CHWPBCDetect reminder;
    fakes::FakeHost host(reminder);
    host.Strict();
    host.Open();
    EXPECT_EQ(host.Caption(), u"Orvelin Wireless Adapter");
    EXPECT_EQ(host.GetText(IDC_DETECT_HWPBC_TEXT),
              u"Link Warden didn't detect the Dire 'Z' Edudade button being pressed. Please pree it now.");
    host.FireTimer(wps::PageWatchdog::kTimerId);
    EXPECT_FALSE(host.ended());
    HwButtonPressed = true;
    host.FireTimer(wps::PageWatchdog::kTimerId);
    EXPECT_EQ(host.result(), ui::kIdCancel);

    CHWPBCDetect again;
    fakes::FakeHost okHost(again);
    okHost.Strict();
    okHost.Open();
    okHost.Click(ui::kIdOk);
    EXPECT_EQ(okHost.result(), ui::kIdOk);
}

} // namespace
