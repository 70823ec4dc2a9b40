// The main window's Apply on the Settings page, the question about unsaved edits when the window goes,
// and what the page does after the priority, advanced and ad-hoc dialogs.
#include "SettingsPageFixture.h"
#include "mainwnd/MainWndMessages.h"

using namespace settingstest;

namespace {

class SettingsApply : public SettingsPageTest {
protected:
    void ShowWindow() {
        host->Deliver(kMsgShowMainWindow);
        host->SetActive(true);
    }
    void Apply() {
        host->Click(IDC_BUTTON_FIRST_ACTION);
        Settle();
    }
    // The connect worker takes the request up, as its thread would.
    void RunConnectWorker() { window->Workers().Connector().Step(); }
    std::u16string ConnectedSsid() {
        return kernel.connects.empty() ? u"" : std::u16string(base::FieldText(kernel.connects.back().ssid));
    }
    bool Traced(std::u16string_view line) {
        return std::find(traces.begin(), traces.end(), line) != traces.end();
    }
};

} // namespace

TEST_F(SettingsApply, ApplySavesThenNotifiesValidatesAndConnects) {
    OpenPage();
    ShowWindow();
    kernel.Calls(); // what opening did is not of interest
    Page().Type(IDC_COMBO_PROFILE_SSID, u"Cafe");
    Page().Type(IDC_COMBO_PROFILE_NAME, u"Cafe");
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WPA);
    Page().SelectItem(IDC_COMBO_PROFILE_WPA, 0); // WPA-PSK[TKIP], on the factory profile's 300 Mbps modes
    Page().Type(IDC_EDIT_PROFILE_PSK, u"password1");
    Apply();

    EXPECT_EQ(KernelCalls(u"Disconnect").size(), 1u) << "the window disconnects before the page applies";
    EXPECT_TRUE(StoredProfile(u"Cafe")) << "Save was enabled: the profile is stored first";
    EXPECT_EQ(modals, (std::vector<int>{IDD_DIALOG_MESSAGE_TKIP_IMPORTAMT, IDD_DLG_VALIDATE_SETTING}));
    EXPECT_TRUE(Traced(u"\n***Wireless Setting Change = 0***"));
    EXPECT_EQ(profiles::CopyCurrentProfile().NetworkName, std::u16string(u"Cafe"));
    EXPECT_TRUE(ConnectRequested());
    EXPECT_EQ(RequestedIndex(), mainwnd::kSelectedProfile);
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
    EXPECT_TRUE(host->IsEnabled(IDC_BUTTON_FIRST_ACTION));

    RunConnectWorker();
    EXPECT_EQ(ConnectedSsid(), u"Cafe");
    ASSERT_FALSE(kernel.connects.empty());
    EXPECT_EQ(kernel.connects.back().securityFlags, kernel::kSecurityWpaPskTkip);
    EXPECT_EQ(base::FieldText(kernel.connects.back().psk), u"password1");
}

TEST_F(SettingsApply, NoTkipNoticeWithout300MbpsModesOrFromTheWizard) {
    OpenPage();
    // Hidden in the tray: no splash either.
    TypeWpa2Profile(u"Slow", u"SlowNet", u"password1");
    Page().SelectItem(IDC_COMBO_PROFILE_WPA, 0);
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    kernel::WirelessProfile only54 = page.WorkingRecord();
    ASSERT_EQ(only54.block.securityFlags, kernel::kSecurityWpaPskTkip);
    // The advanced dialog left only "Up to 54Mbps (2.4GHz)".
    only54.wirelessModes = kernel::kMode54G;
    profiles::UpdateProfile(only54);
    Page().SelectItem(IDC_COMBO_PROFILE_NAME, Page().Combo(IDC_COMBO_PROFILE_NAME).Find(u"Slow"));
    Apply();
    EXPECT_TRUE(modals.empty());
    EXPECT_TRUE(ConnectRequested());

    // A TKIP profile on 300 Mbps applied for the wizard: no notice.
    window->ConnectRequests().Clear();
    TypeWpa2Profile(u"Fast", u"FastNet", u"password1");
    Page().SelectItem(IDC_COMBO_PROFILE_WPA, 0);
    window->SetWizardApplying(true);
    Apply();
    EXPECT_TRUE(modals.empty());
    EXPECT_TRUE(ConnectRequested());
}

TEST_F(SettingsApply, ARejectedKeyStopsTheFlow) {
    OpenPage();
    ShowWindow();
    Page().Type(IDC_COMBO_PROFILE_SSID, u"Lab");
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WPA);
    Page().Type(IDC_EDIT_PROFILE_PSK, u"short");
    Apply();
    EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{u"You must set key with 8 characters at least!"}));
    EXPECT_FALSE(StoredProfile(u"Lab"));
    EXPECT_FALSE(ConnectRequested());
    EXPECT_TRUE(modals.empty());
}

TEST_F(SettingsApply, GermanMessagesUseTheProgramsOwnDialogButOne) {
    Store(u"Language", u"1");
    SelectLanguage();
    OpenPage();
    ShowWindow();
    Page().Type(IDC_COMBO_PROFILE_SSID, u"Lab");
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WPA);
    Page().Type(IDC_EDIT_PROFILE_PSK, u"short");
    Apply();
    EXPECT_EQ(modals, (std::vector<int>{IDD_DIALOG_SYSMESSAGE_YES}));
    EXPECT_TRUE(Page().messageBoxes.empty());
    modals.clear();
    Page().Type(IDC_EDIT_PROFILE_PSK, std::u16string(64, u'x'));
    Apply();
    EXPECT_TRUE(modals.empty());
    EXPECT_EQ(MessageTexts().size(), 1u) << "the 64-character message keeps its message box";
}

TEST_F(SettingsApply, ApplyingAnUnsavedProfileMovesItFirst) {
    OpenPage();
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    TypeWpa2Profile(u"Office", u"OfficeNet", u"password2");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    ASSERT_EQ(Items(IDC_COMBO_PROFILE_NAME), (std::vector<std::u16string>{u"Default", u"Office", u"Home"}));
    Page().SelectItem(IDC_COMBO_PROFILE_NAME, 2);
    Apply();
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_NAME), (std::vector<std::u16string>{u"Default", u"Home", u"Office"}));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Home");
    EXPECT_EQ(profiles::CopyCurrentProfile().NetworkName, std::u16string(u"HomeNet"));
    RunConnectWorker();
    EXPECT_EQ(ConnectedSsid(), u"HomeNet");
}

TEST_F(SettingsApply, WindowsManagingTheAdapterAppliesNothing) {
    OpenPage();
    g_bZeroConfig = true; // what the zero-configuration check answers on this system (XP)
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    page.ApplySettings();
    EXPECT_FALSE(StoredProfile(u"Home"));
    EXPECT_FALSE(ConnectRequested());
    g_bZeroConfig = false;
}

// ---------------------------------------------------------------------------------------------------
// Unsaved edits

TEST_F(SettingsApply, HidingWithEditsAsksAndCancelBringsTheProfileBack) {
    OpenPage();
    ShowWindow();
    host->Click(IDC_BUTTON_CLOSE);
    EXPECT_TRUE(modals.empty()) << "nothing edited, nothing asked";

    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    host->Click(IDC_BUTTON_CLOSE);
    EXPECT_EQ(modals, (std::vector<int>{IDD_DIALOG_MODIFY_PROFILE}));
    EXPECT_FALSE(StoredProfile(u"Home"));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Default");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_SSID), u"Any (First available network)");
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_DISABLE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));

    modals.clear();
    modalAnswers[IDD_DIALOG_MODIFY_PROFILE] = ui::kIdOk;
    ShowWindow();
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    host->Click(IDC_BUTTON_CLOSE);
    EXPECT_EQ(modals, (std::vector<int>{IDD_DIALOG_MODIFY_PROFILE}));
    EXPECT_EQ(StoredText(u"Home", u"NetworkName"), u"HomeNet") << "Save saved it";
}

TEST_F(SettingsApply, OnlyTheKeyNumberChangedCountsAsAChange) {
    OpenPage();
    ShowWindow();
    Page().Type(IDC_COMBO_PROFILE_SSID, u"Lab");
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WEP);
    Page().Type(IDC_EDIT_PROFILE_WEP_PASSPHRASE, u"secret");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    ASSERT_TRUE(StoredProfile(u"Lab"));
    Page().SelectItem(IDC_COMBO_PROFILE_KEY_NUMBER, 2);
    host->Click(IDC_BUTTON_CLOSE);
    EXPECT_EQ(modals, (std::vector<int>{IDD_DIALOG_MODIFY_PROFILE}));
}

// ---------------------------------------------------------------------------------------------------
// After the dialogs

TEST_F(SettingsApply, PriorityOkAppliesTheNewFirstProfile) {
    OpenPage();
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    TypeWpa2Profile(u"Office", u"OfficeNet", u"password2");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    // The user moves Home up and presses OK.
    modalAnswers[IDD_DIALOG_PROFILE_SETTING_PRIORITY] = ui::kIdOk;
    whilePriorityOpen = [] {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        int count = profiles::LoadProfileTable(0);
        std::swap(profiles::ProfileTable[1], profiles::ProfileTable[2]);
        profiles::RewriteProfileOrder(count);
    };
    Page().Click(IDC_BUTTON_PROFILE_PRIORITY_PROFILE);
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_NAME), (std::vector<std::u16string>{u"Default", u"Home", u"Office"}));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Office") << "the list keeps its text";
    EXPECT_EQ(profiles::CopyCurrentProfile().NetworkName, std::u16string(u"HomeNet"));
    EXPECT_TRUE(ConnectRequested());

    // Cancel: nothing applied.
    window->ConnectRequests().Clear();
    modalAnswers[IDD_DIALOG_PROFILE_SETTING_PRIORITY] = ui::kIdCancel;
    whilePriorityOpen = nullptr;
    Page().Click(IDC_BUTTON_PROFILE_PRIORITY_PROFILE);
    EXPECT_FALSE(ConnectRequested());
}

TEST_F(SettingsApply, PriorityOkWithOnlyTheDefaultProfileAppliesNothing) {
    OpenPage();
    profiles::SetCurrentProfile(page.WorkingRecord());
    modalAnswers[IDD_DIALOG_PROFILE_SETTING_PRIORITY] = ui::kIdOk;
    Page().Click(IDC_BUTTON_PROFILE_PRIORITY_PROFILE);
    EXPECT_FALSE(ConnectRequested());
    EXPECT_EQ(profiles::CopyCurrentProfile().ConfigurationName, std::u16string(u"Default"))
        << "the empty slot 1 was not made the current profile";
}

TEST_F(SettingsApply, AdvancedSettingsSuspendTheAltKeysAndOkIsAnEdit) {
    OpenPage();
    ShowWindow();
    host->Deliver(mainwnd::kMsgActivation, 1);
    Page().Type(IDC_COMBO_PROFILE_NAME, u"Home");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    bool hotKeysWhileOpen = true;
    Page().modalHandler = [&](ui::Dialog& child) {
        modals.push_back(child.TemplateId());
        hotKeysWhileOpen = host->HotKeyRegistered(mainwnd::kHotKeyDelete);
        return ui::kIdOk;
    };
    Page().Click(IDC_BUTTON_PROFILE_ADVANCED_SETTING);
    EXPECT_EQ(modals, (std::vector<int>{IDD_DIALOG_PROFILE_ADVANCED_SETTING}));
    EXPECT_FALSE(hotKeysWhileOpen);
    EXPECT_TRUE(host->HotKeyRegistered(mainwnd::kHotKeyDelete));
    EXPECT_TRUE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
}

// The main window shows the current profile again once the adapter has connected: that is the profile
// just applied, read back from where it is kept, and edits the user has begun meanwhile stay.
TEST_F(SettingsApply, TheAppliedProfileIsKeptAndShownAfterTheConnection) {
    OpenPage();
    ShowWindow();
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    Apply();
    std::u16string kept;
    registry.ReadString(platform::kHkeyLocalMachine, std::u16string(mainwndtest::kAppKey) + u"\\ProfileData",
                        u"ConfigurationName", kept);
    EXPECT_EQ(kept, u"Home");
    Connected(u"HomeNet", 80);
    RunConnectWorker();
    Settle();
    host->FireTimer(mainwnd::kTimerConnectWatch);
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Home");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_SSID), u"HomeNet");
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE)) << "the applied profile";

    // Applied from the priority dialog too.
    TypeWpa2Profile(u"Office", u"OfficeNet", u"password2");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    modalAnswers[IDD_DIALOG_PROFILE_SETTING_PRIORITY] = ui::kIdOk;
    Page().Click(IDC_BUTTON_PROFILE_PRIORITY_PROFILE);
    registry.ReadString(platform::kHkeyLocalMachine, std::u16string(mainwndtest::kAppKey) + u"\\ProfileData",
                        u"ConfigurationName", kept);
    EXPECT_EQ(kept, u"Office");

    // A reload after a connection leaves what is being typed.
    Page().Type(IDC_EDIT_PROFILE_PSK, u"password3");
    window->ShowPage(CQueryTabCtrl::kSettings);
    host->Deliver(mainwnd::kMsgConnectStarted);
    host->FireTimer(mainwnd::kTimerConnectWatch);
    EXPECT_EQ(Shown(IDC_EDIT_PROFILE_PSK), u"password3");
}

// The adapter pulled out while a dialog of the page is open: the dialog is cancelled, as Escape would.
TEST_F(SettingsApply, PullingTheAdapterOutCancelsThePagesDialog) {
    OpenPage();
    Page().modalHandler = [&](ui::Dialog& child) {
        modals.push_back(child.TemplateId());
        window->OnWKDeviceRemoved();
        Settle();
        return ui::kIdCancel;
    };
    Page().Click(IDC_BUTTON_PROFILE_ADVANCED_SETTING);
    EXPECT_EQ(modals, (std::vector<int>{IDD_DIALOG_PROFILE_ADVANCED_SETTING}));
    EXPECT_EQ(host->cancelledModals, (std::vector<int>{IDD_DIALOG_PROFILE_ADVANCED_SETTING}));
}
