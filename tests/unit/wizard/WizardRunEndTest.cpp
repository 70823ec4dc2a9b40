// The end of a wizard run on the main window's thread, with the real Settings page: what is stored,
// what is applied, and how the window comes back; and the wizard's thread started from the window.
#include <gtest/gtest.h>

#include "SettingsPageFixture.h"
#include "base/Text.h"
#include "mainwnd/ConnectWorker.h"
#include "mainwnd/MainWndMessages.h"
#include "res/WizardFrameIds.h"
#include "wizard/ConnectWizard.h"
#include "wizard/WizardPages.h"
#include "wizard/WizardState.h"

using namespace settingstest;

namespace {

class WizardRunEnd : public SettingsPageTest {
protected:
    WizardRunEnd() { wizard::ResetWizardState(); }

    void OpenShown() {
        OpenPage();
        host->Deliver(kMsgShowMainWindow);
        Settle();
        modals.clear();
    }

    // The working profile a run left: a WPA2-PSK network with its key, under `name`.
    void WizardMadeProfile(std::u16string_view name, std::u16string_view network, std::u16string_view key) {
        page.MakeFactoryProfile(WizardProfile);
        base::CopyToField(WizardProfile.ConfigurationName, name);
        wizard::SetSelectedSsid(network);
        WizardProfile.block.securityFlags = kernel::kSecurityWpa2PskAes;
        WizardProfile.block.keyFormat = kernel::kKeyPskAscii;
        base::CopyToField(WizardProfile.block.psk, key);
    }

    void Finish(bool storeAtEnd) {
        wizard::RunOutcome outcome;
        outcome.storeAtEnd = storeAtEnd;
        window->SetBusy(true);
        wizard::FinishRun(*window, outcome);
        Settle();
    }

    std::u16string ConnectedPsk() {
        window->Workers().Connector().Step();
        return kernel.connects.empty() ? u"" : std::u16string(base::FieldText(kernel.connects.back().psk));
    }
};

TEST_F(WizardRunEnd, AKeptProfileIsStoredFirstAfterTheDefaultAndApplied) {
    OpenShown();
    PutProfile(u"Office", u"OfficeNet", 1);
    WizardMadeProfile(u"Home", u"HomeNet", u"sunflower42");
    Finish(true);

    EXPECT_FALSE(window->Busy());
    EXPECT_TRUE(StoredProfile(u"Home"));
    EXPECT_EQ(StoredText(u"Home", u"NetworkName"), u"HomeNet");
    {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        int count = profiles::LoadProfileTable(0);
        ASSERT_GE(count, 2);
        EXPECT_EQ(base::FieldText(profiles::ProfileTable[1].ConfigurationName), u"Home") << "promoted";
    }
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Home");
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
    EXPECT_EQ(modals, std::vector<int>{IDD_DLG_VALIDATE_SETTING})
        << "no TKIP notice for the wizard's profile";
    EXPECT_EQ(base::FieldText(profiles::CopyCurrentProfile().ConfigurationName), u"Home");
    EXPECT_TRUE(ConnectRequested());
    EXPECT_EQ(RequestedIndex(), mainwnd::kSelectedProfile);
    EXPECT_EQ(ConnectedPsk(), u"sunflower42");
}

TEST_F(WizardRunEnd, AProfileOfThatNameIsOverwrittenWithoutAnotherQuestion) {
    OpenShown();
    WizardMadeProfile(u"Home", u"HomeNet", u"oldkey123");
    {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        profiles::LoadProfileTable(0);
        ASSERT_EQ(profiles::AddProfile(WizardProfile), profiles::kAddAdded);
    }
    WizardMadeProfile(u"Home", u"HomeNet", u"newkey456");
    Finish(true);
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_EQ(base::FieldText(profiles::CopyCurrentProfile().block.psk), u"newkey456");
    kernel::WirelessProfile stored{};
    profiles::ReadProfile(std::u16string(profiles::kProfileListKey) + u"\\Home", stored);
    EXPECT_EQ(base::FieldText(stored.block.psk), u"newkey456");
}

TEST_F(WizardRunEnd, AFullStoreSaysSoAndAppliesNothing) {
    OpenShown();
    for (int i = 1; i < profiles::kMaxStoredProfiles; ++i) {
        PutProfile(u"P" + base::Widen(std::to_string(i)), u"Net", i);
    }
    WizardMadeProfile(u"Home", u"HomeNet", u"sunflower42");
    Finish(true);
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{u"Beyond the limit of max profile"});
    EXPECT_FALSE(StoredProfile(u"Home"));
    EXPECT_FALSE(ConnectRequested());
    EXPECT_TRUE(modals.empty()) << "not validated: nothing is applied";
    EXPECT_TRUE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE)) << "the user can save once there is room";
    EXPECT_TRUE(host->IsWindowVisible());
}

TEST_F(WizardRunEnd, WithoutSavingTheSettingsAreAppliedUnderTheNewProfileName) {
    OpenShown();
    WizardMadeProfile(u"Home", u"HomeNet", u"sunflower42");
    SaveAtEnd = false;
    Finish(true);
    EXPECT_FALSE(StoredProfile(u"Home"));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"New profile");
    EXPECT_TRUE(ConnectRequested());
    EXPECT_EQ(ConnectedPsk(), u"sunflower42");
}

TEST_F(WizardRunEnd, ARunThatSetUpNothingBringsTheWindowBackOnlyWithTheAdapter) {
    OpenPage();
    Settle();
    Finish(false);
    EXPECT_FALSE(window->Busy());
    EXPECT_FALSE(host->IsWindowVisible()) << "never shown before: only raised in the window order";
    EXPECT_FALSE(ConnectRequested());

    host->Deliver(kMsgShowMainWindow);
    Settle();
    host->ShowWindow(false);
    Finish(false);
    EXPECT_TRUE(host->IsWindowVisible());

    DevicePresent = false;
    Finish(false);
    EXPECT_FALSE(host->IsWindowVisible());
}

TEST_F(WizardRunEnd, FindANetworkRunsTheDriverOnItsOwnThreadAndEndsOnTheWindowsThread) {
    fakes::FakeClock wizardClock;
    std::vector<int> pagesShown; // written on the wizard's thread, read after it returned
    wizard::ConnectWizard connectWizard({[&](ui::Dialog& shownPage) {
                                             pagesShown.push_back(shownPage.TemplateId());
                                             return static_cast<int>(ui::kIdCancel);
                                         },
                                         wizardClock,
                                         codePage,
                                         {}});
    MainWindowHooks hooks;
    connectWizard.FillHooks(hooks);
    window = std::make_unique<CNetUIDlg>(nullptr, MainPages{page, networks, statistics, about},
                                         MainWindowPlatform{clock, system, sound}, hooks);
    connectWizard.Attach(*window);
    window->SetStartWorkerThreads(false);
    host = std::make_unique<fakes::FakeHost>(*window, ui::Rect{300, 200, 816, 620});
    DevicePresent = true;
    host->Open();
    host->Deliver(kMsgShowMainWindow);
    Settle();

    host->Click(IDC_BUTTON_FIND_NETWORK);
    EXPECT_TRUE(window->Busy());
    EXPECT_TRUE(wizard::ConnectWizardRunning());
    host->Click(IDC_BUTTON_FIND_NETWORK); // refused while a run is open
    connectWizard.WaitUntilRunReturns();
    Settle();

    // "Please Wait" cancelled leaves the page at 3, so the list comes; its Back without a WPS network
    // ends the run.
    EXPECT_EQ(pagesShown,
              (std::vector<int>{IDD_DLG_CONNECTWIZARD_PLEASEWAIT, IDD_DLG_CONNECTWIZARD_SITESURVEY_EX}));
    EXPECT_EQ(networks.calls, std::vector<std::string>{"rescan"});
    EXPECT_FALSE(window->Busy());
    EXPECT_FALSE(wizard::ConnectWizardRunning());
    EXPECT_TRUE(host->IsWindowVisible()) << "shown before the run: shown again";
}

} // namespace
