// The pages after an unsuccessful attempt on the fake host: the error page's texts by kind (the
// template's texts for an unknown kind, translations shown as they stand), the BSSID lines of the
// failure pages (none, one, several, more than the service may name), and Retry.
#include <gtest/gtest.h>

#include "unit/wps/WpsTemplates.h"
#include "wps/CConnectWizardWPSErrorFail.h"
#include "wps/CConnectWizardWPSErrorMessage.h"
#include "wps/CConnectWizardWPSErrorTimeout.h"
#include "wps/CConnectWizardWPSRetry.h"
#include "wps/PageWatchdog.h"
#include "wps/WpsErrorRules.h"
#include "wps/WpsPageGraph.h"

namespace {

constexpr ui::Color kRed = ui::Rgb(255, 0, 0);

class WpsErrorPages : public wpstest::WpsPageTest {
protected:
    static void SetAps(uint32_t count, uint32_t reported) {
        for (uint32_t i = 0; i < wps::kApListEntries; ++i) {
            for (uint8_t b = 0; b < 6; ++b) {
                WpsApList[i].bssid[b] = i < count ? static_cast<uint8_t>(0x10 * (i + 1) + b) : 0;
            }
        }
        WpsApCount = reported;
    }
};

TEST_F(WpsErrorPages, ErrorPageShowsTheHeadlineAndDetailOfItsKind) {
    struct Case {
        int kind;
        std::u16string headline;
        std::u16string detail;
    };
    const Case cases[] = {
        {0, u"WPS procedure time out.", u"Fail to join a wireless network in 2 minutes."},
        {1, u"WPS procedure time out.", u"Fail to join a wireless network in 4 minutes."},
        {2, u"WPS procedure is cancelled by user.", u"Fail to join a wireless network."},
        {3, u"The AP's PIN is not correct.", u""},
        {4, u"Security Risk:detecting more than one AP with push botton pressed.",
         u"Fail to join a wireless client to the network."},
    };
    for (const Case& c : cases) {
        WpsErrorKind = c.kind;
        fakes::FakeHost& host = Open<CConnectWizardWPSErrorMessage>();
        EXPECT_EQ(host.GetText(IDC_WPSERROR_HEADLINE), c.headline) << c.kind;
        EXPECT_EQ(host.GetText(IDC_WPSERROR_DETAIL), c.detail) << c.kind;
        EXPECT_EQ(host.control(IDC_WPSERROR_HEADLINE).textColor, kRed);
        EXPECT_EQ(host.backgroundColor(), ui::Rgb(255, 255, 255));
        EXPECT_EQ(host.GetText(ui::kIdCancel), u"&OK");
    }
}

TEST_F(WpsErrorPages, ErrorPageOfAnUnknownKindKeepsTheTemplateTextsAndStillCloses) {
    // The fake host's template texts are empty: the page writes neither control.
    for (int kind : {-1, 5, 99}) {
        WpsErrorKind = kind;
        fakes::FakeHost& host = Open<CConnectWizardWPSErrorMessage>();
        EXPECT_EQ(host.GetText(IDC_WPSERROR_HEADLINE), u"") << kind;
        EXPECT_EQ(host.GetText(IDC_WPSERROR_DETAIL), u"") << kind;
        host.Click(ui::kIdCancel);
        EXPECT_EQ(host.result(), ui::kIdCancel);
    }
}

TEST_F(WpsErrorPages, ErrorPageShowsTranslationsWithConversionsAsTheyStand) {
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_WPS_ERROR_MESSAGE]\n27011=Abgebrochen %s\n27021=100%% %d\n"
                    "[IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS]\n27300=&Schliessen\n");
    WpsErrorKind = wps::kErrorCancelled;
    fakes::FakeHost& host = Open<CConnectWizardWPSErrorMessage>();
    EXPECT_EQ(host.GetText(IDC_WPSERROR_HEADLINE), u"Abgebrochen %s");
    EXPECT_EQ(host.GetText(IDC_WPSERROR_DETAIL), u"100%% %d");
    EXPECT_EQ(host.GetText(ui::kIdCancel), u"&Schliessen");
}

TEST_F(WpsErrorPages, FailurePageQuotesTheFirstApAndLeadsToTheListAsCancelled) {
    SetAps(1, 1);
    WpsApList[0].bssid[5] = 0xAB;
    WizardPage = wps::kPageErrorFail;
    fakes::FakeHost& host = Open<CConnectWizardWPSErrorFail>();
    EXPECT_EQ(host.GetText(IDC_WPSFAIL_BSSID), u"\"10:11:12:13:14:AB\"");
    EXPECT_EQ(host.control(IDC_WPSFAIL_HEADLINE).textColor, kRed);
    EXPECT_TRUE(host.control(1247).font.bold);
    EXPECT_EQ(host.control(1247).font.face, u"Arial");
    EXPECT_FALSE(host.control(1244).font.bold);
    EXPECT_EQ(host.GetText(ui::kIdCancel), u"OK");
    host.Click(ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPageList);
    EXPECT_EQ(host.result(), ui::kIdCancel);
}

TEST_F(WpsErrorPages, TimeoutPageListsTheInvolvedApsAtMostFour) {
    struct Case {
        uint32_t reported;
        std::u16string line;
    };
    const Case cases[] = {
        {0, u"."},
        {1, u"10:11:12:13:14:15."},
        {3, u"10:11:12:13:14:15, 20:21:22:23:24:25, 30:31:32:33:34:35."},
        {5, u"10:11:12:13:14:15, 20:21:22:23:24:25, 30:31:32:33:34:35, 40:41:42:43:44:45."},
        {0xFFFFFFFF, u"10:11:12:13:14:15, 20:21:22:23:24:25, 30:31:32:33:34:35, 40:41:42:43:44:45."},
    };
    for (const Case& c : cases) {
        SetAps(wps::kApListEntries, c.reported);
        fakes::FakeHost& host = Open<CConnectWizardWPSErrorTimeout>();
        EXPECT_EQ(host.GetText(IDC_WPSTIMEOUT_BSSIDS), c.line) << c.reported;
        host.Click(ui::kIdCancel);
        EXPECT_EQ(host.result(), ui::kIdCancel);
    }
}

TEST_F(WpsErrorPages, TimeoutPageExplainsMoreBeforeThePinChoiceWasShown) {
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_WPS_ERROR_TIMEOUT]\n28020=before\n28021=after\n");
    fakes::FakeHost& before = Open<CConnectWizardWPSErrorTimeout>(true);
    EXPECT_EQ(before.GetText(IDC_WPSTIMEOUT_FIRST_DETAIL), u"before");
    EXPECT_EQ(before.control(IDC_WPSTIMEOUT_HEADLINE).textColor, kRed);
    EXPECT_EQ(before.control(1263).font.face, u"Arial");
    EXPECT_TRUE(before.control(1263).font.bold);
    fakes::FakeHost& after = Open<CConnectWizardWPSErrorTimeout>(false);
    EXPECT_EQ(after.GetText(IDC_WPSTIMEOUT_FIRST_DETAIL), u"after");
}

TEST_F(WpsErrorPages, RetryGoesBackToThePushButtonPageAndCancelEnds) {
    fakes::FakeHost& retry = Open<CConnectWizardWPSRetry>();
    EXPECT_EQ(retry.GetText(IDC_WPSRETRY_HEADLINE), u"WPS has timed out");
    EXPECT_EQ(retry.GetText(IDC_WPSRETRY_RETRY), u"Retry");
    EXPECT_EQ(retry.control(IDC_WPSRETRY_HEADLINE).textColor, kRed);
    retry.Click(IDC_WPSRETRY_RETRY);
    EXPECT_EQ(retry.result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wps::kPagePushButton);

    fakes::FakeHost& cancelled = Open<CConnectWizardWPSRetry>();
    cancelled.Click(ui::kIdCancel);
    EXPECT_EQ(cancelled.result(), ui::kIdCancel);
}

TEST_F(WpsErrorPages, EveryErrorPageClosesAsCancelledWhenTheAdapterGoes) {
    WpsErrorKind = 0;
    fakes::FakeHost& error = Open<CConnectWizardWPSErrorMessage>();
    DevicePresent = false;
    error.FireTimer(wps::PageWatchdog::kTimerId);
    EXPECT_EQ(error.result(), ui::kIdCancel);
    fakes::FakeHost& retry = Open<CConnectWizardWPSRetry>();
    retry.FireTimer(wps::PageWatchdog::kTimerId);
    EXPECT_EQ(retry.result(), ui::kIdCancel);
}

} // namespace
