#include <gtest/gtest.h>

#include "wizard/WizardState.h"

namespace {

TEST(WizardStateTest, SelectedSsidIsTheProfilesNetworkNameCutToItsField) {
    wizard::ResetWizardState();
    wizard::SetSelectedSsid(u"HomeNet");
    EXPECT_EQ(wizard::SelectedSsid(), u"HomeNet");
    EXPECT_EQ(std::u16string(WizardProfile.NetworkName), u"HomeNet");

    wizard::SetSelectedSsid(std::u16string(300, u'x'));
    EXPECT_EQ(wizard::SelectedSsid().size(), kernel::kNetworkNameUnits - 1);
    EXPECT_EQ(WizardProfile.NetworkName[kernel::kNetworkNameUnits - 1], u'\0');
}

TEST(WizardStateTest, ResetGivesTheValuesOfANewWindow) {
    WizardPage = 14;
    SaveAtEnd = false;
    WizardState.wpaHide = false;
    WizardState.wepKeySize64 = false;
    WizardRowMap = {3, 4};
    wizard::ResetWizardState();
    EXPECT_EQ(WizardPage, 0);
    EXPECT_TRUE(SaveAtEnd);
    EXPECT_TRUE(WizardState.wpaHide);
    EXPECT_TRUE(WizardState.wepPhraseHide);
    EXPECT_FALSE(WizardState.wepKeyHide);
    EXPECT_TRUE(WizardState.wepKeySize64);
    EXPECT_TRUE(WizardRowMap.empty());
    EXPECT_EQ(WizardState.selectedNetwork, -1);
}

} // namespace
