// What every page of the main window's tab control shares: the pointer back to the main window, the
// adapter-arrived hook, the help pane that opens under the page's controls, and the Alt+letter presses
// the page leaves to the main window's buttons. The four pages derive from the page kinds below, which
// give the main window the calls it makes into each page; a page overrides what it does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "kernel/BssEntry.h"
#include "kernel/WirelessProfile.h"
#include "ui/Dialog.h"

class CNetUIDlg;

class CMainPage : public ui::Dialog {
public:
    // The window grows by this much when the help opens.
    static constexpr int kHelpHeight = 120;

    // `keyMessage`: the main window's message for this page's Alt+letter presses; `helpFile`: the help
    // text in the language folder ("settings.rtf", ...); `helpPane`: the rich-text control showing it.
    CMainPage(int templateId, uint32_t keyMessage, std::u16string_view helpFile, ui::ControlId helpPane);

    void SetMainWindow(CNetUIDlg* mainWindow) { m_mainWindow = mainWindow; }
    CNetUIDlg* MainWindow() const { return m_mainWindow; }
    uint32_t KeyMessage() const { return m_keyMessage; }

    // The adapter came (again): the page takes it up.
    virtual void OnAdapterArrived() {}
    // The language changed: the page sets its texts again.
    virtual void ApplyTexts() {}

    // Opens or closes the help pane: the controls under it move down (or up) by kHelpHeight, the page
    // grows (or shrinks) with them and the pane shows the help file, read when it first opens.
    void ShowHelp(bool shown);
    bool HelpShown() const { return m_helpShown; }

    bool OnInit() override;
    bool OnMenuKey(char16_t letter) override;

protected:
    // The controls below the help pane, which move when it opens. None by default.
    virtual std::vector<ui::ControlId> ControlsBelowHelp() const { return {}; }
    // After the help pane opened or closed (a page shows or hides what frames the pane).
    virtual void OnHelpShown(bool) {}
    // Reads the help file again, the next time the pane opens (after a language change).
    void ForgetHelp() { m_helpLoaded = false; }

private:
    CNetUIDlg* m_mainWindow = nullptr;
    uint32_t m_keyMessage;
    std::u16string m_helpFile;
    ui::ControlId m_helpPane;
    bool m_helpShown = false;
    bool m_helpLoaded = false;
};

// The Settings page as the main window uses it.
class CSettingsPage : public CMainPage {
public:
    using CMainPage::CMainPage;
    // Shows the current profile (after a connect, at the adapter's arrival, on Cancel).
    virtual void ShowCurrentProfile() {}
    // Cancel: loads the current profile again and shows it, dropping the edits.
    virtual void ReloadCurrentProfile() {}
    // Apply: the main window has called Disconnect; the page runs the apply flow.
    virtual void ApplySettings() {}
    // The list of network names again, from the scan list or from the profiles, keeping the shown text.
    virtual void RefillNetworkNames() {}
    // Selects the stored profile with this name (any case) as if the user had picked it; false when no
    // profile has this name.
    virtual bool SelectProfile(std::u16string_view) { return false; }
    // Alt+D: the page's delete action.
    virtual void DeleteShownProfile() {}
    // Asks whether the edited profile is to be saved before the edits go (closing, hiding, adapter gone).
    virtual void PromptForModifiedProfile() {}
    // Whether the user edited the shown profile without saving it.
    virtual bool ProfileModified() const { return false; }
    // The control that follows the profile-modified mark is enabled with it.
    virtual void ShowModifiedMark(bool) {}
    // The end of a connect-wizard run that set up a network: the page takes the wizard's profile as its
    // edited profile, stores it when `save` (overwriting one of the same name), and applies it.
    virtual void TakeWizardProfile(const kernel::WirelessProfile&, bool /*save*/) {}
    // The Networks tab's Connect: the edited profile starts again as a fresh default profile.
    virtual void ResetEditedProfile() {}
    // The Networks tab's Connect on an ad-hoc network: the page shows it chosen in its network-name list
    // (`adHocRow`: its row in g_AdHocList).
    virtual void ChooseAdHocNetwork(int) {}
    // A WPS run sent the user here to set a network up by hand: the page shows that network's name,
    // BSSID and security as a new profile to complete and save.
    virtual void ShowNetworkForManualSetUp(const kernel::BssEntry&) {}
};

// The Networks page as the main window uses it.
class CNetworksPage : public CMainPage {
public:
    using CMainPage::CMainPage;
    virtual void Rescan() {}
    // Connect to the network selected in the list.
    virtual void ConnectSelected() {}
    // Sorts the scan list with the page's own key and order again (the wizard sorted it with its own)
    // and shows its rows anew.
    virtual void ShowListAgain() {}
};

class CStatisticsPage : public CMainPage {
public:
    using CMainPage::CMainPage;
};

// The About page as the main window uses it.
class CAboutPage : public CMainPage {
public:
    using CMainPage::CMainPage;
    // The adapter's data changed: show it again.
    virtual void RefreshAdapterInfo() {}
};

// The four pages the main window holds, made by the program's entry point (or a test).
struct MainPages {
    CSettingsPage& settings;
    CNetworksPage& networks;
    CStatisticsPage& statistics;
    CAboutPage& about;
};
