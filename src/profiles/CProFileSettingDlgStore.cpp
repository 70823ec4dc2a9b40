// The Settings page and the store: the working record from the controls, saving, deleting, the apply
// flow the main window's Apply runs, the question about unsaved edits, and the dialogs around the page.
#include <string>

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "app/CSysMessageYesDlg.h"
#include "app/Language.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "mainwnd/CNetUIDlg.h"
#include "profiles/CProFileSettingDlg.h"
#include "profiles/KeyMaterial.h"
#include "profiles/KeyRules.h"
#include "profiles/ProfileStore.h"
#include "profiles/ProfilesEqual.h"
#include "profiles/settings/CModifyProfileDlg.h"
#include "profiles/settings/CProFileSettingProrityDlg.h"
#include "profiles/settings/CProfileAdHocSettingDlg.h"
#include "profiles/settings/CProfileAdvanSettingDlg.h"
#include "profiles/settings/CTkipImportamt.h"
#include "profiles/settings/CValidateSettingDlg.h"
#include "res/SettingsIds.h"

using settings::Security;

namespace {

// The names no profile may be saved under: the default profile's, in this language and in every other
// (start-up removes stored profiles carrying any of them).
std::vector<std::u16string> ReservedProfileNames() {
    std::vector<std::u16string> names = DefaultProfileNames;
    names.push_back(profiles::DefaultProfileName());
    return names;
}

std::u16string ReservedNameMatching(std::u16string_view name) {
    for (const std::u16string& reserved : ReservedProfileNames()) {
        if (!reserved.empty() && settings::SameNameAnyCase(name, reserved)) {
            return reserved;
        }
    }
    return profiles::DefaultProfileName();
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// The working record from the controls

int CProFileSettingDlg::DataToProfile() {
    kernel::ConnectionBlock& block = m_working.block;
    ui::Host& h = host();

    std::u16string network = h.GetText(IDC_COMBO_PROFILE_SSID);
    if (network.empty()) {
        Filling filling(m_showing);
        network = profiles::AnyNetworkName();
        h.Combo(IDC_COMBO_PROFILE_SSID).Select(0);
        h.Combo(IDC_COMBO_PROFILE_WPA).Select(0);
        ClearKeyFields();
        h.SetText(IDC_EDIT_PROFILE_PSK, u"");
        ShowSecurity(Security::None);
    }
    block.NetworkConnectType = AdHocChecked() ? kernel::kNetworkAdHoc : kernel::kNetworkInfrastructure;

    switch (CheckedSecurity()) {
    case Security::None:
        block.securityFlags = kernel::kSecurityNone;
        break;
    case Security::Wep: {
        base::CopyToField(m_working.wepPassphrase, u"");
        block.securityFlags = kernel::kSecurityWep;
        int keyNumber = h.Combo(IDC_COMBO_PROFILE_KEY_NUMBER).Selection();
        block.defaultKey = keyNumber < 0 ? 0 : static_cast<uint32_t>(keyNumber);
        if (PassphraseModeChecked()) {
            int length = PassphraseKeyLength();
            std::u16string passphrase = h.GetText(IDC_EDIT_PROFILE_WEP_PASSPHRASE);
            int result = profiles::CheckWepPassphrase(passphrase, length == settings::kKeyLength128);
            if (result != profiles::kKeyAccepted) {
                h.Edit(IDC_EDIT_PROFILE_WEP_PASSPHRASE).Select(0, -1);
                h.SetFocus(IDC_EDIT_PROFILE_WEP_PASSPHRASE);
                return result;
            }
            base::CopyToField(m_working.wepPassphrase, passphrase);
            m_working.noPassphrase = 0;
            // The keys of the passphrase as it stands now, whatever the key-length list did to the shown
            // ones since.
            if (auto keys = profiles::GenerateWepKeyTexts(m_codePage, passphrase,
                                                          length == settings::kKeyLength128)) {
                m_generatedKeys = *keys;
            }
            for (size_t k = 0; k < 4; ++k) {
                base::CopyToField(block.wepKeys[k], m_generatedKeys[k]);
            }
            block.keyFormat = settings::WepKeyFormat(length);
            h.Edit(IDC_EDIT_PROFILE_WEP_PASSPHRASE).SetPasswordChar(u'*');
        } else {
            int length = ManualKeyLength();
            m_working.noPassphrase = 1;
            profiles::WepKeyCheck check =
                profiles::CheckWepKey(h.GetText(IDC_EDIT_PROFILE_WEP_KEY), length == settings::kKeyLength128);
            if (check.result != profiles::kKeyAccepted) {
                h.Edit(IDC_EDIT_PROFILE_WEP_KEY).Select(0, -1);
                h.SetFocus(IDC_EDIT_PROFILE_WEP_KEY);
                return check.result;
            }
            base::CopyToField(block.wepKeys[block.defaultKey], check.keyText);
            block.keyFormat = settings::WepKeyFormat(length);
            h.Edit(IDC_EDIT_PROFILE_WEP_KEY).SetPasswordChar(u'*');
        }
        break;
    }
    case Security::Wpa: {
        for (auto& key : block.wepKeys) {
            base::CopyToField(key, u"");
        }
        block.defaultKey = 0;
        ui::ComboControl& list = h.Combo(IDC_COMBO_PROFILE_WPA);
        bool wpa2 = list.ItemText(list.Selection()) == settings::kWpa2PskAes;
        block.securityFlags = settings::WpaSecurityFlags(AdHocChecked(), wpa2);
        std::u16string psk = h.GetText(IDC_EDIT_PROFILE_PSK);
        profiles::PskCheck check = profiles::CheckPskKey(psk);
        if (check.result != profiles::kKeyAccepted) {
            if (check.result == profiles::kPskTooShort) {
                h.Edit(IDC_EDIT_PROFILE_PSK).Select(0, -1);
                h.SetFocus(IDC_EDIT_PROFILE_PSK);
            }
            return check.result;
        }
        block.keyFormat = check.keyFormat;
        base::CopyToField(block.psk, psk);
        h.Edit(IDC_EDIT_PROFILE_PSK).SetPasswordChar(u'*');
        break;
    }
    }

    std::u16string name = h.GetText(IDC_COMBO_PROFILE_NAME);
    base::CopyToField(m_working.ConfigurationName, name);
    if (name == profiles::DefaultProfileName() && block.securityFlags == kernel::kSecurityNone) {
        Filling filling(m_showing);
        network = profiles::AnyNetworkName();
        h.SetText(IDC_COMBO_PROFILE_SSID, network);
    }
    base::CopyToField(m_working.NetworkName, network);
    m_working.inUse = 0;
    return kDataAccepted;
}

// ---------------------------------------------------------------------------------------------------
// Saving and deleting

bool CProFileSettingDlg::SaveProfile(bool promote) {
    std::u16string name = host().GetText(IDC_COMBO_PROFILE_NAME);
    switch (settings::CheckProfileName(name, NewProfileText(), ReservedProfileNames())) {
    case settings::NameCheck::NeedsName:
        ShowNameMessage(LangString(u"MAIN", u"Msg_0302", u"Please enter a new profile name!"));
        return false;
    case settings::NameCheck::Reserved:
        ShowNameMessage(LangString(u"MAIN", u"Msg_0303", u"You can not save profile name to") + u" " +
                        ReservedNameMatching(name));
        return false;
    case settings::NameCheck::Allowed:
        break;
    }

    kernel::WirelessProfile before = m_working;
    int result = DataToProfile();
    if (result != kDataAccepted) {
        ShowDataMessage(result);
        return false;
    }

    // A stored profile of this name, in any letter case: the registry holds one key for both
    // spellings, so either is an overwrite to be asked about.
    std::u16string storedName;
    {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        int count = profiles::EnsureDefaultProfile();
        for (int i = 0; i < count; ++i) {
            std::u16string_view slotName =
                base::FieldText(profiles::ProfileTable[static_cast<size_t>(i)].ConfigurationName);
            if (settings::SameNameAnyCase(slotName, name)) {
                storedName = slotName;
                break;
            }
        }
    }
    FillProfileList();

    enum class Outcome { Saved, Declined, WriteFailed, StoreFull };
    Outcome outcome = Outcome::Saved;
    if (!storedName.empty()) {
        int answer = host().ShowMessageBox(
            LangString(u"MAIN", u"Msg_0304", u"Profile exist !!Do you want to overwrite it ?"),
            LangString(u"MAIN", u"MessageBoxProfile", u"Profiles"), ui::kBoxYesNo | ui::kBoxIconQuestion);
        if (answer != ui::kAnswerYes) {
            m_working = before;
            outcome = Outcome::Declined;
        } else {
            // The stored profile is replaced in its place, under the spelling it is stored with.
            name = storedName;
            base::CopyToField(m_working.ConfigurationName, name);
            outcome = profiles::UpdateProfile(m_working) == profiles::kUpdateWritten ? Outcome::Saved
                                                                                     : Outcome::WriteFailed;
        }
    } else {
        switch (profiles::AddProfile(m_working)) {
        case profiles::kAddAdded:
            outcome = Outcome::Saved;
            break;
        case profiles::kAddStoreFull:
            outcome = Outcome::StoreFull;
            break;
        default: // refused write, or a profile of that name that came meanwhile
            outcome = Outcome::WriteFailed;
            break;
        }
    }

    if (outcome == Outcome::WriteFailed) {
        ShowStoreMessage(u"Msg_0101", u"Opening or adding the profile failed.", ui::kBoxIconWarning);
    } else if (outcome == Outcome::StoreFull) {
        ShowStoreMessage(u"Msg_0102", u"Beyond the limit of max profile", ui::kBoxIconWarning);
    }
    bool saved = outcome == Outcome::Saved;
    if (saved && promote) {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        profiles::PromoteProfile(name, profiles::EnsureDefaultProfile());
    }
    FillProfileList();
    {
        Filling filling(m_showing);
        host().SetText(IDC_COMBO_PROFILE_NAME, saved || !promote ? name : NewProfileText());
    }
    EnableDelete(saved && !NameIsCurrentProfile(name));
    if (saved) {
        m_modified = false;
        EnableSave(false);
    }
    return saved;
}

void CProFileSettingDlg::DeleteShownProfile() {
    // Alt+D arrives whatever the button shows: the applied and the default profile stay.
    if (!IsOpen() || !host().IsEnabled(IDC_BUTTON_PROFILE_DEL_PROFILE)) {
        return;
    }
    std::u16string name(base::FieldText(m_working.ConfigurationName));
    bool deleted = profiles::DeleteProfile(name);
    EnableDelete(false);
    if (!deleted) {
        host().ShowMessageBox(LangString(u"MAIN", u"Msg_0104", u"The profile does not exist."),
                              MessageBoxCaption(), ui::kBoxOk | ui::kBoxIconStop);
        return;
    }
    ReloadCurrentProfile();
}

bool CProFileSettingDlg::NameIsCurrentProfile(std::u16string_view name) {
    return settings::SameNameAnyCase(name, base::FieldText(profiles::CopyCurrentProfile().ConfigurationName));
}

// ---------------------------------------------------------------------------------------------------
// Messages

void CProFileSettingDlg::ShowDataMessage(int result) {
    profiles::KeyMessage message = profiles::KeyResultMessage(result);
    if (message.key.empty()) {
        return;
    }
    std::u16string text = LangString(u"MAIN", message.key, message.defaultText, 2048);
    // German texts are longer than a message box likes: the program's own dialog shows them, except
    // the one whose wording fits.
    if (LanguageIndex() == 1 && message.key != u"Msg_0204") {
        CSysMessageYesDlg dialog;
        dialog.m_message = text;
        dialog.m_layoutFlag = 1;
        dialog.m_layoutVariant = message.key == u"Msg_0203" ? 1 : 0;
        host().RunModal(dialog);
        return;
    }
    host().ShowMessageBox(text, MessageBoxCaption(), ui::kBoxOk | ui::kBoxIconStop);
}

void CProFileSettingDlg::ShowStoreMessage(std::u16string_view key, std::u16string_view defaultText,
                                          uint32_t icon) {
    host().ShowMessageBox(LangString(u"MAIN", key, defaultText, 2048), MessageBoxCaption(),
                          ui::kBoxOk | icon);
}

void CProFileSettingDlg::ShowNameMessage(std::u16string_view text) {
    host().ShowMessageBox(text, MessageBoxCaption(), ui::kBoxOk | ui::kBoxIconWarning);
}

// ---------------------------------------------------------------------------------------------------
// Applying

void CProFileSettingDlg::ApplySettings() {
    if (!IsOpen() || AutoConfigurationState()) {
        return; // Windows manages the adapter
    }
    CNetUIDlg* mainWindow = MainWindow();
    bool savedNow = false;
    if (host().IsEnabled(IDC_BUTTON_PROFILE_SAVE_PROFILE)) {
        if (!SaveProfile(true)) {
            return;
        }
        savedNow = true;
    }

    kernel::WirelessProfile before = m_working;
    int result = DataToProfile();
    if (result != kDataAccepted) {
        ShowDataMessage(result);
        return;
    }
    if (TkipNoticeWanted()) {
        CTkipImportamt notice;
        host().RunModal(notice);
    }
    if (mainWindow != nullptr && mainWindow->IsShown()) {
        RunValidatingSplash();
    }

    bool changed = !profiles::ProfilesEqual(m_working, before) ||
                   (mainWindow != nullptr && mainWindow->SettingsChangePending());
    base::Trace(base::Format(u"\n***Wireless Setting Change = %d***", {changed ? 1 : 0}));
    if (changed) {
        RenameForChangedSettings();
    }

    std::u16string name(base::FieldText(m_working.ConfigurationName));
    {
        // The applied profile is the one marked in use; the mark lives in memory only (it is never
        // stored), so the slots need no writing for it.
        std::lock_guard lock(profiles::ProfileStoreMutex());
        int count = profiles::LoadProfileTable(0);
        profiles::MarkActiveProfile(count, name);
        if (!savedNow) {
            profiles::PromoteProfile(name, count);
        }
    }
    EnableDelete(false);
    if (!savedNow) {
        FillProfileList();
        Filling filling(m_showing);
        host().SetText(IDC_COMBO_PROFILE_NAME, name);
    }
    m_modified = false;
    EnableSave(false);

    // Kept under ProfileData too: the page shows the current profile again from there once the adapter
    // has connected, and the next start connects to it.
    profiles::SetCurrentProfile(m_working);
    profiles::SaveCurrentProfile();
    if (mainWindow != nullptr) {
        mainWindow->RestartFallbackClock();
        mainWindow->RequestConnect(-1);
        mainWindow->EnableApplyButton();
    }
}

bool CProFileSettingDlg::TkipNoticeWanted() const {
    CNetUIDlg* mainWindow = MainWindow();
    return TkipNoticeApplies(m_working) && (mainWindow == nullptr || !mainWindow->WizardApplying());
}

void CProFileSettingDlg::RunValidatingSplash() {
    CValidateSettingDlg splash;
    host().RunModal(splash);
}

void CProFileSettingDlg::RenameForChangedSettings() {
    // The default profile is open and joins any network; applied with security it is no longer the
    // default profile, and is shown as a new one to be named.
    std::u16string name(base::FieldText(m_working.ConfigurationName));
    if (settings::SameNameAnyCase(name, profiles::DefaultProfileName()) &&
        m_working.block.securityFlags != kernel::kSecurityNone) {
        base::CopyToField(m_working.ConfigurationName, NewProfileText());
        Filling filling(m_showing);
        host().SetText(IDC_COMBO_PROFILE_NAME, NewProfileText());
    }
}

// ---------------------------------------------------------------------------------------------------
// Leaving with unsaved edits

void CProFileSettingDlg::PromptForModifiedProfile() {
    // Only edits can differ from what is stored; a page the user did not touch is not asked about, so
    // an imperfect round trip of some stored value never brings the question up by itself.
    if (!IsOpen() || !m_modified) {
        return;
    }
    kernel::WirelessProfile before = m_working;
    DataToProfile();
    if (profiles::ProfilesEqual(m_working, before)) {
        return;
    }
    CModifyProfileDlg question;
    if (host().RunModal(question) == ui::kIdOk) {
        SaveProfile(true);
        return;
    }
    m_working = before;
    ShowWorkingRecord();
    m_modified = false;
    EnableSave(false);
}

// ---------------------------------------------------------------------------------------------------
// The dialogs around the page

void CProFileSettingDlg::RunAdvancedSettings() {
    CNetUIDlg* mainWindow = MainWindow();
    if (mainWindow != nullptr) {
        mainWindow->SendActivationState(0);
    }
    CProfileAdvanSettingDlg dialog(m_working, AdHocChecked(), g_pnKernel);
    int answer = host().RunModal(dialog);
    if (mainWindow != nullptr) {
        mainWindow->SendActivationState(1);
    }
    if (answer == ui::kIdOk) {
        MarkEdited();
    }
}

void CProFileSettingDlg::RunAdHocSettings() {
    CProfileAdHocSettingDlg dialog(m_working, g_pnKernel);
    if (host().RunModal(dialog) == ui::kIdOk) {
        MarkEdited();
    }
}

void CProFileSettingDlg::RunPriority() {
    CProFileSettingProrityDlg dialog;
    if (host().RunModal(dialog) != ui::kIdOk) {
        return;
    }
    std::u16string shown = host().GetText(IDC_COMBO_PROFILE_NAME);
    FillProfileList();
    {
        Filling filling(m_showing);
        host().SetText(IDC_COMBO_PROFILE_NAME, shown);
    }
    // The new first profile becomes the current one and is applied. With only the default profile
    // stored there is no first profile: slot 1 is empty and nothing is applied.
    {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        if (profiles::LoadProfileTable(0) < 2) {
            return;
        }
        profiles::SetCurrentProfile(profiles::ProfileTable[1]);
        profiles::SaveCurrentProfile();
    }
    if (CNetUIDlg* mainWindow = MainWindow()) {
        mainWindow->RestartFallbackClock();
        mainWindow->RequestConnect(-1);
    }
}
