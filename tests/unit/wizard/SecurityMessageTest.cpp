#include <gtest/gtest.h>

#include "SettingsDialogTemplates.h"
#include "WizardListTemplates.h"
#include "wizard/CConnectWizardMessagePSK.h"
#include "wizard/CConnectWizardMessageWeb.h"
#include "wizard/CConnectWizardPleaseWait.h"
#include "wizard/CConnectWizardSiteSurveyEx.h"

namespace {

class SecurityMessage : public wizardlisttest::ListGroupTest {};

TEST_F(SecurityMessage, TheWepMessageMarksItsPageAndItsOkLeadsToTheWepOption) {
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_MESSAGE_WEB]\r\n15000=WEP\r\n15010=WEP found\r\n");
    Open<CConnectWizardMessageWeb>();
    EXPECT_EQ(WizardPage, wizard::kPageWepMessage);
    EXPECT_EQ(host().Caption(), u"WEP");
    EXPECT_EQ(host().GetText(IDC_WIZARD_MESSAGE_WEB_TEXT), u"WEP found");
    EXPECT_EQ(host().GetText(ui::kIdOk), u"OK");
    EXPECT_EQ(host().TimerInterval(CConnectWizardMessageWeb::kTimerWatchdog), 1000u);
    host().Click(ui::kIdOk);
    EXPECT_EQ(host().result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageWepOption);
}

TEST_F(SecurityMessage, ThePskMessageNamesWpa2WhenTheNetworkHasItAndLeadsToThePassphrase) {
    UseLanguageFile("[IDD_DLG_CONNECTWIZARD_MESSAGE_PSK]\r\n1A010=WPA\r\n1A011=WPA2\r\n1A040=Go on\r\n");
    for (auto [flags, text] :
         {std::pair{0x100004u, u"WPA"}, std::pair{0x200008u, u"WPA2"}, std::pair{0x300000u, u"WPA2"}}) {
        WizardProfile.block.securityFlags = flags;
        Open<CConnectWizardMessagePSK>();
        EXPECT_EQ(WizardPage, wizard::kPagePskMessage);
        EXPECT_EQ(host().GetText(IDC_WIZARD_MESSAGE_PSK_TEXT), text) << flags;
        EXPECT_EQ(host().GetText(ui::kIdOk), u"Go on");
    }
    host().Click(ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPagePsk);
}

TEST_F(SecurityMessage, TheWatchdogCancelsAndLeavesTheMarkerBehind) {
    Open<CConnectWizardMessagePSK>();
    host().FireTimer(CConnectWizardMessagePSK::kTimerWatchdog);
    EXPECT_FALSE(host().ended());
    DevicePresent = false;
    host().FireTimer(CConnectWizardMessagePSK::kTimerWatchdog);
    EXPECT_EQ(host().result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPagePskMessage);

    DevicePresent = true;
    HwButtonPressed = true;
    Open<CConnectWizardMessageWeb>();
    host().FireTimer(CConnectWizardMessageWeb::kTimerWatchdog);
    EXPECT_EQ(host().result(), ui::kIdCancel);
    EXPECT_EQ(WizardPage, wizard::kPageWepMessage);
}

} // namespace

namespace {

// The shipped English file has every text of the list's group, and the list's columns fit the list
// without scrolling sideways (a vertical scroll bar included).
TEST_F(SecurityMessage, TheShippedEnglishFileGivesTheGroupsTextsAndColumnsThatFit) {
    UseLanguageFile(settingstest::ShippedEnglishFile());
    Open<CConnectWizardMessageWeb>();
    EXPECT_EQ(host().Caption(), u"WEP Security");
    EXPECT_NE(host().GetText(IDC_WIZARD_MESSAGE_WEB_TEXT).find(u"WEP"), std::u16string::npos);
    WizardProfile.block.securityFlags = 0x200008;
    Open<CConnectWizardMessagePSK>();
    EXPECT_NE(host().GetText(IDC_WIZARD_MESSAGE_PSK_TEXT).find(u"WPA2-PSK"), std::u16string::npos);
    Open<CConnectWizardPleaseWait>();
    EXPECT_FALSE(host().GetText(IDC_WIZARD_PLEASEWAIT_TEXT).empty());

    Open<CConnectWizardSiteSurveyEx>();
    EXPECT_FALSE(host().GetText(IDC_WIZARD_LIST_EXPLANATION).empty());
    const fakes::FakeControl& list = host().control(IDC_WIZARD_LIST_NETWORKS);
    int total = 0;
    for (const ui::ListColumn& column : list.columns) {
        EXPECT_FALSE(column.caption.empty());
        total += column.width;
    }
    constexpr int kBorderAndScrollBar = 2 + 17;
    EXPECT_LE(total, list.rect.Width() - kBorderAndScrollBar);
    host().Click(IDC_WIZARD_LIST_REFRESH);
    EXPECT_EQ(host().control(IDC_WIZARD_LIST_NETWORKS).rows[0][0], u"Searching for wireless networks...");
}

} // namespace
