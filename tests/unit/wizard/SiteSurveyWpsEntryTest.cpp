// The network list's entry into the WPS pages: the first Next on a network that offers WPS goes to the
// WPS check page with the network's name, BSSID and the value after it; once the user declined there,
// Next goes on as for any other network.
#include <gtest/gtest.h>

#include "WizardListTemplates.h"
#include "kernel/ConnectionBlock.h"
#include "wizard/CConnectWizardSiteSurveyEx.h"

namespace {

using Page = CConnectWizardSiteSurveyEx;
using wizardlisttest::Network;

class SiteSurveyWpsEntry : public wizardlisttest::ListGroupTest {
protected:
    void ChooseRow(int row) {
        host().SelectRow(IDC_WIZARD_LIST_NETWORKS, row);
        host().Click(IDC_WIZARD_NEXT);
        host().FireTimer(Page::kTimerClose);
    }
    static kernel::BssEntry WpsNetwork() {
        kernel::BssEntry shop = Network(u"Shop", kernel::kBssWpa2Psk, 60, kernel::kCapWps);
        shop.bssid[0] = 0x02;
        shop.bssid[5] = 0x77;
        shop.channel = 0x0B0B;
        return shop;
    }
};

TEST_F(SiteSurveyWpsEntry, TheFirstNextOnAWpsNetworkGoesToTheWpsCheckWithTheNetwork) {
    networks::ReplaceNetworkList({Network(u"Cafe", kernel::kBssOpen, 80), WpsNetwork()});
    Open<Page>();
    ChooseRow(1);
    EXPECT_EQ(host().result(), ui::kIdOk);
    EXPECT_EQ(WizardPage, wizard::kPageWpsFirst);
    EXPECT_EQ(wizard::SelectedSsid(), u"Shop");
    EXPECT_EQ(WizardState.selectedNetwork, 1);
    EXPECT_EQ(WizardProfile.block.BSSID[0], 0x02);
    EXPECT_EQ(WizardProfile.block.BSSID[5], 0x77);
    EXPECT_EQ(WizardProfile.block.adHocChannel, 0x0B0B);
    EXPECT_TRUE(host().modalTemplates.empty()) << "no security message before the WPS check";
}

TEST_F(SiteSurveyWpsEntry, AfterTheCheckWasDeclinedNextWorksAsForAnyNetwork) {
    networks::ReplaceNetworkList({WpsNetwork()});
    WizardState.wpsCheckDeclined = true;
    WpsMode = true;
    Open<Page>();
    host().modalHandler = [](ui::Dialog&) {
        WizardPage = wizard::kPagePsk; // the WPA-PSK message's OK
        return ui::kIdOk;
    };
    ChooseRow(0);
    EXPECT_EQ(host().modalTemplates, std::vector<int>{IDD_DLG_CONNECTWIZARD_MESSAGE_PSK});
    EXPECT_EQ(WizardPage, wizard::kPagePsk);
    EXPECT_FALSE(WpsMode);
}

TEST_F(SiteSurveyWpsEntry, NetworksWithoutWpsOrWithoutANameKeepTheirWay) {
    networks::ReplaceNetworkList(
        {Network(u"Cafe", kernel::kBssOpen, 80), Network(u"", kernel::kBssWpa2Psk, 50, kernel::kCapWps)});
    Open<Page>();
    ChooseRow(0);
    EXPECT_EQ(WizardPage, wizard::kPageSaveProfile);
    Open<Page>();
    ChooseRow(1);
    EXPECT_EQ(WizardPage, wizard::kPageHidden);
}

} // namespace
