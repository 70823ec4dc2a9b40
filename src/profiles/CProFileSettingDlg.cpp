// The Settings page: opening and showing a profile. The user's edits are in CProFileSettingDlgEdits.cpp;
// saving, deleting, applying and the dialogs around the page in CProFileSettingDlgStore.cpp.
#include "profiles/CProFileSettingDlg.h"

#include "app/AppGlobals.h"
#include "app/AppTexts.h"
#include "app/Language.h"
#include "base/Text.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/MainWndMessages.h"
#include "networks/NetworkList.h"
#include "profiles/KeyRules.h"
#include "profiles/ProfileStore.h"
#include "res/MainWndIds.h"
#include "res/SettingsIds.h"

using settings::Security;

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_PROFILE_SETTING";
// Registry key names hold 63 characters of a profile name here: the record's name field has 64 units
// with its terminator, so a longer name would be saved cut.
constexpr int kProfileNameLimit = static_cast<int>(kernel::kProfileNameUnits) - 1;
constexpr int kNetworkNameLimit = 32;

} // namespace

CProFileSettingDlg::CProFileSettingDlg(const platform::AnsiCodePage& codePage)
    : CSettingsPage(IDD_DIALOG_PROFILE_SETTING, mainwnd::kMsgSettingsPageKey, u"settings.rtf",
                    IDC_RICHEDIT_PAGE_HELP),
      m_codePage(codePage) {}

std::u16string CProFileSettingDlg::Text(std::u16string_view key, std::u16string_view defaultText) {
    return LangString(kSection, key, defaultText);
}

// ---------------------------------------------------------------------------------------------------
// Opening

bool CProFileSettingDlg::OnInit() {
    CSettingsPage::OnInit();
    Filling filling(m_showing);
    SetTexts();
    FillFixedLists();
    host().Button(IDC_RADIO_PROFILE_INFRASTRUCTURE).SetCheck(true);
    host().Button(IDC_RADIO_PROFILE_SECURITY_DISABLE).SetCheck(true);
    host().Combo(IDC_COMBO_PROFILE_NAME).SetEditLimit(kProfileNameLimit);
    host().Combo(IDC_COMBO_PROFILE_SSID).SetEditLimit(kNetworkNameLimit);
    host().Edit(IDC_EDIT_PROFILE_PSK).SetLimit(static_cast<int>(profiles::kPskLimit));
    host().Edit(IDC_EDIT_PROFILE_WEP_PASSPHRASE).SetLimit(static_cast<int>(profiles::kWepPassphraseLimit));
    host().Edit(IDC_EDIT_PROFILE_WEP_KEY).SetLimit(static_cast<int>(profiles::kWep64KeyLimit));

    kernel::WirelessProfile factory{};
    MakeFactoryProfile(factory);
    profiles::AddProfile(factory); // stores the default profile when it is missing
    ShowCurrentProfile();
    return true;
}

void CProFileSettingDlg::ApplyTexts() {
    if (!IsOpen()) {
        return;
    }
    SetTexts();
    ApplyLanguageToNames();
    // The fixed lists carry translated texts too; their choices stay.
    int wpa = host().Combo(IDC_COMBO_PROFILE_WPA).Selection();
    int passphraseLength = PassphraseKeyLength();
    int manualLength = ManualKeyLength();
    int keyNumber = host().Combo(IDC_COMBO_PROFILE_KEY_NUMBER).Selection();
    {
        Filling filling(m_showing);
        FillFixedLists();
        ApplyNetworkType(AdHocChecked());
        host().Combo(IDC_COMBO_PROFILE_WPA).Select(wpa);
        host().Combo(IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN).Select(passphraseLength);
        host().Combo(IDC_COMBO_PROFILE_MANUAL_KEYLEN).Select(manualLength);
        host().Combo(IDC_COMBO_PROFILE_KEY_NUMBER).Select(keyNumber);
    }
    ForgetHelp();
}

void CProFileSettingDlg::ApplyLanguageToNames() {
    // The default profile and the "Any" entry are named in the language, and the store has just renamed
    // the default profile: both lists are filled again, a shown old name becomes the new one, and what
    // the user typed otherwise stays.
    std::u16string oldDefault = m_listedDefaultName;
    std::u16string oldAny = m_listedAnyName;
    std::u16string name = host().GetText(IDC_COMBO_PROFILE_NAME);
    std::u16string network = host().GetText(IDC_COMBO_PROFILE_SSID);
    Filling filling(m_showing);
    FillProfileList();
    if (name == oldDefault) {
        name = profiles::DefaultProfileName();
    }
    host().SetText(IDC_COMBO_PROFILE_NAME, name);
    FillNetworkNames(AdHocChecked() ? kernel::kNetworkAdHoc : kernel::kNetworkInfrastructure);
    if (network == oldAny) {
        network = profiles::AnyNetworkName();
    }
    ShowInNetworkNames(network);
    if (base::FieldText(m_working.ConfigurationName) == oldDefault) {
        base::CopyToField(m_working.ConfigurationName, profiles::DefaultProfileName());
    }
    if (base::FieldText(m_working.NetworkName) == oldAny) {
        base::CopyToField(m_working.NetworkName, profiles::AnyNetworkName());
    }
}

void CProFileSettingDlg::SetTexts() {
    struct ControlText {
        ui::ControlId id;
        std::u16string_view key; // the control's key in the page's section
        std::u16string_view defaultText;
    };
    static constexpr ControlText kTexts[] = {
        {IDC_STATIC_PROFILE_GROUP_PROFILES, u"IDC_STATIC_PROFILE_GROUP_PROFILES", u"Profiles"},
        {IDC_STATIC_PROFILE_GROUP_SSID, u"IDC_STATIC_PROFILE_GROUP_SSID", u"Network Name (SSID)"},
        {IDC_STATIC_PROFILE_GROUP_NETORKTYPE, u"IDC_STATIC_PROFILE_GROUP_NETORKTYPE", u"Network Type"},
        {IDC_STATIC_PROFILE_NETWORKTYPE_INFRASTRUCTURE, u"IDC_STATIC_PROFILE_NETWORKTYPE_INFRASTRUCTURE",
         u"Access Point (Infrastructure)"},
        {IDC_STATIC_PROFILE_NETWORKTYPE_ADHOC, u"IDC_STATIC_PROFILE_NETWORKTYPE_ADHOC",
         u"Computer-to-Computer (Ad Hoc)"},
        {IDC_BUTTON_PROFILE_INIT_ADHOC, u"IDC_BUTTON_PROFILE_INIT_ADHOC", u"&Initiate Ad-Hoc"},
        {IDC_STATIC_PROFILE_GROUP_SECURITY, u"IDC_STATIC_PROFILE_GROUP_SECURITY", u"Security"},
        {IDC_RADIO_PROFILE_SECURITY_DISABLE, u"IDC_RADIO_PROFILE_SECURITY_DISABLE", u"Disa&ble"},
        {IDC_RADIO_PROFILE_SECURITY_WEP, u"IDC_RADIO_PROFILE_SECURITY_WEP", u"&WEP"},
        {IDC_RADIO_PROFILE_SECURITY_PASSPHRASE, u"IDC_RADIO_PROFILE_SECURITY_PASSPHRASE",
         u"Create with &Passphrase"},
        {IDC_STATIC_PROFILE_WEP_PASSPHRASE, u"IDC_STATIC_PROFILE_WEP_PASSPHRASE", u"Passphrase:"},
        {IDC_RADIO_PROFILE_SECURITY_KEY, u"IDC_RADIO_PROFILE_SECURITY_KEY", u"Enter Key &Manually"},
        {IDC_BUTTON_PROFILE_ADVANCED_SETTING, u"IDC_BUTTON_PROFILE_ADVANCED_SETTING", u"A&dvanced Settings"},
        {IDC_BUTTON_PROFILE_SAVE_PROFILE, u"IDC_BUTTON_PROFILE_SAVE_PROFILE", u"&Save Profile"},
        {IDC_BUTTON_PROFILE_DEL_PROFILE, u"IDC_BUTTON_PROFILE_DEL_PROFILE", u"D&elete Profile"},
        {IDC_BUTTON_PROFILE_PRIORITY_PROFILE, u"IDC_BUTTON_PROFILE_PRIORITY_PROFILE", u"Priority"},
        {IDC_STATIC_PROFILE_GROUP_HELP, u"IDC_STATIC_PROFILE_GROUP_HELP", u"Help"},
    };
    host().SetText(IDC_STATIC_PROFILE_SELECTED_ADAPTER,
                   LangString(u"MAIN", u"SelectedAdapter", u"Selected Adapter:"));
    for (const ControlText& text : kTexts) {
        host().SetText(text.id, Text(text.key, text.defaultText));
    }
}

void CProFileSettingDlg::FillFixedLists() {
    ui::ComboControl& wpa = host().Combo(IDC_COMBO_PROFILE_WPA);
    wpa.Reset();
    wpa.Add(settings::kWpaPskTkip);
    wpa.Add(settings::kWpa2PskAes);
    wpa.Select(0);
    for (ui::ControlId id : {IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN, IDC_COMBO_PROFILE_MANUAL_KEYLEN}) {
        ui::ComboControl& lengths = host().Combo(id);
        lengths.Reset();
        lengths.Add(Text(u"Len_64", u"64 Bits"));
        lengths.Add(Text(u"Len_128", u"128 Bits"));
        lengths.Select(0);
    }
    ui::ComboControl& keys = host().Combo(IDC_COMBO_PROFILE_KEY_NUMBER);
    keys.Reset();
    keys.Add(Text(u"Key1", u"Key1:"));
    keys.Add(Text(u"Key2", u"Key2:"));
    keys.Add(Text(u"Key3", u"Key3:"));
    keys.Add(Text(u"Key4", u"Key4:"));
    keys.Select(0);
}

void CProFileSettingDlg::OnHelpShown(bool shown) {
    // The group frames the pane, which the page base has just placed and sized.
    ui::Control& group = host().Item(IDC_STATIC_PROFILE_GROUP_HELP);
    if (shown) {
        ui::Rect pane = host().Item(IDC_RICHEDIT_PAGE_HELP).GetRect();
        ui::Rect frame = group.GetRect();
        frame.bottom = pane.bottom + 4;
        group.Move(frame);
    }
    group.Show(shown);
}

void CProFileSettingDlg::MakeFactoryProfile(kernel::WirelessProfile& record) {
    kernel::AdapterConfig config{};
    if (g_pnKernel != nullptr) {
        g_pnKernel->GetAdapterConfig(&config);
        g_pnKernel->InitConnectionBlock(&record.block);
    }
    record.block.FragThreshold = config.fragThresholdMax;
    record.block.RTSThreshold = config.rtsThresholdMax;
    record.inUse = 1;
    base::CopyToField(record.ConfigurationName, profiles::DefaultProfileName());
    base::CopyToField(record.NetworkName, profiles::AnyNetworkName());
    record.block.securityFlags = kernel::kSecurityNone;
    record.wirelessModes = kernel::kModeAll;
    record.block.transmitPower = kernel::kTransmitPowerFull;
    record.block.band = kernel::KWL_FLAG_BAND_AUTO;
}

// ---------------------------------------------------------------------------------------------------
// Showing

int CProFileSettingDlg::FillProfileList() {
    std::vector<std::u16string> names;
    {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        int count = profiles::EnsureDefaultProfile();
        for (int i = 0; i < count; ++i) {
            names.emplace_back(
                base::FieldText(profiles::ProfileTable[static_cast<size_t>(i)].ConfigurationName));
        }
    }
    m_listedDefaultName = profiles::DefaultProfileName();
    ui::ComboControl& list = host().Combo(IDC_COMBO_PROFILE_NAME);
    list.Reset();
    for (const std::u16string& name : names) {
        list.Add(name);
    }
    return static_cast<int>(names.size());
}

void CProFileSettingDlg::ShowCurrentProfile() {
    // The main window asks for this when a connection has come up and when the adapter arrives; edits
    // the user is making meanwhile stay (Cancel brings the current profile back on purpose).
    if (!IsOpen() || m_modified) {
        return;
    }
    // A store that cannot take the default profile (full, or writes refused) would have the page try
    // again forever: it is tried once more, then the user is told and the factory profile is shown.
    for (int attempt = 0;; ++attempt) {
        int count = FillProfileList();
        profiles::LoadCurrentProfile();
        m_working = profiles::CopyCurrentProfile();
        ShowWorkingRecord();
        m_modified = false;
        EnableSave(false);
        EnableDelete(false);

        bool full = false;
        {
            std::lock_guard lock(profiles::ProfileStoreMutex());
            if (profiles::FindActiveProfile(count) >= 0) {
                return;
            }
            if (profiles::FindProfile(count, profiles::DefaultProfileName()) >= 0) {
                profiles::MarkActiveProfile(count, profiles::DefaultProfileName());
                return;
            }
            full = profiles::CountProfiles() >= profiles::kMaxStoredProfiles;
        }
        kernel::WirelessProfile factory{};
        MakeFactoryProfile(factory);
        if (attempt == 0) {
            profiles::AddProfile(factory);
            profiles::SetCurrentProfile(factory);
            continue;
        }
        m_working = factory;
        ShowWorkingRecord();
        if (full) {
            ShowStoreMessage(u"Msg_0102", u"Beyond the limit of max profile", ui::kBoxIconWarning);
        } else {
            ShowStoreMessage(u"Msg_0101", u"Opening or adding the profile failed.", ui::kBoxIconWarning);
        }
        return;
    }
}

void CProFileSettingDlg::ReloadCurrentProfile() {
    if (!IsOpen()) {
        return;
    }
    FillProfileList();
    profiles::LoadCurrentProfile();
    m_working = profiles::CopyCurrentProfile();
    ShowWorkingRecord();
    m_modified = false;
    EnableSave(false);
    EnableDelete(false);
}

void CProFileSettingDlg::ShowWorkingRecord() {
    Filling filling(m_showing);
    host().SetText(IDC_COMBO_PROFILE_NAME, base::FieldText(m_working.ConfigurationName));
    bool adHoc = m_working.block.NetworkConnectType == kernel::kNetworkAdHoc;
    host().Button(IDC_RADIO_PROFILE_INFRASTRUCTURE).SetCheck(!adHoc);
    host().Button(IDC_RADIO_PROFILE_ADHOC).SetCheck(adHoc);
    FillNetworkNames(adHoc ? kernel::kNetworkAdHoc : kernel::kNetworkInfrastructure);
    ShowNetworkName();
    ProfileToData();
}

void CProFileSettingDlg::ShowNetworkName() {
    std::u16string name(base::FieldText(m_working.NetworkName));
    if (base::FieldText(m_working.ConfigurationName) == profiles::DefaultProfileName()) {
        name = profiles::AnyNetworkName();
    }
    ShowInNetworkNames(name);
}

void CProFileSettingDlg::ShowProfile(int index) {
    if (index < 0) {
        EnableSave(false);
        EnableDelete(false);
        return;
    }
    Filling filling(m_showing);
    if (index == 0) {
        host().Button(IDC_RADIO_PROFILE_INFRASTRUCTURE).SetCheck(true);
        host().Button(IDC_RADIO_PROFILE_ADHOC).SetCheck(false);
        FillNetworkNames(kernel::kNetworkInfrastructure);
        host().Combo(IDC_COMBO_PROFILE_SSID).Select(0);
        ClearKeyFields();
        for (ui::ControlId id : {IDC_COMBO_PROFILE_WPA, IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN,
                                 IDC_COMBO_PROFILE_MANUAL_KEYLEN, IDC_COMBO_PROFILE_KEY_NUMBER}) {
            host().Combo(id).Select(0);
        }
        host().SetText(IDC_EDIT_PROFILE_PSK, u"");
        m_generatedKeys = {};
        MakeFactoryProfile(m_working);
        ApplyNetworkType(false);
        ShowSecurity(Security::None);
        EnableDelete(false);
    } else {
        std::u16string name = host().Combo(IDC_COMBO_PROFILE_NAME).ItemText(index);
        std::u16string current(base::FieldText(profiles::CopyCurrentProfile().ConfigurationName));
        bool found = false;
        {
            std::lock_guard lock(profiles::ProfileStoreMutex());
            int count = profiles::LoadProfileTable(0);
            int slot = profiles::FindProfile(count, name);
            if (slot >= 0) {
                kernel::WirelessProfile& stored = profiles::ProfileTable[static_cast<size_t>(slot)];
                stored.inUse = base::FieldText(stored.ConfigurationName) == current ? 1 : 0;
                m_working = stored;
                found = true;
            }
        }
        if (!found) {
            // Removed behind the page's back since the list was filled.
            FillProfileList();
            EnableSave(false);
            EnableDelete(false);
            return;
        }
        bool adHoc = m_working.block.NetworkConnectType == kernel::kNetworkAdHoc;
        host().Button(IDC_RADIO_PROFILE_INFRASTRUCTURE).SetCheck(!adHoc);
        host().Button(IDC_RADIO_PROFILE_ADHOC).SetCheck(adHoc);
        FillNetworkNames(adHoc ? kernel::kNetworkAdHoc : kernel::kNetworkInfrastructure);
        ShowNetworkName();
        ProfileToData();
        EnableDelete(m_working.inUse != 1);
    }
    m_modified = false;
    EnableSave(false);
}

bool CProFileSettingDlg::SelectProfile(std::u16string_view name) {
    if (!IsOpen()) {
        return false;
    }
    FillProfileList();
    ui::ComboControl& list = host().Combo(IDC_COMBO_PROFILE_NAME);
    for (int i = 0; i < list.Count(); ++i) {
        if (settings::SameNameAnyCase(list.ItemText(i), name)) {
            list.Select(i);
            ShowProfile(i);
            return true;
        }
    }
    return false;
}

void CProFileSettingDlg::FillNetworkNames(uint32_t networkType) {
    m_listedNetworks.clear();
    for (const networks::SideRow& row :
         networkType == kernel::kNetworkAdHoc ? networks::CopyAdHocList() : networks::CopyInfraList()) {
        m_listedNetworks.push_back(row.entry);
    }
    ui::ComboControl& names = host().Combo(IDC_COMBO_PROFILE_SSID);
    names.Reset();
    if (networkType != kernel::kNetworkAdHoc) {
        m_listedAnyName = profiles::AnyNetworkName();
        int entry = names.Add(m_listedAnyName);
        names.SetItemData(entry, kAnyNetworkItem);
    }
    // Several access points of one network give one entry; a network that hides its name gives none.
    for (size_t i = 0; i < m_listedNetworks.size(); ++i) {
        std::u16string name(base::FieldText(m_listedNetworks[i].ssid));
        if (name.empty() || names.Find(name) >= 0) {
            continue;
        }
        int entry = names.Add(name);
        names.SetItemData(entry, static_cast<intptr_t>(i));
    }
}

void CProFileSettingDlg::RefillNetworkNames() {
    if (!IsOpen()) {
        return;
    }
    Filling filling(m_showing);
    std::u16string shown = host().GetText(IDC_COMBO_PROFILE_SSID);
    FillNetworkNames(AdHocChecked() ? kernel::kNetworkAdHoc : kernel::kNetworkInfrastructure);
    ShowInNetworkNames(shown);
}

void CProFileSettingDlg::ShowInNetworkNames(std::u16string_view name) {
    ui::ComboControl& names = host().Combo(IDC_COMBO_PROFILE_SSID);
    int entry = names.Find(name);
    if (entry >= 0) {
        names.Select(entry);
    } else {
        names.Select(-1);
        host().SetText(IDC_COMBO_PROFILE_SSID, name);
    }
}

void CProFileSettingDlg::ProfileToData() {
    Filling filling(m_showing);
    const kernel::ConnectionBlock& block = m_working.block;
    ClearKeyFields();
    ApplyNetworkType(AdHocChecked());
    Security security = settings::SecurityOf(block.securityFlags);
    if (security == Security::Wpa && !host().IsEnabled(IDC_RADIO_PROFILE_SECURITY_WPA)) {
        security = Security::None; // the network type cannot use WPA here
    }
    if (security != Security::Wpa) {
        // The key of the profile shown before is not this profile's, and must not stay on screen.
        host().Combo(IDC_COMBO_PROFILE_WPA).Select(0);
        host().SetText(IDC_EDIT_PROFILE_PSK, u"");
    }
    switch (security) {
    case Security::None:
        break;
    case Security::Wep: {
        bool passphraseMode = m_working.noPassphrase == 0;
        host().Button(IDC_RADIO_PROFILE_SECURITY_PASSPHRASE).SetCheck(passphraseMode);
        host().Button(IDC_RADIO_PROFILE_SECURITY_KEY).SetCheck(!passphraseMode);
        uint32_t keyNumber = block.defaultKey < 4 ? block.defaultKey : 0;
        host().Combo(IDC_COMBO_PROFILE_KEY_NUMBER).Select(static_cast<int>(keyNumber));
        std::u16string keyText(base::FieldText(block.wepKeys[keyNumber]));
        int length = settings::KeyLengthEntryForKeyText(keyText);
        if (length >= 0) {
            SetKeyLengthBoth(length);
            host().Edit(IDC_EDIT_PROFILE_WEP_KEY).SetLimit(settings::KeyFieldLimit(length));
        }
        if (passphraseMode) {
            // Showing the passphrase makes the keys again, and the key field shows the chosen one.
            host().SetText(IDC_EDIT_PROFILE_WEP_PASSPHRASE, base::FieldText(m_working.wepPassphrase));
        } else {
            // The key as stored, so that applying the shown profile again needs no typing.
            host().SetText(IDC_EDIT_PROFILE_WEP_KEY, keyText);
        }
        break;
    }
    case Security::Wpa: {
        bool wpa2 = (block.securityFlags & kernel::kAuthWpa2Psk) != 0;
        ui::ComboControl& list = host().Combo(IDC_COMBO_PROFILE_WPA);
        int entry = list.Find(wpa2 ? settings::kWpa2PskAes : settings::kWpaPskTkip);
        list.Select(entry >= 0 ? entry : 0);
        host().SetText(IDC_EDIT_PROFILE_PSK, base::FieldText(block.psk));
        break;
    }
    }
    ShowSecurity(security);
}

void CProFileSettingDlg::ShowSecurity(Security security) {
    host().Button(IDC_RADIO_PROFILE_SECURITY_DISABLE).SetCheck(security == Security::None);
    host().Button(IDC_RADIO_PROFILE_SECURITY_WPA).SetCheck(security == Security::Wpa);
    host().Button(IDC_RADIO_PROFILE_SECURITY_WEP).SetCheck(security == Security::Wep);
    if (security == Security::Wep && !host().Button(IDC_RADIO_PROFILE_SECURITY_PASSPHRASE).IsChecked() &&
        !host().Button(IDC_RADIO_PROFILE_SECURITY_KEY).IsChecked()) {
        host().Button(IDC_RADIO_PROFILE_SECURITY_PASSPHRASE).SetCheck(true);
    }
    ApplySecurityControls();
}

void CProFileSettingDlg::ApplySecurityControls() {
    settings::SecurityControls c = settings::SecurityControlsFor(CheckedSecurity(), PassphraseModeChecked());
    ui::Host& h = host();
    h.Enable(IDC_COMBO_PROFILE_WPA, c.wpaList);
    h.Enable(IDC_EDIT_PROFILE_PSK, c.pskField);
    h.Enable(IDC_RADIO_PROFILE_SECURITY_PASSPHRASE, c.passphraseMode);
    h.Enable(IDC_RADIO_PROFILE_SECURITY_KEY, c.manualMode);
    h.Enable(IDC_COMBO_PROFILE_KEY_NUMBER, c.keyNumber);
    h.Enable(IDC_STATIC_PROFILE_WEP_PASSPHRASE, c.passphraseField);
    h.Enable(IDC_EDIT_PROFILE_WEP_PASSPHRASE, c.passphraseField);
    h.Enable(IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN, c.passphraseKeyLength);
    h.Enable(IDC_EDIT_PROFILE_WEP_KEY, c.keyField);
    h.Enable(IDC_COMBO_PROFILE_MANUAL_KEYLEN, c.manualKeyLength);
}

void CProFileSettingDlg::ApplyNetworkType(bool adHoc) {
    uint32_t firstMember = 0;
    if (g_pnKernel != nullptr) {
        kernel::AdapterConfig config{};
        g_pnKernel->GetAdapterConfig(&config);
        firstMember = config.associated;
    }
    settings::NetworkTypeRule rule = settings::RuleForNetworkType(adHoc, OsClass, firstMember);
    host().Enable(IDC_BUTTON_PROFILE_INIT_ADHOC, rule.initiateAdHoc);
    host().Enable(IDC_RADIO_PROFILE_SECURITY_WPA, rule.wpaRadio);
    ui::ComboControl& wpa = host().Combo(IDC_COMBO_PROFILE_WPA);
    if (rule.wpaEntries != settings::WpaEntries::Keep) {
        wpa.Reset();
        if (rule.wpaEntries == settings::WpaEntries::Both) {
            wpa.Add(settings::kWpaPskTkip);
        }
        wpa.Add(settings::kWpa2PskAes);
        wpa.Select(0);
    }
    if (!rule.wpaRadio && CheckedSecurity() == Security::Wpa) {
        ShowSecurity(Security::None);
    }
}

void CProFileSettingDlg::SetKeyLengthBoth(int entry) {
    host().Combo(IDC_COMBO_PROFILE_PASSPHRASE_KEYLEN).Select(entry);
    host().Combo(IDC_COMBO_PROFILE_MANUAL_KEYLEN).Select(entry);
}

void CProFileSettingDlg::ClearKeyFields() {
    Filling filling(m_showing);
    for (ui::ControlId id : {IDC_EDIT_PROFILE_WEP_PASSPHRASE, IDC_EDIT_PROFILE_WEP_KEY}) {
        host().Edit(id).SetPasswordChar(0);
        host().SetText(id, u"");
    }
    host().Edit(IDC_EDIT_PROFILE_PSK).SetPasswordChar(0);
}

void CProFileSettingDlg::ShowGeneratedKey() {
    Filling filling(m_showing);
    int keyNumber = host().Combo(IDC_COMBO_PROFILE_KEY_NUMBER).Selection();
    if (keyNumber < 0 || keyNumber > 3) {
        return;
    }
    host().SetText(IDC_EDIT_PROFILE_WEP_KEY, m_generatedKeys[static_cast<size_t>(keyNumber)]);
}
