// The Settings page on the fake host: showing profiles, the security controls, the working record built
// from the controls, saving and deleting with every outcome of the store, and the page's pure rules.
#include "SettingsPageFixture.h"
#include "mainwnd/MainWndMessages.h"
#include "profiles/KeyMaterial.h"
#include "profiles/KeyRules.h"
#include "profiles/settings/SettingsRules.h"

using namespace settingstest;
using settings::Security;

// ---------------------------------------------------------------------------------------------------
// The rules

TEST(SettingsRules, SecurityChoiceEnablesItsOwnControlsOnly) {
    settings::SecurityControls none = settings::SecurityControlsFor(Security::None, true);
    EXPECT_FALSE(none.wpaList || none.pskField || none.passphraseMode || none.manualMode || none.keyNumber ||
                 none.passphraseField || none.keyField);
    settings::SecurityControls wpa = settings::SecurityControlsFor(Security::Wpa, true);
    EXPECT_TRUE(wpa.wpaList && wpa.pskField);
    EXPECT_FALSE(wpa.passphraseMode || wpa.keyNumber || wpa.keyField);
    settings::SecurityControls passphrase = settings::SecurityControlsFor(Security::Wep, true);
    EXPECT_TRUE(passphrase.passphraseField && passphrase.passphraseKeyLength && passphrase.keyNumber);
    EXPECT_FALSE(passphrase.keyField || passphrase.manualKeyLength || passphrase.pskField);
    settings::SecurityControls manual = settings::SecurityControlsFor(Security::Wep, false);
    EXPECT_TRUE(manual.keyField && manual.manualKeyLength && manual.passphraseMode && manual.manualMode);
    EXPECT_FALSE(manual.passphraseField || manual.passphraseKeyLength);
}

TEST(SettingsRules, WpaForAdHocOnlyWhereTheSystemTakesIt) {
    using settings::WpaEntries;
    // Vista (8) and its 64-bit form (9) with the adapter reporting 0: WPA2 for ad hoc, both for access
    // points.
    for (int os : {8, 9}) {
        EXPECT_EQ(settings::RuleForNetworkType(true, os, 0).wpaEntries, WpaEntries::Wpa2Only);
        EXPECT_TRUE(settings::RuleForNetworkType(true, os, 0).wpaRadio);
        EXPECT_EQ(settings::RuleForNetworkType(false, os, 0).wpaEntries, WpaEntries::Both);
    }
    // XP, or the adapter reporting 1: no WPA for ad hoc, the list left as it is for access points.
    for (auto [os, member] : {std::pair{5, 0u}, std::pair{8, 1u}}) {
        settings::NetworkTypeRule adHoc = settings::RuleForNetworkType(true, os, member);
        EXPECT_FALSE(adHoc.wpaRadio);
        EXPECT_TRUE(adHoc.initiateAdHoc);
        settings::NetworkTypeRule infra = settings::RuleForNetworkType(false, os, member);
        EXPECT_TRUE(infra.wpaRadio);
        EXPECT_FALSE(infra.initiateAdHoc);
        EXPECT_EQ(infra.wpaEntries, WpaEntries::Keep);
    }
}

TEST(SettingsRules, ProfileNames) {
    EXPECT_FALSE(settings::SaveAllowedFor(u"", u"Default"));
    EXPECT_FALSE(settings::SaveAllowedFor(u"Default", u"Default"));
    EXPECT_TRUE(settings::SaveAllowedFor(u"default", u"Default")); // refused only when saving

    settings::NameEdit edit = settings::RemoveBackslashes(u"Ho\\me\\", 5);
    EXPECT_EQ(edit.text, u"Home");
    EXPECT_EQ(edit.caret, 4); // after "Home": one of the two backslashes was before the caret
    EXPECT_TRUE(edit.changed);
    EXPECT_FALSE(settings::RemoveBackslashes(u"Home", 2).changed);

    std::vector<std::u16string> defaults{u"Default", u"Standard", u"Predeterminado"};
    using settings::NameCheck;
    EXPECT_EQ(settings::CheckProfileName(u"", u"New profile", defaults), NameCheck::NeedsName);
    EXPECT_EQ(settings::CheckProfileName(u"NEW PROFILE", u"New profile", defaults), NameCheck::NeedsName);
    EXPECT_EQ(settings::CheckProfileName(u"dEfAuLt", u"New profile", defaults), NameCheck::Reserved);
    EXPECT_EQ(settings::CheckProfileName(u"standard", u"New profile", defaults), NameCheck::Reserved);
    EXPECT_EQ(settings::CheckProfileName(u"Default 2", u"New profile", defaults), NameCheck::Allowed);
}

TEST(SettingsRules, KeyLengthsAndWpaFlags) {
    EXPECT_EQ(settings::KeyFieldLimit(settings::kKeyLength64), 10);
    EXPECT_EQ(settings::KeyFieldLimit(settings::kKeyLength128), 26);
    EXPECT_EQ(settings::KeyLengthEntryForKeyText(u"0123456789"), settings::kKeyLength64);
    EXPECT_EQ(settings::KeyLengthEntryForKeyText(std::u16string(26, u'A')), settings::kKeyLength128);
    EXPECT_EQ(settings::KeyLengthEntryForKeyText(u"ABC"), -1);
    EXPECT_EQ(settings::WpaSecurityFlags(false, false), 0x100004u);
    EXPECT_EQ(settings::WpaSecurityFlags(false, true), 0x200008u);
    EXPECT_EQ(settings::WpaSecurityFlags(true, false), 0x200008u) << "ad hoc is always WPA2-PSK[AES]";
}

// ---------------------------------------------------------------------------------------------------
// Opening and showing

TEST_F(SettingsPageTest, OpeningStoresAndShowsTheDefaultProfile) {
    OpenPage();
    EXPECT_TRUE(StoredProfile(u"Default"));
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_NAME), (std::vector<std::u16string>{u"Default"}));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Default");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_SSID), u"Any (First available network)");
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_INFRASTRUCTURE));
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_DISABLE));
    EXPECT_FALSE(Enabled(IDC_EDIT_PROFILE_PSK));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_INIT_ADHOC));
    EXPECT_EQ(Page().control(IDC_COMBO_PROFILE_NAME).textLimit, 63) << "what is saved is what was typed";
    EXPECT_EQ(Page().control(IDC_COMBO_PROFILE_SSID).textLimit, 32);
    EXPECT_EQ(Page().control(IDC_EDIT_PROFILE_PSK).textLimit, 64);
}

TEST_F(SettingsPageTest, AStoredWepProfileShowsItsKeysAndTheAppliedOneCannotGo) {
    OpenPage();
    // Stored through the page: a 128-bit manual key typed as 13 characters.
    Page().Type(IDC_COMBO_PROFILE_SSID, u"Lab");
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WEP);
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_KEY);
    Page().SelectItem(IDC_COMBO_PROFILE_MANUAL_KEYLEN, settings::kKeyLength128);
    Page().SelectItem(IDC_COMBO_PROFILE_KEY_NUMBER, 2);
    EXPECT_EQ(Page().control(IDC_EDIT_PROFILE_WEP_KEY).textLimit, 26);
    Page().Type(IDC_EDIT_PROFILE_WEP_KEY, u"abcdefghijklm");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    EXPECT_EQ(StoredText(u"Lab", u"ConfigurationName"), u"Lab");
    EXPECT_EQ(page.WorkingRecord().block.wepKeys[2], std::u16string(u"6162636465666768696A6B6C6D"));
    EXPECT_EQ(page.WorkingRecord().block.keyFormat, 0x201u);
    EXPECT_EQ(Page().Edit(IDC_EDIT_PROFILE_WEP_KEY).PasswordChar(), u'*');
    EXPECT_EQ(Shown(IDC_EDIT_PROFILE_WEP_KEY), u"abcdefghijklm") << "masked, not replaced";

    // Shown again from the list, after a WPA profile: the key as stored, the lengths and key number it
    // has, and nothing of the WPA profile's key.
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    Page().SelectItem(IDC_COMBO_PROFILE_NAME, Page().Combo(IDC_COMBO_PROFILE_NAME).Find(u"Lab"));
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_WEP));
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_KEY));
    EXPECT_EQ(Page().Combo(IDC_COMBO_PROFILE_KEY_NUMBER).Selection(), 2);
    EXPECT_EQ(Page().Combo(IDC_COMBO_PROFILE_MANUAL_KEYLEN).Selection(), settings::kKeyLength128);
    EXPECT_EQ(Shown(IDC_EDIT_PROFILE_WEP_KEY), u"6162636465666768696A6B6C6D");
    EXPECT_EQ(Page().Edit(IDC_EDIT_PROFILE_WEP_KEY).PasswordChar(), 0);
    EXPECT_EQ(Shown(IDC_EDIT_PROFILE_PSK), u"");
    EXPECT_TRUE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));

    // Applied, it is the current profile: shown again, it cannot be deleted, by button or by Alt+D.
    profiles::SetCurrentProfile(page.WorkingRecord());
    Page().SelectItem(IDC_COMBO_PROFILE_NAME, Page().Combo(IDC_COMBO_PROFILE_NAME).Find(u"Lab"));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
    page.DeleteShownProfile();
    EXPECT_TRUE(StoredProfile(u"Lab"));
    // The default profile never.
    Page().SelectItem(IDC_COMBO_PROFILE_NAME, 0);
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_SSID), u"Any (First available network)");
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_DISABLE));
}

TEST_F(SettingsPageTest, PassphraseMakesTheKeysAndKeyNumberShowsEach) {
    OpenPage();
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WEP);
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_PASSPHRASE)) << "WEP starts in passphrase mode";
    EXPECT_EQ(Page().FocusedControl(), IDC_EDIT_PROFILE_WEP_PASSPHRASE);
    EXPECT_FALSE(Enabled(IDC_EDIT_PROFILE_WEP_KEY));
    Page().Type(IDC_EDIT_PROFILE_WEP_PASSPHRASE, u"a");
    // One character: the seed is its code, 0x61.
    auto keys = profiles::GenerateWepKeyTexts(codePage, u"a", false);
    ASSERT_TRUE(keys.has_value());
    EXPECT_EQ(Shown(IDC_EDIT_PROFILE_WEP_KEY), (*keys)[0]);
    Page().SelectItem(IDC_COMBO_PROFILE_KEY_NUMBER, 3);
    EXPECT_EQ(Shown(IDC_EDIT_PROFILE_WEP_KEY), (*keys)[3]);
    // The other length: generated keys, passphrase and key go; both lists follow.
    Page().SelectItem(IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN, settings::kKeyLength128);
    EXPECT_EQ(Shown(IDC_EDIT_PROFILE_WEP_PASSPHRASE), u"");
    EXPECT_EQ(Shown(IDC_EDIT_PROFILE_WEP_KEY), u"");
    EXPECT_EQ(Page().Combo(IDC_COMBO_PROFILE_MANUAL_KEYLEN).Selection(), settings::kKeyLength128);
}

TEST_F(SettingsPageTest, BackslashesNeverReachTheProfileName) {
    OpenPage();
    Page().Type(IDC_COMBO_PROFILE_NAME, u"Home\\Office");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"HomeOffice");
    EXPECT_EQ(Page().Combo(IDC_COMBO_PROFILE_NAME).EditCaret(), 10);
    EXPECT_TRUE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE)) << "no deleting while a name is typed";
    Page().Type(IDC_COMBO_PROFILE_NAME, u"Default");
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
    Page().DropDown(IDC_COMBO_PROFILE_NAME);
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
}

TEST_F(SettingsPageTest, ANetworkOfTheScanNamesTheProfileAndBringsItsSecurity) {
    kernel::BssEntry cafe{};
    base::CopyToField(cafe.ssid, u"Cafe");
    cafe.channel = 11;
    cafe.security = kernel::kBssWpa2Psk;
    kernel::BssEntry hidden{};
    hidden.security = kernel::kBssOpen;
    networks::ReplaceNetworkList({cafe, hidden, cafe});
    networks::RebuildSideTables();
    OpenPage();
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_SSID),
              (std::vector<std::u16string>{u"Any (First available network)", u"Cafe"}));
    Page().SelectItem(IDC_COMBO_PROFILE_SSID, 1);
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Cafe");
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_WPA));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_WPA), u"WPA2-PSK[AES]");
    EXPECT_EQ(page.WorkingRecord().block.adHocChannel, 11);
    EXPECT_TRUE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
    Page().SelectItem(IDC_COMBO_PROFILE_SSID, 0);
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Default");
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_DISABLE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE)) << "the default profile is not saved by name";
}

TEST_F(SettingsPageTest, AdHocLeavesWpaToSystemsThatTakeIt) {
    OpenPage(); // OsClass is XP
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WPA);
    ClickRadio(IDC_RADIO_PROFILE_ADHOC);
    EXPECT_TRUE(Enabled(IDC_BUTTON_PROFILE_INIT_ADHOC));
    EXPECT_FALSE(Enabled(IDC_RADIO_PROFILE_SECURITY_WPA));
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_DISABLE)) << "WPA fell back to no security";

    OsClass = kOsVista;
    ClickRadio(IDC_RADIO_PROFILE_INFRASTRUCTURE);
    ClickRadio(IDC_RADIO_PROFILE_ADHOC);
    EXPECT_TRUE(Enabled(IDC_RADIO_PROFILE_SECURITY_WPA));
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_WPA), (std::vector<std::u16string>{u"WPA2-PSK[AES]"}));
    ClickRadio(IDC_RADIO_PROFILE_INFRASTRUCTURE);
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_WPA),
              (std::vector<std::u16string>{u"WPA-PSK[TKIP]", u"WPA2-PSK[AES]"}));
}

// ---------------------------------------------------------------------------------------------------
// The working record from the controls

TEST_F(SettingsPageTest, EveryRejectionOfTheKeysHasItsResult) {
    OpenPage();
    Page().Type(IDC_COMBO_PROFILE_SSID, u"Lab");
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WEP);
    EXPECT_EQ(page.DataToProfile(), profiles::kWep64PassphraseEmpty);
    EXPECT_EQ(Page().FocusedControl(), IDC_EDIT_PROFILE_WEP_PASSPHRASE);
    Page().SelectItem(IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN, settings::kKeyLength128);
    EXPECT_EQ(page.DataToProfile(), profiles::kWep128PassphraseEmpty);

    ClickRadio(IDC_RADIO_PROFILE_SECURITY_KEY);
    Page().SelectItem(IDC_COMBO_PROFILE_MANUAL_KEYLEN, settings::kKeyLength64);
    Page().Type(IDC_EDIT_PROFILE_WEP_KEY, u"012345678G");
    EXPECT_EQ(page.DataToProfile(), profiles::kWep64KeyInvalid);
    Page().SelectItem(IDC_COMBO_PROFILE_MANUAL_KEYLEN, settings::kKeyLength128);
    Page().Type(IDC_EDIT_PROFILE_WEP_KEY, u"0123");
    EXPECT_EQ(page.DataToProfile(), profiles::kWep128KeyInvalid);

    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WPA);
    Page().Type(IDC_EDIT_PROFILE_PSK, u"short");
    EXPECT_EQ(page.DataToProfile(), profiles::kPskTooShort);
    EXPECT_EQ(Page().FocusedControl(), IDC_EDIT_PROFILE_PSK);
    Page().Type(IDC_EDIT_PROFILE_PSK, std::u16string(63, u'a') + u"z");
    EXPECT_EQ(page.DataToProfile(), profiles::kPskHexInvalid);
    Page().Type(IDC_EDIT_PROFILE_PSK, std::u16string(64, u'a'));
    EXPECT_EQ(page.DataToProfile(), CProFileSettingDlg::kDataAccepted);
    EXPECT_EQ(page.WorkingRecord().block.keyFormat, 0x20000u);
    EXPECT_EQ(page.WorkingRecord().block.securityFlags, 0x100004u) << "the list's first entry, WPA-PSK[TKIP]";
    EXPECT_EQ(Page().Edit(IDC_EDIT_PROFILE_PSK).PasswordChar(), u'*');
}

TEST_F(SettingsPageTest, AnEmptyNetworkNameIsAnyNetworkWithoutSecurity) {
    OpenPage();
    ClickRadio(IDC_RADIO_PROFILE_SECURITY_WPA);
    Page().Type(IDC_EDIT_PROFILE_PSK, u"password1");
    Page().Type(IDC_COMBO_PROFILE_SSID, u"");
    EXPECT_EQ(page.DataToProfile(), CProFileSettingDlg::kDataAccepted);
    EXPECT_EQ(page.WorkingRecord().NetworkName, std::u16string(u"Any (First available network)"));
    EXPECT_EQ(page.WorkingRecord().block.securityFlags, kernel::kSecurityNone);
    EXPECT_TRUE(Checked(IDC_RADIO_PROFILE_SECURITY_DISABLE));
}

// ---------------------------------------------------------------------------------------------------
// Saving

TEST_F(SettingsPageTest, SavedProfilesGoFirstAfterTheDefaultOne) {
    OpenPage();
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    TypeWpa2Profile(u"Office", u"OfficeNet", u"password2");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_NAME), (std::vector<std::u16string>{u"Default", u"Office", u"Home"}));
    EXPECT_EQ(StoredText(u"Office", u"NetworkName"), u"OfficeNet");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Office");
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));
    EXPECT_TRUE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
}

TEST_F(SettingsPageTest, OverwritingAsksAndNoKeepsStoreAndRecord) {
    OpenPage();
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    TypeWpa2Profile(u"Home", u"OtherNet", u"password2");
    Page().messageBoxAnswers = {ui::kAnswerNo};
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_EQ(MessageTexts()[0], u"Profile exist !!Do you want to overwrite it ?");
    EXPECT_EQ(Page().messageBoxes[0].caption, u"Profiles");
    EXPECT_EQ(Page().messageBoxes[0].style, ui::kBoxYesNo | ui::kBoxIconQuestion);
    EXPECT_EQ(StoredText(u"Home", u"NetworkName"), u"HomeNet");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"New profile");
    EXPECT_EQ(page.WorkingRecord().NetworkName, std::u16string(u"HomeNet")) << "the record as before";

    // A name that differs only in case is the same registry key: asked about too, and Yes replaces the
    // stored profile under the spelling it has.
    TypeWpa2Profile(u"HOME", u"OtherNet", u"password2");
    Page().messageBoxAnswers = {ui::kAnswerYes};
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    EXPECT_EQ(MessageTexts().size(), 2u);
    EXPECT_EQ(StoredText(u"Home", u"NetworkName"), u"OtherNet");
    EXPECT_EQ(StoredText(u"Home", u"ConfigurationName"), u"Home");
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_NAME), (std::vector<std::u16string>{u"Default", u"Home"}));
}

TEST_F(SettingsPageTest, ReservedNamesAreRefusedInAnyCase) {
    DefaultProfileNames = {u"Default", u"Standard"};
    OpenPage();
    for (std::u16string_view name : {u"default", u"STANDARD", u"new PROFILE", u""}) {
        Page().messageBoxes.clear();
        Page().Type(IDC_COMBO_PROFILE_SSID, u"Net");
        Page().Type(IDC_COMBO_PROFILE_NAME, name);
        EXPECT_FALSE(page.SaveProfile(true));
        ASSERT_EQ(MessageTexts().size(), 1u) << base::Utf16ToUtf8(name);
    }
    Page().messageBoxes.clear();
    Page().Type(IDC_COMBO_PROFILE_NAME, u"standard");
    page.SaveProfile(true);
    EXPECT_EQ(MessageTexts()[0], u"You can not save profile name to Standard");
    Page().messageBoxes.clear();
    Page().Type(IDC_COMBO_PROFILE_NAME, u"New Profile");
    page.SaveProfile(true);
    EXPECT_EQ(MessageTexts()[0], u"Please enter a new profile name!");
    EXPECT_FALSE(StoredProfile(u"New Profile"));
}

TEST_F(SettingsPageTest, AFullStoreAndARefusedWriteSaveNothing) {
    OpenPage();
    for (int i = 1; i < profiles::kMaxStoredProfiles; ++i) {
        PutProfile(u"P" + base::Widen(std::to_string(i)), u"net", i);
    }
    Page().Type(IDC_COMBO_PROFILE_SSID, u"Net");
    Page().Type(IDC_COMBO_PROFILE_NAME, u"One too many");
    EXPECT_FALSE(page.SaveProfile(true));
    EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{u"Beyond the limit of max profile"}));
    EXPECT_EQ(Page().messageBoxes[0].style, ui::kBoxOk | ui::kBoxIconWarning);
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"New profile");
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));

    // The service refuses: told, not counted as saved, and nothing promoted.
    registry.DeleteKeyTree(platform::kHkeyLocalMachine, profiles::kProfileListKey);
    kernel.regSetStringResult = 0;
    Page().messageBoxes.clear();
    Page().Type(IDC_COMBO_PROFILE_NAME, u"Refused");
    EXPECT_FALSE(page.SaveProfile(true));
    EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{u"Opening or adding the profile failed."}));
    EXPECT_FALSE(StoredProfile(u"Refused"));
}

TEST_F(SettingsPageTest, AStoreThatCannotTakeTheDefaultProfileIsToldOnce) {
    kernel.regSetStringResult = 0;
    OpenPage(); // would loop for ever trying to store the default profile
    EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{u"Opening or adding the profile failed."}));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Default");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_SSID), u"Any (First available network)");
}

// ---------------------------------------------------------------------------------------------------
// Deleting

TEST_F(SettingsPageTest, DeleteShowsTheCurrentProfileAgain) {
    OpenPage();
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    Page().SelectItem(IDC_COMBO_PROFILE_NAME, Page().Combo(IDC_COMBO_PROFILE_NAME).Find(u"Home"));
    ASSERT_TRUE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));
    Page().Click(IDC_BUTTON_PROFILE_DEL_PROFILE);
    EXPECT_FALSE(StoredProfile(u"Home"));
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_NAME), (std::vector<std::u16string>{u"Default"}));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Default");
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_DEL_PROFILE));

    // Gone behind the page's back: the user is told.
    TypeWpa2Profile(u"Gone", u"GoneNet", u"password1");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    Page().SelectItem(IDC_COMBO_PROFILE_NAME, Page().Combo(IDC_COMBO_PROFILE_NAME).Find(u"Gone"));
    profiles::DeleteProfile(u"Gone");
    Page().Click(IDC_BUTTON_PROFILE_DEL_PROFILE);
    EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{u"The profile does not exist."}));
}

TEST_F(SettingsPageTest, AltDDeletesOnlyWhatTheButtonWould) {
    OpenPage();
    host->Deliver(kMsgShowMainWindow);
    host->SetActive(true);
    host->Deliver(mainwnd::kMsgActivation, 1);
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    profiles::SetCurrentProfile(page.WorkingRecord());
    Page().SelectItem(IDC_COMBO_PROFILE_NAME, Page().Combo(IDC_COMBO_PROFILE_NAME).Find(u"Home"));
    host->PressHotKey(mainwnd::kHotKeyDelete);
    EXPECT_TRUE(StoredProfile(u"Home")) << "the applied profile stays";
    profiles::SetCurrentProfile(kernel::WirelessProfile{});
    Page().SelectItem(IDC_COMBO_PROFILE_NAME, Page().Combo(IDC_COMBO_PROFILE_NAME).Find(u"Home"));
    host->PressHotKey(mainwnd::kHotKeyDelete);
    EXPECT_FALSE(StoredProfile(u"Home"));
}

TEST_F(SettingsPageTest, WithoutTheServiceLibraryEveryWriteFailsWithItsMessage) {
    g_pnKernel = nullptr;
    profiles::ProfileStoreConfig config;
    config.registry = &registry;
    config.appKey = std::u16string(mainwndtest::kAppKey);
    profiles::ConfigureProfileStore(config);
    OpenPage();
    EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{u"Opening or adding the profile failed."}));
    TypeWpa2Profile(u"Home", u"HomeNet", u"password1");
    Page().messageBoxes.clear();
    Page().Click(IDC_BUTTON_PROFILE_SAVE_PROFILE);
    EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{u"Opening or adding the profile failed."}));
    EXPECT_FALSE(StoredProfile(u"Home"));
    host->Click(IDC_BUTTON_FIRST_ACTION); // Apply: the failed save stops it
    EXPECT_FALSE(window->ConnectRequests().Pending());
}

// A language change renames the default profile and the "Any" entry: the page follows.
TEST_F(SettingsPageTest, ALanguageChangeRenamesTheDefaultProfileOnThePage) {
    OpenPage();
    ASSERT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Default");
    profiles::SetDefaultProfileNames(u"Standard", u"Beliebig (erstes Netzwerk)", u"Default");
    profiles::RenameDefaultProfile();
    page.ApplyTexts();
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_NAME), (std::vector<std::u16string>{u"Standard"}));
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Standard");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_SSID), u"Beliebig (erstes Netzwerk)");
    EXPECT_EQ(page.WorkingRecord().ConfigurationName, std::u16string(u"Standard"));
    EXPECT_FALSE(Enabled(IDC_BUTTON_PROFILE_SAVE_PROFILE));

    // What the user typed stays.
    Page().Type(IDC_COMBO_PROFILE_SSID, u"Cafe");
    profiles::SetDefaultProfileNames(u"Default", u"Any (First available network)", u"Standard");
    profiles::RenameDefaultProfile();
    page.ApplyTexts();
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_SSID), u"Cafe");
    EXPECT_EQ(Shown(IDC_COMBO_PROFILE_NAME), u"Cafe");
    EXPECT_EQ(Items(IDC_COMBO_PROFILE_NAME), (std::vector<std::u16string>{u"Default"}));
}
