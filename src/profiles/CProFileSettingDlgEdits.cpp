// The Settings page: what the user's edits do to the controls and the working record, and how the rules
// read the controls.
#include "app/AppGlobals.h"
#include "base/Text.h"
#include "profiles/CProFileSettingDlg.h"
#include "profiles/KeyMaterial.h"
#include "profiles/ProfileStore.h"
#include "res/SettingsIds.h"

using settings::Security;

// ---------------------------------------------------------------------------------------------------
// The user's edits

void CProFileSettingDlg::OnCommand(ui::ControlId id, int code) {
    switch (id) {
    case IDC_COMBO_PROFILE_NAME:
        if (code == ui::kComboEditChange) {
            OnProfileNameTyped();
        } else if (code == ui::kSelChange) {
            OnProfileChosen();
        } else if (code == ui::kComboDropDown) {
            EnableSave(false);
            EnableDelete(false);
        }
        return;
    case IDC_COMBO_PROFILE_SSID:
        if (code == ui::kComboEditChange) {
            OnNetworkNameTyped();
        } else if (code == ui::kSelChange) {
            OnNetworkNameChosen();
        }
        return;
    case IDC_RADIO_PROFILE_INFRASTRUCTURE:
    case IDC_RADIO_PROFILE_ADHOC:
        if (code == ui::kClicked) {
            bool adHoc = id == IDC_RADIO_PROFILE_ADHOC;
            Filling filling(m_showing);
            host().Button(IDC_RADIO_PROFILE_INFRASTRUCTURE).SetCheck(!adHoc);
            host().Button(IDC_RADIO_PROFILE_ADHOC).SetCheck(adHoc);
            FillNetworkNames(adHoc ? kernel::kNetworkAdHoc : kernel::kNetworkInfrastructure);
            host().Combo(IDC_COMBO_PROFILE_SSID).Select(adHoc ? -1 : 0);
            ApplyNetworkType(adHoc);
        }
        break;
    case IDC_RADIO_PROFILE_SECURITY_DISABLE:
    case IDC_RADIO_PROFILE_SECURITY_WPA:
    case IDC_RADIO_PROFILE_SECURITY_WEP:
        if (code == ui::kClicked) {
            OnSecurityRadio(id);
        }
        break;
    case IDC_RADIO_PROFILE_SECURITY_PASSPHRASE:
    case IDC_RADIO_PROFILE_SECURITY_KEY:
        if (code == ui::kClicked) {
            OnWepModeRadio(id == IDC_RADIO_PROFILE_SECURITY_PASSPHRASE);
        }
        break;
    case IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN:
    case IDC_COMBO_PROFILE_MANUAL_KEYLEN:
        if (code == ui::kSelChange) {
            OnKeyLengthChanged(id);
        }
        break;
    case IDC_COMBO_PROFILE_KEY_NUMBER:
        if (code == ui::kSelChange) {
            OnKeyNumberChanged();
        }
        break;
    case IDC_EDIT_PROFILE_WEP_PASSPHRASE:
        if (code == ui::kEditChange) {
            OnPassphraseChanged();
        }
        return;
    case IDC_EDIT_PROFILE_PSK:
    case IDC_EDIT_PROFILE_WEP_KEY:
        if (code == ui::kEditChange) {
            MarkEdited();
        }
        return;
    case IDC_COMBO_PROFILE_WPA:
        if (code == ui::kSelChange) {
            MarkEdited();
        }
        return;
    case IDC_BUTTON_PROFILE_SAVE_PROFILE:
        if (code == ui::kClicked) {
            SaveProfile(true);
        }
        return;
    case IDC_BUTTON_PROFILE_DEL_PROFILE:
        if (code == ui::kClicked) {
            DeleteShownProfile();
        }
        return;
    case IDC_BUTTON_PROFILE_PRIORITY_PROFILE:
        if (code == ui::kClicked) {
            RunPriority();
        }
        return;
    case IDC_BUTTON_PROFILE_ADVANCED_SETTING:
        if (code == ui::kClicked) {
            RunAdvancedSettings();
        }
        return;
    case IDC_BUTTON_PROFILE_INIT_ADHOC:
        if (code == ui::kClicked) {
            RunAdHocSettings();
        }
        return;
    default:
        CSettingsPage::OnCommand(id, code);
        return;
    }
    // A choice of type, security, WEP mode or key is an edit of the shown profile.
    if (code == ui::kClicked || code == ui::kSelChange) {
        MarkEdited();
    }
}

void CProFileSettingDlg::OnProfileNameTyped() {
    if (m_showing) {
        return;
    }
    ui::ComboControl& list = host().Combo(IDC_COMBO_PROFILE_NAME);
    settings::NameEdit edit =
        settings::RemoveBackslashes(host().GetText(IDC_COMBO_PROFILE_NAME), list.EditCaret());
    if (edit.changed) {
        Filling filling(m_showing);
        host().SetText(IDC_COMBO_PROFILE_NAME, edit.text);
        list.SetEditSelection(edit.caret, edit.caret);
    }
    m_modified = true;
    EnableSave(settings::SaveAllowedFor(edit.text, profiles::DefaultProfileName()));
    EnableDelete(false);
}

void CProFileSettingDlg::OnProfileChosen() {
    ui::ComboControl& list = host().Combo(IDC_COMBO_PROFILE_NAME);
    ShowProfile(list.Selection());
}

void CProFileSettingDlg::OnNetworkNameChosen() {
    ui::ComboControl& names = host().Combo(IDC_COMBO_PROFILE_SSID);
    int entry = names.Selection();
    if (entry < 0) {
        return;
    }
    std::u16string name = names.ItemText(entry);
    intptr_t row = names.ItemData(entry);
    {
        Filling filling(m_showing);
        bool any = row == kAnyNetworkItem;
        host().SetText(IDC_COMBO_PROFILE_NAME, any ? profiles::DefaultProfileName() : name);
        if (any) {
            ShowSecurity(Security::None);
        } else if (row >= 0 && static_cast<size_t>(row) < m_listedNetworks.size()) {
            const kernel::BssEntry& network = m_listedNetworks[static_cast<size_t>(row)];
            m_working.block.adHocChannel = network.channel;
            m_working.block.securityFlags = network.security;
            m_working.block.NetworkConnectType = network.networkType;
            ProfileToData();
        }
    }
    MarkEdited();
}

void CProFileSettingDlg::OnNetworkNameTyped() {
    if (m_showing) {
        return;
    }
    {
        Filling filling(m_showing);
        host().SetText(IDC_COMBO_PROFILE_NAME, host().GetText(IDC_COMBO_PROFILE_SSID));
    }
    MarkEdited();
}

void CProFileSettingDlg::OnSecurityRadio(ui::ControlId id) {
    Filling filling(m_showing);
    Security security = id == IDC_RADIO_PROFILE_SECURITY_WPA   ? Security::Wpa
                        : id == IDC_RADIO_PROFILE_SECURITY_WEP ? Security::Wep
                                                               : Security::None;
    ShowSecurity(security);
    ui::ControlId field = 0;
    if (security == Security::Wpa) {
        field = IDC_EDIT_PROFILE_PSK;
    } else if (security == Security::Wep) {
        field = PassphraseModeChecked() ? IDC_EDIT_PROFILE_WEP_PASSPHRASE : IDC_EDIT_PROFILE_WEP_KEY;
    }
    if (field != 0) {
        host().Edit(field).Select(0, -1);
        host().SetFocus(field);
    }
}

void CProFileSettingDlg::OnWepModeRadio(bool passphraseMode) {
    Filling filling(m_showing);
    host().Button(IDC_RADIO_PROFILE_SECURITY_PASSPHRASE).SetCheck(passphraseMode);
    host().Button(IDC_RADIO_PROFILE_SECURITY_KEY).SetCheck(!passphraseMode);
    ClearKeyFields();
    int length = passphraseMode ? PassphraseKeyLength() : ManualKeyLength();
    host().Edit(IDC_EDIT_PROFILE_WEP_KEY).SetLimit(settings::KeyFieldLimit(length));
    ShowSecurity(Security::Wep);
    ui::ControlId field = passphraseMode ? IDC_EDIT_PROFILE_WEP_PASSPHRASE : IDC_EDIT_PROFILE_WEP_KEY;
    host().Edit(field).Select(0, -1);
    host().SetFocus(field);
}

void CProFileSettingDlg::OnKeyLengthChanged(ui::ControlId changed) {
    Filling filling(m_showing);
    int entry = host().Combo(changed).Selection();
    if (entry < 0) {
        return;
    }
    m_generatedKeys = {};
    ClearKeyFields();
    SetKeyLengthBoth(entry);
    if (!PassphraseModeChecked()) {
        host().Edit(IDC_EDIT_PROFILE_WEP_KEY).SetLimit(settings::KeyFieldLimit(entry));
    }
}

void CProFileSettingDlg::OnKeyNumberChanged() {
    if (PassphraseModeChecked()) {
        ShowGeneratedKey();
    }
}

void CProFileSettingDlg::OnPassphraseChanged() {
    std::u16string passphrase = host().GetText(IDC_EDIT_PROFILE_WEP_PASSPHRASE);
    if (auto keys = profiles::GenerateWepKeyTexts(m_codePage, passphrase,
                                                  PassphraseKeyLength() == settings::kKeyLength128)) {
        m_generatedKeys = *keys;
    }
    ShowGeneratedKey();
    MarkEdited();
}

void CProFileSettingDlg::MarkEdited(bool enableSave) {
    if (m_showing) {
        return;
    }
    m_modified = true;
    if (enableSave) {
        EnableSave(
            settings::SaveAllowedFor(host().GetText(IDC_COMBO_PROFILE_NAME), profiles::DefaultProfileName()));
    }
}

void CProFileSettingDlg::EnableSave(bool enable) {
    host().Enable(IDC_BUTTON_PROFILE_SAVE_PROFILE, enable);
}

void CProFileSettingDlg::EnableDelete(bool enable) {
    host().Enable(IDC_BUTTON_PROFILE_DEL_PROFILE, enable);
}

void CProFileSettingDlg::ShowModifiedMark(bool modified) {
    if (IsOpen()) {
        EnableSave(modified);
    }
}

void CProFileSettingDlg::ResetEditedProfile() {
    MakeFactoryProfile(m_working);
}

void CProFileSettingDlg::ChooseAdHocNetwork(int adHocRow) {
    if (!IsOpen() || adHocRow < 0) {
        return;
    }
    {
        Filling filling(m_showing);
        host().Button(IDC_RADIO_PROFILE_INFRASTRUCTURE).SetCheck(false);
        host().Button(IDC_RADIO_PROFILE_ADHOC).SetCheck(true);
        FillNetworkNames(kernel::kNetworkAdHoc);
        ApplyNetworkType(true);
    }
    ui::ComboControl& names = host().Combo(IDC_COMBO_PROFILE_SSID);
    for (int entry = 0; entry < names.Count(); ++entry) {
        if (names.ItemData(entry) == adHocRow) {
            names.Select(entry);
            OnNetworkNameChosen();
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------------------
// The controls as the rules read them

bool CProFileSettingDlg::AdHocChecked() {
    return !host().Button(IDC_RADIO_PROFILE_INFRASTRUCTURE).IsChecked();
}

Security CProFileSettingDlg::CheckedSecurity() {
    if (host().Button(IDC_RADIO_PROFILE_SECURITY_WPA).IsChecked()) {
        return Security::Wpa;
    }
    if (host().Button(IDC_RADIO_PROFILE_SECURITY_WEP).IsChecked()) {
        return Security::Wep;
    }
    return Security::None;
}

bool CProFileSettingDlg::PassphraseModeChecked() {
    return host().Button(IDC_RADIO_PROFILE_SECURITY_PASSPHRASE).IsChecked();
}

int CProFileSettingDlg::PassphraseKeyLength() {
    int entry = host().Combo(IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN).Selection();
    return entry < 0 ? settings::kKeyLength64 : entry;
}

int CProFileSettingDlg::ManualKeyLength() {
    int entry = host().Combo(IDC_COMBO_PROFILE_MANUAL_KEYLEN).Selection();
    return entry < 0 ? settings::kKeyLength64 : entry;
}
