// The program's only top-level window: the tab control with the four pages, the button row, the status
// area and the tray icon. It lives hidden in the notification area most of the time, hears the service
// library's events and runs the three workers that connect, fall back between profiles and refresh.
//
// Threads: the library calls the receiver operations on its own thread and the workers run on theirs;
// both only post to this window (ui::Poster) or touch atomics and locked records. Everything that
// changes the window or the pages runs on the window's thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "kernel/BssEntry.h"
#include "kernel/INotificationReceiver.h"
#include "mainwnd/CMainPage.h"
#include "mainwnd/CQueryTabCtrl.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "platform/SystemInfo.h"
#include "ui/Dialog.h"
#include "ui/Poster.h"

class CNetUIApp;
class CConnectInternetMsgDlg;

namespace mainwnd {
class CTrayIcon;
class ConnectRequests;
class MainWindowWorkers;
} // namespace mainwnd

// What the main window asks of the platform besides its host.
struct MainWindowPlatform {
    platform::Clock& clock;
    platform::SystemInfo& system;
    platform::Sound& sound;
};

// Calls into the subsystems that come after the main window (the connect wizard, WPS). Each is optional.
struct MainWindowHooks {
    std::function<void()> startConnectWizard; // a new wizard run (button 1015, set-up check)
    // A wizard run for a network picked in the Networks tab; `wps`: it signals WPS.
    std::function<void(const kernel::BssEntry& network, bool wps, int listIndex)> startWizardForNetwork;
    std::function<void()> startHardwareButtonRun; // WPS code 5: the push-button run of the adapter's button
    std::function<void()> showHardwareCancel;     // 0x806E: the hardware push-button cancel notice
    std::function<bool()> pushButtonRunActive;    // a WPS push-button exchange runs (the fallback waits)
    std::function<void()> closeWizard;            // the adapter went: end an open wizard run
    // kMsgWizardCall arrived (wParam): the wizard's thread asks for something done on the window's thread.
    std::function<void(uintptr_t call)> wizardCall;
};

class CNetUIDlg final : public ui::Dialog, public kernel::NotificationReceiverBase {
public:
    CNetUIDlg(CNetUIApp* app, MainPages pages, MainWindowPlatform platform, MainWindowHooks hooks = {});
    ~CNetUIDlg() override;

    // Tests drive the workers' steps themselves; the program lets the window start their threads.
    void SetStartWorkerThreads(bool start) { m_startWorkerThreads = start; }
    mainwnd::MainWindowWorkers& Workers() { return *m_workers; }
    mainwnd::ConnectRequests& ConnectRequests();

    // --- what pages and subsystems ask of the main window (window thread) ---
    bool Busy() const { return m_busy; }
    void SetBusy(bool busy);
    bool UtilityManagesAdapter() const;
    int CurrentPage() const { return m_currentPage; }
    // Shows a page (CQueryTabCtrl::Page) as if its tab had been picked; nothing when it is not offered.
    void ShowPage(int page) { SwitchToPage(page); }
    MainPages& Pages() { return m_pages; }
    // Connect with the selected profile (-1) or the stored profile at `profileIndex`.
    void RequestConnect(int profileIndex = -1);
    void MarkNetworksForRescan() { m_networksRescan = true; }
    bool NetworksMarkedForRescan() const { return m_networksRescan; }
    void RequestRefreshSequence();
    // Re-reads the status records and redraws the status area and the tray icon.
    void RefreshDisplay();
    // Re-evaluates who manages the adapter and rebuilds the tabs when that changed.
    void ReevaluateZeroConfig();
    // The exit sequence: the program ends when it returns.
    void Exit();
    bool HelpShown() const { return m_helpShown; }
    // The Networks page's Scan button (1017) while a survey runs.
    void EnableScanButton(bool enable);
    // How many pixels a pixel of the program's layout texts (column widths) takes on this screen. The
    // templates are laid out in dialog units, which already follow the system font, so this is 1.
    double DisplayScale() const { return 1.0; }
    // Starts a wizard run for a network picked in the Networks tab (the connect wizard fills it in);
    // `listIndex`: the network's index in the scan list.
    void StartWizardForNetwork(const kernel::BssEntry& network, bool wps, int listIndex = -1);
    int TrayState() const { return m_trayState; }
    // The user chose another language (the language state and the "MAIN" texts are already reloaded):
    // the window's buttons and tabs and every page take their texts anew.
    void ApplyLanguage();

    // --- what the connect wizard asks of the window (window thread) ---
    // The poster of the window, for the wizard's thread; reaches nothing before OnInit.
    ui::Poster WindowPoster() const { return m_self; }
    void HideWindow();
    // Shown, restored and raised (centred first when it was never placed).
    void RaiseAndShow();
    // Only brought to the top of the window order, not shown.
    void RaiseInOrder();
    // Shows the window once after `milliseconds` (timer 3).
    void ShowAfter(uint32_t milliseconds);
    // Whether the window has been shown since it was created.
    bool ShownBefore() const { return m_shownBefore; }
    // No icon and no tip in the notification area.
    void ClearTrayIcon();
    // The connection record says the adapter is not associated (its flag 0x10000).
    bool ConnectionLost();

    // --- what the Settings page's apply flow asks of the window ---
    bool IsShown();
    // Settings changed by other means than the page's controls count as a change when applied, even
    // when the page's record is unchanged. Nothing sets it yet; the wizard is to.
    bool SettingsChangePending() const { return m_settingsChangePending; }
    void SetSettingsChangePending(bool pending) { m_settingsChangePending = pending; }
    // The wizard applies its profile through the Settings page: no TKIP notice then. Set by the wizard.
    bool WizardApplying() const { return m_wizardApplying; }
    void SetWizardApplying(bool applying) { m_wizardApplying = applying; }
    // A connection attempt starts now: the profile fallback's clock starts over.
    void RestartFallbackClock();
    void EnableApplyButton();
    // Sends the window its activation message (0x806D): 0 while a page runs a dialog of its own (the
    // Alt hot keys go, so Alt+D reaches the dialog), 1 after it.
    void SendActivationState(uintptr_t state);

    // ui::Dialog
    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    intptr_t OnNotify(const ui::Notify& notify) override;
    void OnTimer(int timerId) override;
    bool OnMenuKey(char16_t letter) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    // Enter and Escape neither close the window nor press a button.
    bool IgnoresEnterAndEscape() const override { return true; }
    void OnOK() override {}
    void OnCancel() override {}
    void OnDestroy() override;
    // It lives in the notification area and shows itself when asked.
    bool StartsHidden() const override { return true; }

    // kernel::INotificationReceiver, on the library's thread: each only posts to the window.
    void OnWKDeviceLoaded() override;
    void OnWKDeviceRemoved() override;
    void OnWKZeroCfgChanged(uint8_t flag) override;
    void OnWKRadioChanged(uint8_t on) override;
    void OnWKSiteSurveyed() override;
    void OnWKAdapterChanged() override;
    void OnWKAssociationChanged() override;
    void OnWKAddressChanged() override;
    void OnWKQuietRefresh() override;
    void OnWKInternetChanged(uint8_t reachable) override;
    void OnWKLinkNotice(uint32_t value) override;
    void OnWKRateChanged() override;
    void OnWKChannelChanged() override;
    void OnWKWPSStatus(uint32_t code) override;

private:
    void PostEvent(int slot, uint32_t argument = 0);
    void HandleServiceEvent(int slot, uint32_t argument);
    void OnAdapterArrived();
    void OnAdapterGone();
    void SetUpCheck();
    void ShowSelectUtility();
    void OnZeroConfigChanged(bool windowsManages);
    void OnInternetChanged(bool reachable);
    void OnWpsStatus(uint32_t code);

    void LoadTexts();
    void AddTabs(bool allPages);
    void ShowFirstPage();
    void BuildTabs(bool allPages);
    void SwitchToPage(int page);
    void ShowPageButtons();
    void ToggleHelp();
    void MoveLowerControls(int dy);
    void OnHotKey(int hotKeyId);
    void RouteLetter(int page, char16_t letter);
    void RunButton(ui::ControlId id);
    void FindNetwork(bool fromLetter);
    void CentreWindow();
    void HandOverProfile();
    void ShowInternetNotice();
    void OnTrayNotify(uint32_t mouseMessage);
    void ShowTrayMenu();
    void OnTrayCommand(uint32_t command);
    void DrawStatusArea();
    void UpdateTray();
    void RegisterHotKeys();
    void UnregisterHotKeys();
    void StopWorkers();
    int RunModalChild(ui::Dialog& child);
    CMainPage& PageObject(int page);

    CNetUIApp* m_app;
    MainPages m_pages;
    MainWindowPlatform m_platform;
    MainWindowHooks m_hooks;
    ui::Poster m_self;
    CQueryTabCtrl m_tabs;
    std::unique_ptr<mainwnd::CTrayIcon> m_tray;
    std::unique_ptr<CConnectInternetMsgDlg> m_internetNotice;
    std::unique_ptr<mainwnd::MainWindowWorkers> m_workers;

    bool m_startWorkerThreads = true;
    bool m_receiverAdded = false;
    bool m_exited = false;
    std::atomic<bool> m_busy{false};
    bool m_helpShown = false;
    bool m_shownBefore = false;
    bool m_buttonActionRunning = false;
    bool m_radioOn = true;
    bool m_scanAllowed = true; // no survey of the Networks page is running
    bool m_networksRescan = false;
    bool m_internetNoticeOn = false; // the tray menu's "Internet Connected" notification
    bool m_internetNoticePending = false;
    bool m_findNetworkSeen = false;
    bool m_settingsChangePending = false;
    bool m_wizardApplying = false;
    uint32_t m_lastFindNetworkTick = 0;
    int m_currentPage = CQueryTabCtrl::kSettings;
    int m_trayState = -1;
    std::u16string m_trayName;
    uint32_t m_consoleSession = 0;
    bool m_consoleAway = false;
    int m_refreshCount = 0;
    ui::Dialog* m_openModal = nullptr;
    // The mnemonic letter of each button's caption, case-folded; 0 when it has none.
    char16_t m_letterHelp = 0, m_letterFind = 0, m_letterClose = 0, m_letterFirst = 0, m_letterSecond = 0;
};
