// Page 6 on the fake host: the choice the profile's no-passphrase flag records, where Next and Back go,
// and Back hidden when the Networks tab chose a named network.
#include <gtest/gtest.h>

#include "WizardSecurityTemplates.h"
#include "wizard/CConnectWizardSecurityWeb.h"

namespace {

using wizardsecuritytest::SecurityPageTest;
using wizardsecuritytest::Toggle;

class SecurityWebPage : public SecurityPageTest {};

TEST_F(SecurityWebPage, OpensWithTheFlagsChoiceAndNextGoesWhereTheChoiceSays) {
    for (uint32_t flag : {0u, 1u}) {
        SCOPED_TRACE(flag);
        WizardProfile.noPassphrase = flag;
        WizardPage = 0;
        fakes::FakeHost& host = Open<CConnectWizardSecurityWeb>();
        EXPECT_EQ(WizardPage, wizard::kPageWepOption);
        EXPECT_EQ(host.control(IDC_RADIO_WEB_PASSPHRASE).checked, flag == 0);
        EXPECT_EQ(host.control(IDC_RADIO_WEB_HEX).checked, flag == 1);
        host.Click(IDC_WIZARD_NEXT);
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(WizardPage, flag == 0 ? wizard::kPageWepPhrase : wizard::kPageWepHex);
    }
}

TEST_F(SecurityWebPage, TheOtherChoiceChangesTheFlagAndTheNextPage) {
    WizardProfile.noPassphrase = 0;
    fakes::FakeHost& host = Open<CConnectWizardSecurityWeb>();
    Toggle(host, IDC_RADIO_WEB_HEX);
    EXPECT_EQ(WizardProfile.noPassphrase, 1u);
    EXPECT_FALSE(host.control(IDC_RADIO_WEB_PASSPHRASE).checked);
    Toggle(host, IDC_RADIO_WEB_PASSPHRASE);
    EXPECT_EQ(WizardProfile.noPassphrase, 0u);
    Toggle(host, IDC_RADIO_WEB_HEX);
    host.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(WizardPage, wizard::kPageWepHex);
    EXPECT_EQ(host.result(), ui::kIdOk);
}

TEST_F(SecurityWebPage, BackGoesToTheListForANamedNetworkAndToTheHiddenPageForAHiddenOne) {
    struct Case {
        const char* what;
        bool fromList;
        int selected;
        std::u16string ssid;
        int back;
    };
    const Case cases[] = {
        {"named network from the list", false, 0, u"Cafe", wizard::kPageList},
        // Page 12 has named the hidden network by now: the list entry still has no name.
        {"hidden network from the list", false, 1, u"Secret", wizard::kPageHidden},
        {"hidden network from the Networks tab", true, 1, u"Secret", wizard::kPageHidden},
        {"no list entry", false, -1, u"Secret", wizard::kPageHidden},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WizardState.fromList = c.fromList;
        WizardState.selectedNetwork = c.selected;
        wizard::SetSelectedSsid(c.ssid);
        fakes::FakeHost& host = Open<CConnectWizardSecurityWeb>();
        ASSERT_TRUE(host.IsVisible(IDC_WIZARD_BACK));
        host.Click(IDC_WIZARD_BACK);
        EXPECT_EQ(host.result(), ui::kIdOk);
        EXPECT_EQ(WizardPage, c.back);
    }
}

TEST_F(SecurityWebPage, BackIsHiddenWhenTheNetworksTabChoseANamedNetwork) {
    WizardState.fromList = true;
    WizardState.selectedNetwork = 0;
    wizard::SetSelectedSsid(u"Cafe");
    fakes::FakeHost& host = Open<CConnectWizardSecurityWeb>();
    EXPECT_FALSE(host.IsVisible(IDC_WIZARD_BACK));
    EXPECT_TRUE(host.IsVisible(IDC_WIZARD_NEXT));
}

} // namespace
