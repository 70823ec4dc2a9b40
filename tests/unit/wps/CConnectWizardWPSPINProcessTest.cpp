// Pages 105 and 106 on the fake host and kernel: the request each mode sends, the countdown that waits
// for the first status, the decision 241 ticks after it, the success handling, and the ways out when
// the service stays silent or never confirms an abort.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/Language.h"
#include "base/Text.h"
#include "kernel/WpsRequest.h"
#include "networks/NetworkList.h"
#include "unit/wps/WpsProcessTemplates.h"
#include "wps/CConnectWizardWPSPINProcess.h"
#include "wps/WpsPageGraph.h"

namespace {

using Page = CConnectWizardWPSPINProcess;

kernel::BssEntry Ap(uint8_t last, std::u16string_view ssid = u"AP", uint32_t capabilities = 0) {
    kernel::BssEntry entry{};
    base::CopyToField(entry.ssid, ssid);
    entry.bssid[5] = last;
    entry.capabilities = capabilities;
    return entry;
}

class PinProcess : public wpstest::WpsProcessTest {
protected:
    PinProcess() {
        wizard::SetSelectedSsid(u"HomeNet");
        const uint8_t bssid[6] = {2, 4, 6, 8, 10, 12};
        std::memcpy(WizardProfile.block.BSSID, bssid, 6);
        WizardProfile.block.adHocChannel = 7;
        base::CopyToField(WpsPin.data(), WpsPin.size(), u"12345670");
        WpsApCount = 9;
        WpsApList[3] = Ap(3);
    }
    fakes::FakeHost& OpenMode(int mode) { return Open<Page>(mode, random); }
    // The first status, and the countdown's ticks up to the decision.
    void RunOutTheClock(fakes::FakeHost& host) {
        Report(kernel::KWL_WPS_SCANNING);
        host.PumpPosted();
        for (int tick = 0; tick < 241 && !host.ended(); ++tick) {
            host.FireTimer(Page::kTimerCountdown);
            host.PumpPosted();
        }
    }
};

TEST_F(PinProcess, AdapterPinPageSendsItsRequestWithCancelOffAndNoCountdown) {
    fakes::FakeHost& host = OpenMode(Page::kModeAdapterPin);
    EXPECT_EQ(WpsApCount, 4u) << "the page starts a fresh list";
    EXPECT_EQ(WpsApList[3].bssid[5], 0);
    EXPECT_TRUE(WpsRunning);
    EXPECT_EQ(WizardPage, wps::kPageAdapterPin);
    EXPECT_EQ(kernel.receivers.size(), 1u);
    EXPECT_EQ(CallNames(), (std::vector<std::u16string>{u"AddReceiver", u"WpsPrepare", u"WpsStart"}));
    ASSERT_EQ(kernel.wpsRequests.size(), 1u);
    const kernel::WpsRequest& request = kernel.wpsRequests[0];
    EXPECT_EQ(request.method, kernel::kWpsMethodAdapterPin);
    EXPECT_EQ(base::FieldText(request.pin), u"12345670");
    EXPECT_EQ(base::FieldText(request.ssid), u"HomeNet");
    EXPECT_EQ(request.bssid[5], 12);
    EXPECT_EQ(request.blockValue, 7);
    EXPECT_EQ(base::FieldText(request.newSsid), u"");
    EXPECT_EQ(random.calls, 0);

    EXPECT_EQ(host.GetText(IDC_WPSPINPROC_PIN), u"12345670");
    EXPECT_EQ(host.GetText(IDC_WPSPINPROC_STATUS), u"Discovery");
    EXPECT_EQ(host.GetText(IDC_WPSPINPROC_COUNTDOWN), u"240");
    EXPECT_EQ(host.control(IDC_WPSPINPROC_PROGRESS).rangeMax, 240);
    EXPECT_FALSE(host.IsEnabled(ui::kIdCancel));
    EXPECT_TRUE(host.IsVisible(IDC_WPSPINPROC_LEARN_MORE));
    EXPECT_FALSE(host.IsVisible(IDC_WPSPINPROC_APPIN_MARK));
    EXPECT_FALSE(host.TimerRunning(Page::kTimerCountdown));
    EXPECT_TRUE(host.TimerRunning(Page::kTimerAdapterWatch)) << "the adapter is watched from the start";
}

TEST_F(PinProcess, ApPinPageSendsTheRegistrarValuesFromTheRandomSource) {
    random.bytes = {33, 34, 35, 36, 37, 38, 39, 40, 0};
    random.bytes.insert(random.bytes.end(), 8, 65);
    fakes::FakeHost& host = OpenMode(Page::kModeApPin);
    ASSERT_EQ(kernel.wpsRequests.size(), 1u);
    const kernel::WpsRequest& request = kernel.wpsRequests[0];
    EXPECT_EQ(request.method, kernel::kWpsMethodApPin);
    EXPECT_EQ(base::FieldText(request.newSsid), u"ORVL_ABCDEFGH");
    EXPECT_EQ(base::FieldText(request.newPassphrase), u"aaaaaaaa");
    EXPECT_EQ(request.newSecurity, 0x00100004u);
    EXPECT_EQ(request.newFlags, 0x00010000u);
    EXPECT_FALSE(host.IsVisible(IDC_WPSPINPROC_LEARN_MORE));
    EXPECT_FALSE(host.IsVisible(IDC_WPSPINPROC_ADAPTER_MARK));
    EXPECT_EQ(WizardPage, wps::kPageAdapterPin);
}

TEST_F(PinProcess, WithoutRandomBytesNothingIsSentAndCancelIsOffered) {
    random.fail = true;
    fakes::FakeHost& host = OpenMode(Page::kModeApPin);
    EXPECT_EQ(kernel.CountCalls(u"WpsStart"), 0u);
    EXPECT_TRUE(host.IsEnabled(ui::kIdCancel));
}

TEST_F(PinProcess, GermanJoinsTheTwoNoteTexts) {
    const std::string texts = "[IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS]\r\n260A0=Erst\r\n260B0=dann\r\n";
    UseLanguageFile(texts);
    fakes::FakeHost& english = OpenMode(Page::kModeApPin);
    EXPECT_EQ(english.GetText(IDC_WPSPINPROC_NOTE1), u"Erst");
    EXPECT_EQ(english.GetText(IDC_WPSPINPROC_NOTE2), u"dann");

    Store(u"Language", u"1");
    disk.WriteLanguage("Germany", texts);
    SelectLanguage();
    ASSERT_EQ(LanguageIndex(), 1);
    fakes::FakeHost& german = OpenMode(Page::kModeApPin);
    EXPECT_EQ(german.GetText(IDC_WPSPINPROC_NOTE1), u"Erstdann");
    EXPECT_EQ(german.GetText(IDC_WPSPINPROC_NOTE2), u"");
}

// The countdown waits for the first status; 241 ticks after it the adapter-PIN page gives up.
TEST_F(PinProcess, TheCountdownStartsWithTheFirstStatusAndEndsIn107) {
    fakes::FakeHost& host = OpenMode(Page::kModeAdapterPin);
    Report(kernel::KWL_WPS_STARTING);
    host.PumpPosted();
    EXPECT_TRUE(host.IsEnabled(ui::kIdCancel));
    EXPECT_EQ(host.TimerInterval(Page::kTimerCountdown), 1000u);
    for (int tick = 1; tick <= 240; ++tick) {
        host.FireTimer(Page::kTimerCountdown);
    }
    EXPECT_EQ(host.GetText(IDC_WPSPINPROC_COUNTDOWN), u"0");
    EXPECT_EQ(host.control(IDC_WPSPINPROC_PROGRESS).pos, 240);
    host.PumpPosted();
    EXPECT_FALSE(host.ended());
    const size_t before = kernel.Calls().size();
    host.FireTimer(Page::kTimerCountdown);
    host.PumpPosted();
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wps::kPageErrorMessage);
    EXPECT_EQ(WpsErrorKind, 1);
    EXPECT_EQ(CallNames(before), (std::vector<std::u16string>{u"RemoveReceiver", u"WpsStop"}));
    EXPECT_FALSE(WpsRunning);
}

TEST_F(PinProcess, TheApPinTimeoutAsksWhichApsWereInvolved) {
    struct Case {
        std::vector<kernel::BssEntry> aps;
        int32_t answer;
        uint32_t reported;
        int page;
        uint32_t count;
    };
    const std::vector<Case> cases = {
        {{}, 0, 0, wps::kPageErrorMessage, 0},
        {{Ap(1)}, 0, 0, wps::kPageErrorFail, 1},
        {{Ap(1), Ap(2), Ap(3)}, 0, 0, wps::kPageErrorTimeout, 3},
        {{Ap(1), Ap(2)}, 5, 0, wps::kPageErrorMessage, 0},
        {{Ap(1), Ap(2)}, 0, 9, wps::kPageErrorTimeout, 4}, // an overlong count is cut to the list offered
    };
    for (const Case& c : cases) {
        kernel.wpsApList = c.aps;
        kernel.wpsApListReturn = c.answer;
        kernel.wpsApCountReported = c.reported;
        WpsErrorKind = 0;
        fakes::FakeHost& host = OpenMode(Page::kModeApPin);
        RunOutTheClock(host);
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(WizardPage, c.page) << c.aps.size();
        EXPECT_EQ(WpsApCount, c.count) << c.aps.size();
        if (c.page == wps::kPageErrorMessage) {
            EXPECT_EQ(WpsErrorKind, 1);
        }
    }
}

TEST_F(PinProcess, StatusLinesFollowTheExchange) {
    kernel.wpsApName = u"Garden AP";
    fakes::FakeHost& host = OpenMode(Page::kModeAdapterPin);
    Report(kernel::KWL_WPS_ASSOCIATING);
    host.PumpPosted();
    EXPECT_EQ(host.GetText(IDC_WPSPINPROC_STATUS), u"Try to connect to Garden AP");
    Report(kernel::KWL_WPS_START_PROTOCOL);
    host.PumpPosted();
    EXPECT_EQ(host.GetText(IDC_WPSPINPROC_STATUS), u"Exchange Security Setting");
    Report(kernel::KWL_WPS_SCANNING);
    host.PumpPosted();
    EXPECT_EQ(host.GetText(IDC_WPSPINPROC_STATUS), u"Discovery");
}

TEST_F(PinProcess, ATranslationMayPlaceTheAccessPointsNameItself) {
    kernel.wpsApName = u"Garden AP";
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_WPS_PINNUMBER_PROCESS]\r\n25080=Mit %s verbinden\r\n");
    fakes::FakeHost& host = OpenMode(Page::kModeAdapterPin);
    Report(kernel::KWL_WPS_ASSOCIATING);
    host.PumpPosted();
    EXPECT_EQ(host.GetText(IDC_WPSPINPROC_STATUS), u"Mit Garden AP verbinden ");
    // A pattern the name does not fit is shown as it stands rather than misread.
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_WPS_PINNUMBER_PROCESS]\r\n25080=Mit %d verbinden\r\n");
    fakes::FakeHost& again = OpenMode(Page::kModeAdapterPin);
    Report(kernel::KWL_WPS_ASSOCIATING);
    again.PumpPosted();
    EXPECT_EQ(again.GetText(IDC_WPSPINPROC_STATUS), u"Mit %d verbinden ");
}

// Mode 1 takes the result at once: the network's name, the security rule, WEP keys supplied and the
// scan list's 802.11n; then 108.
TEST_F(PinProcess, SuccessAdoptsTheDeliveredNetwork) {
    networks::ReplaceNetworkList({Ap(1, u"Office", kernel::kCap80211n)});
    base::CopyToField(kernel.wpsResult.ssid, u"Office");
    kernel.wpsResult.securityFlags = kernel::kAuthWpaPsk | kernel::kCipherAes;
    kernel.wpsResult.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_802_11G;
    fakes::FakeHost& host = OpenMode(Page::kModeApPin);
    Report(kernel::KWL_WPS_SUCCESS);
    host.PumpPosted();
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wps::kPageSuccess);
    EXPECT_EQ(wizard::SelectedSsid(), u"Office");
    EXPECT_EQ(WizardProfile.block.securityFlags, 0x100004u) << "this page keeps WPA with AES as WPA";
    EXPECT_EQ(WizardProfile.block.adHocMode, 0x8080);
    EXPECT_EQ(WizardProfile.block.transmitPower, 2048);

    // WEP: the keys count as supplied; mode 0 waits 8 s first.
    kernel.wpsResult.securityFlags = kernel::kAuthCode2 | kernel::kCipherWep;
    WizardProfile.noPassphrase = 0;
    fakes::FakeHost& wep = OpenMode(Page::kModeAdapterPin);
    Report(kernel::KWL_WPS_SUCCESS);
    Report(kernel::KWL_WPS_CANCELLED); // the exchange's end may come during the wait
    wep.PumpPosted();
    EXPECT_FALSE(wep.ended());
    EXPECT_FALSE(wep.IsEnabled(ui::kIdCancel));
    EXPECT_EQ(wep.TimerInterval(Page::kTimerSuccessWait), 8000u);
    wep.FireTimer(Page::kTimerSuccessWait);
    wep.PumpPosted();
    EXPECT_EQ(wep.result(), ui::kIdOk);
    EXPECT_EQ(WizardProfile.noPassphrase, 1u);
}

// A success whose result cannot be read, or names no network, saves nothing: the page asks for the
// APs as after a failure and waits for its countdown.
TEST_F(PinProcess, ASuccessWithoutAUsableResultCountsAsAFailure) {
    for (bool callFails : {true, false}) {
        base::CopyToField(kernel.wpsResult.ssid, callFails ? u"Office" : u"");
        kernel.wpsResultReturn = callFails ? 0 : 1;
        WizardPage = 0;
        fakes::FakeHost& host = OpenMode(Page::kModeApPin);
        const size_t before = kernel.Calls().size();
        Report(kernel::KWL_WPS_SUCCESS);
        host.PumpPosted();
        EXPECT_FALSE(host.ended());
        EXPECT_EQ(WizardPage, wps::kPageAdapterPin);
        EXPECT_EQ(CallNames(before), (std::vector<std::u16string>{u"WpsGetResult", u"WpsGetApList"}));
    }
}

TEST_F(PinProcess, CancelAbortsAndClosesWhenTheServiceConfirms) {
    fakes::FakeHost& host = OpenMode(Page::kModeApPin);
    Report(kernel::KWL_WPS_SCANNING);
    host.PumpPosted();
    host.Click(ui::kIdCancel);
    EXPECT_FALSE(host.IsEnabled(ui::kIdCancel));
    EXPECT_EQ(WizardPage, wps::kPageErrorMessage);
    EXPECT_EQ(WpsErrorKind, 2);
    EXPECT_FALSE(host.ended());
    const size_t before = kernel.Calls().size();
    Report(kernel::KWL_WPS_CANCELLED);
    host.PumpPosted();
    EXPECT_EQ(host.result(), ui::kIdCancel);
    std::vector<std::u16string> closing = CallNames(before);
    closing.erase(std::remove(closing.begin(), closing.end(), u"WpsAbort"), closing.end());
    EXPECT_EQ(closing, (std::vector<std::u16string>{u"Disconnect", u"WpsStop", u"RemoveReceiver"}));
    EXPECT_EQ(kernel.CountCalls(u"WpsAbort"), 1u) << "on the worker, joined before the page went";
    EXPECT_TRUE(kernel.receivers.empty());
}

// A silent service: Cancel comes on after 10 s, and an abort nobody confirms closes the page after 5 s.
TEST_F(PinProcess, ASilentServiceStillLetsTheUserLeave) {
    fakes::FakeHost& host = OpenMode(Page::kModeAdapterPin);
    EXPECT_EQ(host.TimerInterval(Page::kTimerNoStatus), 10000u);
    host.FireTimer(Page::kTimerNoStatus);
    EXPECT_TRUE(host.IsEnabled(ui::kIdCancel));
    host.Click(ui::kIdCancel);
    EXPECT_EQ(host.TimerInterval(Page::kTimerAbortWait), 5000u);
    host.FireTimer(Page::kTimerAbortWait);
    EXPECT_EQ(host.result(), ui::kIdCancel);
    EXPECT_EQ(kernel.CountCalls(u"WpsStop"), 1u);
    EXPECT_TRUE(kernel.receivers.empty());
}

TEST_F(PinProcess, TheAdapterIsWatchedBeforeAnyStatus) {
    fakes::FakeHost& host = OpenMode(Page::kModeAdapterPin);
    host.FireTimer(Page::kTimerAdapterWatch);
    EXPECT_FALSE(host.TimerRunning(Page::kTimerAbortWait));
    DevicePresent = false;
    host.FireTimer(Page::kTimerAdapterWatch);
    EXPECT_FALSE(host.TimerRunning(Page::kTimerAdapterWatch));
    Report(kernel::KWL_WPS_CANCELLED);
    host.PumpPosted();
    EXPECT_EQ(host.result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wps::kPageAdapterPin) << "the wizard ends the run from 105";
    EXPECT_EQ(kernel.CountCalls(u"WpsAbort"), 1u);
}

} // namespace
