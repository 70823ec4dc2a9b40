// The Settings page of the main window: the profile editor. It shows one profile at a time in its
// working record, lets the user pick a stored profile, edit its network name, type and security, save
// it under a name, delete it, reorder the profiles and open the advanced and ad-hoc dialogs; the main
// window's Apply runs the apply flow here.
//
// The working record is the page's own; the advanced and ad-hoc dialogs edit it in place while they are
// open. Everything runs on the window's thread; the store and the scan list are read through their
// locked operations.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/BssEntry.h"
#include "kernel/WirelessProfile.h"
#include "mainwnd/CMainPage.h"
#include "platform/AnsiCodePage.h"
#include "profiles/settings/SettingsRules.h"

class CProFileSettingDlg final : public CSettingsPage {
public:
    // `codePage`: the system's, for the WEP keys a passphrase gives.
    explicit CProFileSettingDlg(const platform::AnsiCodePage& codePage);

    // DataToProfile results: 0 accepted, 1-6 the key rules' rejections.
    static constexpr int kDataAccepted = 0;

    // --- what the main window calls ---
    bool OnInit() override;
    void ApplyTexts() override;
    void ShowCurrentProfile() override;
    void ReloadCurrentProfile() override;
    void ApplySettings() override;
    void RefillNetworkNames() override;
    bool SelectProfile(std::u16string_view name) override;
    void DeleteShownProfile() override;
    void PromptForModifiedProfile() override;
    bool ProfileModified() const override { return m_modified; }
    void ShowModifiedMark(bool modified) override;
    void ResetEditedProfile() override;
    void ChooseAdHocNetwork(int adHocRow) override;
    void TakeWizardProfile(const kernel::WirelessProfile& profile, bool save) override;
    void ShowNetworkForManualSetUp(const kernel::BssEntry& network) override;

    // --- the editor ---
    // The factory default working record: the adapter's defaults and "Any (First available network)".
    void MakeFactoryProfile(kernel::WirelessProfile& record);
    // Shows profile-list entry `index` (the user picked it).
    void ShowProfile(int index);
    // The security controls from the working record.
    void ProfileToData();
    // The working record from the controls; 0 accepted, else the rejection (its message not yet shown).
    int DataToProfile();
    // The Save button (promote: the saved profile is tried first after the default one). True when the
    // profile is now stored as shown.
    bool SaveProfile(bool promote);
    // Fills the network-name list from the last scan for a network type (0 infrastructure, 1 ad hoc).
    void FillNetworkNames(uint32_t networkType);

    const kernel::WirelessProfile& WorkingRecord() const { return m_working; }

    void OnCommand(ui::ControlId id, int code) override;

protected:
    void OnHelpShown(bool shown) override;

private:
    // Marks the page as filling its own controls for as long as it lives: the notifications this sends
    // (an edit reports every change of its text) are not the user's edits.
    class Filling {
    public:
        explicit Filling(bool& flag) : m_flag(flag), m_before(flag) { m_flag = true; }
        ~Filling() { m_flag = m_before; }
        Filling(const Filling&) = delete;
        Filling& operator=(const Filling&) = delete;

    private:
        bool& m_flag;
        bool m_before;
    };

    // Texts and lists.
    void SetTexts();
    void ApplyLanguageToNames();
    void FillFixedLists();
    std::u16string Text(std::u16string_view key, std::u16string_view defaultText);

    // Showing.
    int FillProfileList();
    void ShowWorkingRecord();
    void ShowNetworkName();
    // Chooses the network-name entry of that text, or shows the text when there is none.
    void ShowInNetworkNames(std::u16string_view name);
    void ShowSecurity(settings::Security security);
    void ApplySecurityControls();
    void ApplyNetworkType(bool adHoc);
    void SetKeyLengthBoth(int entry);
    void ShowGeneratedKey();
    void ClearKeyFields();

    // Edits.
    void OnProfileNameTyped();
    void OnProfileChosen();
    void OnNetworkNameChosen();
    void OnNetworkNameTyped();
    void OnSecurityRadio(ui::ControlId id);
    void OnWepModeRadio(bool passphraseMode);
    void OnKeyLengthChanged(ui::ControlId changed);
    void OnKeyNumberChanged();
    void OnPassphraseChanged();
    void MarkEdited(bool enableSave = true);
    void EnableSave(bool enable);
    void EnableDelete(bool enable);

    // Dialogs and flows.
    void RunAdvancedSettings();
    void RunAdHocSettings();
    void RunPriority();
    void ShowDataMessage(int result);
    void ShowStoreMessage(std::u16string_view key, std::u16string_view defaultText, uint32_t icon);
    void ShowNameMessage(std::u16string_view text);
    bool NameIsCurrentProfile(std::u16string_view name);
    bool TkipNoticeWanted() const;
    void RunValidatingSplash();
    void RenameForChangedSettings();

    // Controls read as the rules see them.
    bool AdHocChecked();
    settings::Security CheckedSecurity();
    bool PassphraseModeChecked();
    int PassphraseKeyLength();
    int ManualKeyLength();

    const platform::AnsiCodePage& m_codePage;
    kernel::WirelessProfile m_working{};
    std::array<std::u16string, 4> m_generatedKeys;
    // The scan entries behind the network-name list (an entry's item data is its index here, and
    // kAnyNetworkItem for "Any (First available network)").
    static constexpr intptr_t kAnyNetworkItem = -1;
    std::vector<kernel::BssEntry> m_listedNetworks;
    bool m_modified = false;
    // The default profile's name and the "Any" entry's text as last listed (they change with the language).
    std::u16string m_listedDefaultName;
    std::u16string m_listedAnyName;
    bool m_showing = false; // the page itself is filling controls: their notifications are not edits
};
