// The WPS check (100), Express check (101) and method choice (102) pages and the information dialogs
// on the fake host: what each stores for the wizard's graph, the hidden Back of a run that began at
// the push-button page, the check page's cancel mark, and the one-second watchdog.
#include <gtest/gtest.h>

#include "app/AppSettings.h"
#include "unit/wps/WpsTemplates.h"
#include "wps/CConnectWizardMessageExpressWPS.h"
#include "wps/CConnectWizardMessageWPS.h"
#include "wps/CConnectWizardWPSCheck.h"
#include "wps/CConnectWizardWPSExpressCheck.h"
#include "wps/CConnectWizardWPSHelpforAP.h"
#include "wps/CConnectWizardWPSSelectPsuhButton.h"
#include "wps/PageWatchdog.h"
#include "wps/WpsPageGraph.h"

namespace {

using wps::CloseReason;
using wps::PageWatchdog;

class WpsChoicePages : public wpstest::WpsPageTest {};

TEST_F(WpsChoicePages, WatchdogNamesWhyAPageCloses) {
    const PageWatchdog page;
    const PageWatchdog expressInfoOfARunningExchange(true);
    EXPECT_EQ(page.Reason(), CloseReason::None);

    HwButtonPressed = true;
    EXPECT_EQ(page.Reason(), CloseReason::HardwareButton);
    EXPECT_EQ(expressInfoOfARunningExchange.Reason(), CloseReason::None);
    HwButtonPressed = false;

    // On the Vista classes the user may have handed the adapter to the system.
    Store(appvalue::kAutoConfiguration, u"2");
    EXPECT_EQ(page.Reason(), CloseReason::None);
    OsClass = kOsVista64;
    EXPECT_EQ(page.Reason(), CloseReason::ZeroConfigOwns);
    Store(appvalue::kAutoConfiguration, u"4");
    EXPECT_EQ(page.Reason(), CloseReason::None);
    g_bZeroConfig = true;
    EXPECT_EQ(expressInfoOfARunningExchange.Reason(), CloseReason::ZeroConfigOwns);
    DevicePresent = false;
    EXPECT_EQ(page.Reason(), CloseReason::AdapterGone);
    EXPECT_FALSE(page.Fires(2));
    EXPECT_TRUE(page.Fires(PageWatchdog::kTimerId));
}

TEST_F(WpsChoicePages, CheckPageYesGoesToTheMethodChoiceInWpsMode) {
    fakes::FakeHost& host = Open<CConnectWizardWPSCheck>();
    EXPECT_TRUE(host.control(IDC_WPSCHECK_YES).checked);
    EXPECT_EQ(host.GetText(IDC_WPSCHECK_LEARN_MORE), u"Leam More");
    EXPECT_EQ(host.GetText(IDC_WPSCHECK_NEXT), u"&Next>");
    EXPECT_EQ(host.GetText(IDC_WPSCHECK_BACK), u"<&Back");
    EXPECT_TRUE(host.IsVisible(IDC_WPSCHECK_BACK));
    EXPECT_EQ(host.TimerInterval(PageWatchdog::kTimerId), 1000u);
    host.Click(IDC_WPSCHECK_NEXT);
    EXPECT_EQ(host.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wps::kPageSelectMethod);
    EXPECT_TRUE(WpsMode);
    EXPECT_FALSE(WizardState.wpsCheckDeclined);
}

TEST_F(WpsChoicePages, CheckPageNoAndBackReturnToTheListWithoutWps) {
    for (ui::ControlId leave : {IDC_WPSCHECK_NO, IDC_WPSCHECK_BACK}) {
        WpsMode = true;
        WizardState.wpsCheckDeclined = false;
        fakes::FakeHost& host = Open<CConnectWizardWPSCheck>();
        if (leave == IDC_WPSCHECK_NO) {
            host.Click(IDC_WPSCHECK_NO);
            host.Click(IDC_WPSCHECK_NEXT);
            EXPECT_EQ(host.result(), ui::kIdOk);
        } else {
            host.Click(IDC_WPSCHECK_BACK);
            EXPECT_EQ(host.result(), ui::kIdCancel);
        }
        EXPECT_EQ(WizardPage, wizard::kPageList);
        EXPECT_FALSE(WpsMode);
        EXPECT_TRUE(WizardState.wpsCheckDeclined);
        EXPECT_TRUE(WizardState.preselectRequested);
        EXPECT_FALSE(WpsCheckCancelled);
    }
}

TEST_F(WpsChoicePages, CheckPageCancelAndWatchdogLeaveTheCancelMark) {
    fakes::FakeHost& cancelled = Open<CConnectWizardWPSCheck>();
    WpsMode = true;
    cancelled.Click(ui::kIdCancel);
    EXPECT_EQ(cancelled.result(), ui::kIdCancel);
    EXPECT_TRUE(WpsCheckCancelled);
    EXPECT_FALSE(WpsMode);
    EXPECT_EQ(WizardPage, wizard::kPageList);

    wps::ResetWpsState();
    WizardPage = wps::kPageCheck;
    fakes::FakeHost& watched = Open<CConnectWizardWPSCheck>();
    watched.FireTimer(PageWatchdog::kTimerId);
    EXPECT_FALSE(watched.ended());
    HwButtonPressed = true;
    watched.FireTimer(PageWatchdog::kTimerId);
    EXPECT_EQ(watched.result(), ui::kIdCancel);
    EXPECT_TRUE(WpsCheckCancelled);
    EXPECT_EQ(WizardPage, wizard::kPageList);
}

TEST_F(WpsChoicePages, CheckPageHidesBackInARunThatBeganAtThePushButtonPage) {
    WizardOrigin = wizard::kOriginPushButton;
    fakes::FakeHost& host = Open<CConnectWizardWPSCheck>();
    EXPECT_FALSE(host.IsVisible(IDC_WPSCHECK_BACK));
}

TEST_F(WpsChoicePages, CheckPageLearnMoreOpensTheInformationWhoseOkLeadsBackToTheCheck) {
    fakes::FakeHost& host = Open<CConnectWizardWPSCheck>();
    WizardPage = wizard::kPageList;
    host.modalHandler = [](ui::Dialog& child) {
        fakes::FakeHost info(child);
        info.Strict();
        info.Open();
        EXPECT_EQ(info.TimerInterval(PageWatchdog::kTimerId), 1000u);
        info.Click(IDC_MESSAGEWPS_OK);
        return info.result();
    };
    host.Click(IDC_WPSCHECK_LEARN_MORE);
    EXPECT_EQ(host.modalTemplates, std::vector<int>{IDD_DLG_CONNECTWIZARD_MESSAGE_WPS});
    EXPECT_EQ(WizardPage, wps::kPageCheck);
    EXPECT_FALSE(host.ended());
}

TEST_F(WpsChoicePages, ExpressCheckStandsInTheMiddleOfTheScreenAndLeadsToThePushButtonOrTheList) {
    fakes::FakeHost& host = Open<CConnectWizardWPSExpressCheck>();
    const ui::Rect window = host.window();
    const ui::Rect screen = host.ScreenRect();
    EXPECT_LE(std::abs((window.left + window.right) - (screen.left + screen.right)), 1);
    EXPECT_LE(std::abs((window.top + window.bottom) - (screen.top + screen.bottom)), 1);
    EXPECT_EQ(host.Caption(), u"Orvelin Wireless Adapter");
    host.Click(IDC_WPSEXPRESS_NEXT);
    EXPECT_EQ(WizardPage, wps::kPagePushButton);
    EXPECT_TRUE(WpsMode);
    EXPECT_EQ(host.result(), ui::kIdOk);

    fakes::FakeHost& no = Open<CConnectWizardWPSExpressCheck>();
    no.Click(IDC_WPSEXPRESS_NO);
    no.Click(IDC_WPSEXPRESS_NEXT);
    EXPECT_EQ(WizardPage, wizard::kPageList);
    EXPECT_FALSE(WpsMode);

    fakes::FakeHost& cancelled = Open<CConnectWizardWPSExpressCheck>();
    cancelled.Click(IDC_WPSEXPRESS_CANCEL);
    EXPECT_EQ(cancelled.result(), ui::kIdCancel);
}

TEST_F(WpsChoicePages, ExpressInformationOfARunningExchangeOutlivesTheHardwareButton) {
    HwButtonPressed = true;
    fakes::FakeHost& running = Open<CConnectWizardMessageExpressWPS>(true);
    running.FireTimer(PageWatchdog::kTimerId);
    EXPECT_FALSE(running.ended());
    DevicePresent = false;
    running.FireTimer(PageWatchdog::kTimerId);
    EXPECT_EQ(running.result(), ui::kIdCancel);

    DevicePresent = true;
    fakes::FakeHost& fromPage = Open<CConnectWizardMessageExpressWPS>();
    fromPage.FireTimer(PageWatchdog::kTimerId);
    EXPECT_EQ(fromPage.result(), ui::kIdCancel);
}

TEST_F(WpsChoicePages, MethodChoiceLeadsToPushButtonOrPinBackToTheCheckAndCancelEnds) {
    fakes::FakeHost& push = Open<CConnectWizardWPSSelectPsuhButton>();
    EXPECT_TRUE(push.control(IDC_WPSSELECT_PUSHBUTTON).checked);
    push.Click(IDC_WPSSELECT_NEXT);
    EXPECT_EQ(WizardPage, wps::kPagePushButton);
    EXPECT_EQ(push.result(), ui::kIdOk);

    fakes::FakeHost& pin = Open<CConnectWizardWPSSelectPsuhButton>();
    pin.Click(IDC_WPSSELECT_PIN);
    pin.Click(IDC_WPSSELECT_NEXT);
    EXPECT_EQ(WizardPage, wps::kPagePinChoice);

    fakes::FakeHost& back = Open<CConnectWizardWPSSelectPsuhButton>();
    back.Click(IDC_WPSSELECT_BACK);
    EXPECT_EQ(WizardPage, wps::kPageCheck);
    EXPECT_EQ(back.result(), ui::kIdOk);

    fakes::FakeHost& cancelled = Open<CConnectWizardWPSSelectPsuhButton>();
    cancelled.Click(IDC_WPSSELECT_CANCEL);
    EXPECT_EQ(WizardPage, wizard::kPageList);
    EXPECT_EQ(cancelled.result(), ui::kIdCancel);
}

TEST_F(WpsChoicePages, PagesTakeTheirTextsFromTheirSections) {
    UseLanguageFile(
        "[IDD_DLG_CONNECTWIZARD_WPS_SELPUSHBUTTON]\n21000=Method\n21200=Button\n21210=PIN code\n"
        "[IDD_DLG_CONNECTWIZARD_MESSAGE_WPSHELP_FOR_AP]\n23000=Help\n23010=First\n23081=Last\n23300=Close\n");
    fakes::FakeHost& select = Open<CConnectWizardWPSSelectPsuhButton>();
    EXPECT_EQ(select.Caption(), u"Method");
    EXPECT_EQ(select.GetText(IDC_WPSSELECT_PUSHBUTTON), u"Button");
    EXPECT_EQ(select.GetText(IDC_WPSSELECT_PIN), u"PIN code");
    EXPECT_EQ(select.GetText(IDC_WPSSELECT_BACK), u"<&Back");

    fakes::FakeHost& help = Open<CConnectWizardWPSHelpforAP>();
    EXPECT_EQ(help.Caption(), u"Help");
    EXPECT_EQ(help.GetText(IDC_WPSHELPAP_TEXT_FIRST), u"First");
    EXPECT_EQ(help.GetText(IDC_WPSHELPAP_TEXT_FIRST + 15), u"Last");
    EXPECT_EQ(help.GetText(IDC_WPSHELPAP_OK), u"Close");
    help.Click(IDC_WPSHELPAP_OK);
    EXPECT_EQ(help.result(), ui::kIdOk);
}

} // namespace
