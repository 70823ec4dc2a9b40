// The end of a direct WPS run that sent the user to set the network up by hand: the Settings tab comes
// up with the network's name, BSSID and security, found in the survey by BSSID and name however the
// list was sorted since.
#include <gtest/gtest.h>

#include "SettingsPageFixture.h"
#include "base/Text.h"
#include "mainwnd/CQueryTabCtrl.h"
#include "mainwnd/MainWndMessages.h"
#include "networks/NetworkList.h"
#include "wizard/ManualSetUp.h"
#include "wizard/WizardPages.h"
#include "wizard/WizardState.h"

using namespace settingstest;

namespace {

kernel::BssEntry Entry(std::u16string_view name, uint8_t lastByte, uint32_t security) {
    kernel::BssEntry entry{};
    base::CopyToField(entry.ssid, name);
    entry.bssid[0] = 0x02;
    entry.bssid[5] = lastByte;
    entry.security = security;
    entry.channel = 6;
    entry.signal = lastByte;
    return entry;
}

void ChooseInWizard(const kernel::BssEntry& entry) {
    wizard::SetSelectedSsid(base::FieldText(entry.ssid));
    std::copy(std::begin(entry.bssid), std::end(entry.bssid), WizardProfile.block.BSSID);
    WizardProfile.block.adHocChannel = entry.channel;
}

class ManualSetUp : public SettingsPageTest {
protected:
    ManualSetUp() { wizard::ResetWizardState(); }
    ~ManualSetUp() override {
        wizard::ResetWizardState();
        networks::ResetNetworkList();
    }
};

TEST_F(ManualSetUp, TheNetworkIsFoundByBssidAndNameNotByPosition) {
    const std::vector<kernel::BssEntry> list = {Entry(u"Shop", 1, kernel::kBssWep),
                                                Entry(u"Shop", 2, kernel::kBssWpa2Psk),
                                                Entry(u"Other", 3, kernel::kBssOpen)};
    ChooseInWizard(Entry(u"Shop", 2, 0));
    WizardState.selectedNetwork = 0; // a position of an older order
    kernel::BssEntry network = wizard::ManualSetUpNetwork(list);
    EXPECT_EQ(base::FieldText(network.ssid), u"Shop");
    EXPECT_EQ(network.bssid[5], 2);
    EXPECT_EQ(network.security, kernel::kBssWpa2Psk);

    ChooseInWizard(Entry(u"Gone", 9, 0));
    network = wizard::ManualSetUpNetwork(list);
    EXPECT_EQ(base::FieldText(network.ssid), u"Gone");
    EXPECT_EQ(network.bssid[5], 9);
    EXPECT_EQ(network.security, 0u);
}

TEST_F(ManualSetUp, TheRunEndsOnTheSettingsTabWithTheNetworkToComplete) {
    const kernel::BssEntry shop = Entry(u"Shop", 0x42, kernel::kBssWpa2Psk);
    networks::ReplaceNetworkList({Entry(u"Cafe", 7, kernel::kBssOpen), shop});
    networks::RebuildSideTables();
    OpenPage();
    host->Deliver(kMsgShowMainWindow);
    Settle();
    ChooseInWizard(shop);
    WizardState.selectedNetwork = 1;
    WizardState.manualSetupRequested = true;
    window->SetBusy(true);
    wizard::FinishRun(*window, wizard::RunOutcome{});
    Settle();

    EXPECT_FALSE(WizardState.manualSetupRequested);
    EXPECT_EQ(window->CurrentPage(), CQueryTabCtrl::kSettings);
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Shop");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_SSID), u"Shop");
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_WPA));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_WPA), u"WPA2-PSK[AES]");
    EXPECT_EQ(page.WorkingRecord().block.BSSID[5], 0x42);
    EXPECT_EQ(page.WorkingRecord().block.adHocChannel, 6);
    EXPECT_TRUE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
    EXPECT_TRUE(page.ProfileModified());
    EXPECT_FALSE(StoredProfile(u"Shop")) << "nothing is saved before the user completes it";
}

} // namespace
