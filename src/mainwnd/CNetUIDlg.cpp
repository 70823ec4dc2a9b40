#include "mainwnd/CNetUIDlg.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "app/CNetUIApp.h"
#include "app/Language.h"
#include "base/CaseFold.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "mainwnd/CConnectInternetMsgDlg.h"
#include "mainwnd/CTrayIcon.h"
#include "mainwnd/LinkStatus.h"
#include "mainwnd/MainWindowWorkers.h"
#include "mainwnd/MainWndMessages.h"
#include "profiles/ProfileStore.h"
#include "res/AppIds.h"
#include "res/MainWndIds.h"
#include "ui/Messages.h"

using namespace mainwnd;

namespace {

constexpr int kOffScreen = -1000;
constexpr uint32_t kFindNetworkRepeatMs = 1000;

// The letter after the caption's "&", case-folded; 0 when there is none.
char16_t MnemonicOf(std::u16string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] == u'&') {
                ++i;
                continue;
            }
            return base::FoldCase(caption[i + 1]);
        }
    }
    return 0;
}

std::u16string MainText(std::u16string_view key, std::u16string_view english) {
    return LangString(u"MAIN", key, english, 256);
}

// The stored profile whose name equals `wanted` without regard to case, as the store spells it; empty
// when there is none (an empty or overlong name never matches).
std::u16string StoredProfileName(std::u16string_view wanted) {
    if (wanted.empty() || wanted.size() >= kernel::kProfileNameUnits) {
        return {};
    }
    std::u16string folded = base::FoldCase(wanted);
    std::lock_guard lock(profiles::ProfileStoreMutex());
    // Slot 0 holds the default profile (empty without one), so `count` profiles reach slot `count`.
    size_t last = std::min(static_cast<size_t>(profiles::LoadProfileTable(0)), profiles::kProfileSlots - 1);
    for (size_t i = 0; i <= last; ++i) {
        const kernel::WirelessProfile& profile = profiles::ProfileTable[i];
        std::u16string name(base::FieldText(profile.ConfigurationName));
        if (base::FoldCase(name) == folded) {
            return name;
        }
    }
    return {};
}

} // namespace

CNetUIDlg::CNetUIDlg(CNetUIApp* app, MainPages pages, MainWindowPlatform platform, MainWindowHooks hooks)
    : ui::Dialog(IDD_NETUI_DIALOG), m_app(app), m_pages(pages), m_platform(platform),
      m_hooks(std::move(hooks)), m_workers(std::make_unique<MainWindowWorkers>(m_platform.clock)) {}

CNetUIDlg::~CNetUIDlg() {
    StopWorkers();
}

mainwnd::ConnectRequests& CNetUIDlg::ConnectRequests() {
    return m_workers->Requests();
}

void CNetUIDlg::SetBusy(bool busy) {
    m_busy = busy;
    if (m_app != nullptr) {
        m_app->SetMainWindowBusy(busy);
    }
}

bool CNetUIDlg::UtilityManagesAdapter() const {
    return !g_bZeroConfig;
}

void CNetUIDlg::RequestConnect(int profileIndex) {
    m_workers->Requests().Raise(profileIndex, false);
}

bool CNetUIDlg::IsShown() {
    return IsOpen() && host().IsWindowVisible();
}

void CNetUIDlg::RestartFallbackClock() {
    m_workers->Fallback().Restart();
}

void CNetUIDlg::EnableApplyButton() {
    if (IsOpen()) {
        host().Enable(IDC_BUTTON_FIRST_ACTION, true);
    }
}

void CNetUIDlg::SendActivationState(uintptr_t state) {
    intptr_t result = 0;
    OnMessage(kMsgActivation, state, 0, result);
}

void CNetUIDlg::EnableScanButton(bool enable) {
    m_scanAllowed = enable;
    ShowPageButtons();
}

void CNetUIDlg::StartWizardForNetwork(const kernel::BssEntry& network, bool wps, int listIndex) {
    if (!UtilityManagesAdapter() || m_busy) {
        return;
    }
    if (m_hooks.startWizardForNetwork) {
        m_hooks.startWizardForNetwork(network, wps, listIndex);
    }
}

void CNetUIDlg::RequestRefreshSequence() {
    m_refreshCount = 0;
    m_workers->Poller().Request();
}

CMainPage& CNetUIDlg::PageObject(int page) {
    switch (page) {
    case CQueryTabCtrl::kSettings:
        return m_pages.settings;
    case CQueryTabCtrl::kNetworks:
        return m_pages.networks;
    case CQueryTabCtrl::kStatistics:
        return m_pages.statistics;
    default:
        return m_pages.about;
    }
}

// ---------------------------------------------------------------------------------------------------
// Initialisation

bool CNetUIDlg::OnInit() {
    host().SetIcon(IDR_MAINFRAME);
    m_consoleSession = m_platform.system.ActiveConsoleSession();
    // The hot keys are registered while the window is the active one (kMsgActivation): registered all
    // the time, Alt+S, Alt+N and Alt+T would be taken from every other program while this one waits in
    // the notification area.
    m_self = host().MakePoster();
    // The workers exist from here (the display's refresh reads the poller); their threads start last.
    mainwnd::WorkerLinks links;
    links.window = m_self;
    links.busy = [this] { return m_busy.load(); };
    links.pushButtonRunActive = m_hooks.pushButtonRunActive;
    m_workers->Connect(std::move(links));

    LoadTexts();
    m_tray = std::make_unique<mainwnd::CTrayIcon>(host().CreateNotificationArea());
    m_tray->SetNotification(kMsgTrayNotify);
    bool countryNoInternet = AppValue(appvalue::kCountryDomain) == u"4";
    m_internetNoticeOn = !countryNoInternet && base::ParseInt(AppValue(appvalue::kShowInternet)) != 0;
    if (g_pnKernel != nullptr) {
        g_pnKernel->SetInternetCheck(1, countryNoInternet ? 0 : 1);
    }

    // The tabs first: a page takes the display area the tab control has once its tab row is there.
    AddTabs(!g_bZeroConfig);
    for (int page = 0; page < CQueryTabCtrl::kPageCount; ++page) {
        CMainPage& p = PageObject(page);
        p.SetMainWindow(this);
        host().CreatePage(p, IDC_TAB_MAIN);
    }
    ShowFirstPage();

    if (g_pnKernel != nullptr) {
        // The library answers an adapter that is already there with an arrival event before this returns;
        // it only posts, so the window handles it once the dialog runs.
        g_pnKernel->AddReceiver(this);
        m_receiverAdded = true;
    }
    if (DevicePresent) {
        RefreshDisplay();
    } else {
        m_tray->RemoveIcon();
        host().ShowWindow(false);
        ClearLinkRecords();
    }

    ui::Rect frame = host().WindowRect();
    host().MoveWindow({kOffScreen, kOffScreen, kOffScreen + frame.Width(), kOffScreen + frame.Height()});
    host().SetTimer(kTimerFirstLayout, 1);
    host().SetTimer(kTimerAdapterWatch, 1000);
    host().SetTimer(kTimerConsoleWatch, 3000);

    if (m_startWorkerThreads) {
        m_workers->StartThreads();
    }
    if (m_app != nullptr) {
        m_app->SetMainWindow(m_self);
    }
    return true;
}

void CNetUIDlg::RegisterHotKeys() {
    host().RegisterHotKey(kHotKeySettings, ui::kModAlt, 'S');
    host().RegisterHotKey(kHotKeyNetworks, ui::kModAlt, 'N');
    host().RegisterHotKey(kHotKeyStatistics, ui::kModAlt, 'T');
    host().RegisterHotKey(kHotKeyAbout, ui::kModAlt, 'A');
    host().RegisterHotKey(kHotKeyDelete, ui::kModAlt, 'D');
}

void CNetUIDlg::UnregisterHotKeys() {
    for (int hotKey = kHotKeySettings; hotKey <= kHotKeyDelete; ++hotKey) {
        host().UnregisterHotKey(hotKey);
    }
}

void CNetUIDlg::LoadTexts() {
    std::u16string help = MainText(u"Btn_Help", u"&Help");
    std::u16string find = MainText(u"Btn_FindNetWork", u"&Find a Network");
    std::u16string close = MainText(u"Btn_Close", u"&Close");
    host().SetText(IDC_BUTTON_HELP, m_helpShown ? MainText(u"Btn_CloseHelp", u"Close &Help") : help);
    host().SetText(IDC_BUTTON_FIND_NETWORK, find);
    host().SetText(IDC_BUTTON_CLOSE, close);
    m_letterHelp = MnemonicOf(help);
    m_letterFind = MnemonicOf(find);
    m_letterClose = MnemonicOf(close);
    ShowPageButtons();
}

void CNetUIDlg::ApplyLanguage() {
    LoadTexts();
    // Building the tabs again selects the first one; the page shown stays the one the user is on.
    AddTabs(m_tabs.AllPages());
    SwitchToPage(m_currentPage);
    for (int page = 0; page < CQueryTabCtrl::kPageCount; ++page) {
        PageObject(page).ApplyTexts();
    }
}

void CNetUIDlg::AddTabs(bool allPages) {
    CQueryTabCtrl::Captions captions = {
        MainText(u"Tab_Profile", u"Settings"), MainText(u"Tab_SiteSurvey", u"Networks"),
        MainText(u"Tab_Statistics", u"Statistics"), MainText(u"Tab_About", u"About")};
    m_tabs.Build(host().Tab(IDC_TAB_MAIN), captions, LanguageIndex(), allPages);
}

void CNetUIDlg::ShowFirstPage() {
    for (int page = 0; page < CQueryTabCtrl::kPageCount; ++page) {
        host().ShowPage(PageObject(page), false);
    }
    m_currentPage = m_tabs.PageAt(0);
    host().ShowPage(PageObject(m_currentPage), true);
    ShowPageButtons();
}

void CNetUIDlg::BuildTabs(bool allPages) {
    AddTabs(allPages);
    ShowFirstPage();
}

// ---------------------------------------------------------------------------------------------------
// Pages, buttons and help

void CNetUIDlg::SwitchToPage(int page) {
    int index = m_tabs.IndexOf(page);
    if (index < 0) {
        return;
    }
    if (host().Tab(IDC_TAB_MAIN).Selection() != index) {
        host().Tab(IDC_TAB_MAIN).Select(index);
    }
    if (page != m_currentPage) {
        host().ShowPage(PageObject(m_currentPage), false);
        m_currentPage = page;
        host().ShowPage(PageObject(page), true);
    }
    ShowPageButtons();
    if (page == CQueryTabCtrl::kNetworks && m_networksRescan) {
        host().SetTimer(kTimerRescan, 200);
    }
}

void CNetUIDlg::ShowPageButtons() {
    bool actions = m_tabs.AllPages() &&
                   (m_currentPage == CQueryTabCtrl::kSettings || m_currentPage == CQueryTabCtrl::kNetworks);
    for (ui::ControlId id : {IDC_BUTTON_FIRST_ACTION, IDC_BUTTON_SECOND_ACTION, IDC_BUTTON_FIND_NETWORK}) {
        bool scanning =
            id == IDC_BUTTON_SECOND_ACTION && m_currentPage == CQueryTabCtrl::kNetworks && !m_scanAllowed;
        host().Show(id, actions);
        host().Enable(id, actions && m_radioOn && !scanning);
    }
    std::u16string first, second;
    if (m_currentPage == CQueryTabCtrl::kNetworks) {
        first = MainText(u"Btn_Connect", u"Co&nnect");
        second = MainText(u"Btn_Scan", u"&Scan");
    } else {
        first = MainText(u"Btn_Apply", u"&Apply");
        second = MainText(u"Btn_Cancel", u"Cance&l");
    }
    host().SetText(IDC_BUTTON_FIRST_ACTION, first);
    host().SetText(IDC_BUTTON_SECOND_ACTION, second);
    m_letterFirst = MnemonicOf(first);
    m_letterSecond = MnemonicOf(second);
}

void CNetUIDlg::ToggleHelp() {
    m_helpShown = !m_helpShown;
    int dy = m_helpShown ? CMainPage::kHelpHeight : -CMainPage::kHelpHeight;
    MoveLowerControls(dy);
    for (int page = 0; page < CQueryTabCtrl::kPageCount; ++page) {
        PageObject(page).ShowHelp(m_helpShown);
    }
    host().SetText(IDC_BUTTON_HELP, m_helpShown ? MainText(u"Btn_CloseHelp", u"Close &Help")
                                                : MainText(u"Btn_Help", u"&Help"));
}

void CNetUIDlg::MoveLowerControls(int dy) {
    ui::Control& tab = host().Item(IDC_TAB_MAIN);
    ui::Rect tabRect = tab.GetRect();
    tabRect.bottom += dy;
    tab.Move(tabRect);
    for (ui::ControlId id : {IDC_BUTTON_HELP, IDC_BUTTON_FIND_NETWORK, IDC_BUTTON_CLOSE,
                             IDC_BUTTON_SECOND_ACTION, IDC_BUTTON_FIRST_ACTION, IDC_STATIC_STATUS_AREA}) {
        ui::Control& control = host().Item(id);
        control.Move(control.GetRect().Offset(0, dy));
    }
    ui::Rect window = host().WindowRect();
    window.bottom += dy;
    host().MoveWindow(window);
}

void CNetUIDlg::OnCommand(ui::ControlId id, int code) {
    if (code != ui::kClicked) {
        return;
    }
    switch (id) {
    case IDC_BUTTON_HELP:
    case IDC_BUTTON_FIND_NETWORK:
    case IDC_BUTTON_CLOSE:
    case IDC_BUTTON_SECOND_ACTION:
    case IDC_BUTTON_FIRST_ACTION:
        RunButton(id);
        return;
    case ID_TRAY_INTERNET_NOTICE:
    case ID_TRAY_EXIT:
    case ID_TRAY_UTILITY_MANAGES:
        // The tray menu's commands, also when another program sends them as menu commands.
        OnTrayCommand(static_cast<uint32_t>(id));
        return;
    default:
        ui::Dialog::OnCommand(id, code);
    }
}

void CNetUIDlg::RunButton(ui::ControlId id) {
    m_buttonActionRunning = true;
    switch (id) {
    case IDC_BUTTON_HELP:
        ToggleHelp();
        break;
    case IDC_BUTTON_FIND_NETWORK:
        FindNetwork(false);
        break;
    case IDC_BUTTON_CLOSE:
        HideWindow();
        m_networksRescan = true;
        m_pages.settings.PromptForModifiedProfile();
        break;
    case IDC_BUTTON_SECOND_ACTION:
        if (m_currentPage == CQueryTabCtrl::kSettings) {
            m_pages.settings.ReloadCurrentProfile();
        } else if (m_currentPage == CQueryTabCtrl::kNetworks) {
            m_pages.networks.Rescan();
        }
        break;
    case IDC_BUTTON_FIRST_ACTION:
        if (m_currentPage == CQueryTabCtrl::kSettings) {
            if (g_pnKernel != nullptr) {
                g_pnKernel->Disconnect();
            }
            m_pages.settings.ApplySettings();
        } else if (m_currentPage == CQueryTabCtrl::kNetworks) {
            m_pages.networks.ConnectSelected();
        }
        break;
    default:
        break;
    }
    m_buttonActionRunning = false;
}

void CNetUIDlg::FindNetwork(bool fromLetter) {
    if (fromLetter) {
        // A held Alt+F repeats; one wizard per press.
        uint32_t now = m_platform.clock.TickCount();
        bool tooSoon = m_findNetworkSeen && now - m_lastFindNetworkTick < kFindNetworkRepeatMs;
        m_findNetworkSeen = true;
        m_lastFindNetworkTick = now;
        if (tooSoon || m_buttonActionRunning) {
            return;
        }
    }
    if (!UtilityManagesAdapter() || m_busy) {
        return;
    }
    if (m_hooks.startConnectWizard) {
        m_hooks.startConnectWizard();
    }
}

intptr_t CNetUIDlg::OnNotify(const ui::Notify& notify) {
    if (notify.id == IDC_TAB_MAIN && notify.code == ui::kTabSelChange) {
        int page = m_tabs.PageAt(host().Tab(IDC_TAB_MAIN).Selection());
        if (page >= 0) {
            SwitchToPage(page);
        }
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------------
// Keys

void CNetUIDlg::OnHotKey(int hotKeyId) {
    if (!host().IsWindowVisible() || !host().IsActiveWindow()) {
        return;
    }
    bool utility = m_tabs.AllPages();
    switch (hotKeyId) {
    case kHotKeySettings:
        if (utility) {
            SwitchToPage(CQueryTabCtrl::kSettings);
        }
        break;
    case kHotKeyNetworks:
        if (utility) {
            SwitchToPage(CQueryTabCtrl::kNetworks);
        }
        break;
    case kHotKeyStatistics:
        SwitchToPage(CQueryTabCtrl::kStatistics);
        break;
    case kHotKeyAbout:
        SwitchToPage(CQueryTabCtrl::kAbout);
        break;
    case kHotKeyDelete:
        if (utility && m_currentPage == CQueryTabCtrl::kSettings) {
            m_pages.settings.DeleteShownProfile();
        }
        break;
    default:
        break;
    }
}

bool CNetUIDlg::OnMenuKey(char16_t letter) {
    RouteLetter(m_currentPage, letter);
    return true;
}

void CNetUIDlg::RouteLetter(int page, char16_t letter) {
    char16_t key = base::FoldCase(letter);
    if (key == 0) {
        return;
    }
    if (key == m_letterClose) {
        RunButton(IDC_BUTTON_CLOSE);
        return;
    }
    if (key == m_letterHelp) {
        RunButton(IDC_BUTTON_HELP);
        return;
    }
    bool actions =
        m_tabs.AllPages() && (page == CQueryTabCtrl::kSettings || page == CQueryTabCtrl::kNetworks);
    if (!actions || page != m_currentPage) {
        return;
    }
    if (key == m_letterFirst) {
        RunButton(IDC_BUTTON_FIRST_ACTION);
    } else if (key == m_letterSecond) {
        RunButton(IDC_BUTTON_SECOND_ACTION);
    } else if (key == m_letterFind) {
        FindNetwork(true);
    }
}

// ---------------------------------------------------------------------------------------------------
// Timers

void CNetUIDlg::OnTimer(int timerId) {
    switch (timerId) {
    case kTimerFirstLayout:
        host().KillTimer(kTimerFirstLayout);
        host().SetCaption(MainWindowTitle());
        if (m_helpShown) {
            ToggleHelp();
        }
        HideWindow();
        CentreWindow();
        m_pages.settings.ShowModifiedMark(false);
        break;
    case kTimerAdapterWatch:
        if (!DevicePresent && host().IsWindowVisible()) {
            if (host().WindowRect().left == kOffScreen && host().WindowRect().top == kOffScreen) {
                CentreWindow();
            }
            HideWindow();
        }
        if (m_workers->Poller().Requested()) {
            RefreshDisplay();
        }
        break;
    case kTimerShow:
        host().KillTimer(kTimerShow);
        RaiseAndShow();
        break;
    case kTimerRescan:
        host().KillTimer(kTimerRescan);
        m_networksRescan = false;
        m_pages.networks.Rescan();
        break;
    case kTimerConnectWatch:
        if (g_pnKernel != nullptr && IsConnected(RefreshConnection(*g_pnKernel))) {
            host().KillTimer(kTimerConnectWatch);
            m_pages.settings.ShowCurrentProfile();
        }
        break;
    case kTimerConsoleWatch: {
        uint32_t session = m_platform.system.ActiveConsoleSession();
        if (session != m_consoleSession) {
            m_consoleAway = true;
        } else if (m_consoleAway) {
            m_consoleAway = false;
            ReevaluateZeroConfig();
        }
        break;
    }
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------------
// Messages

bool CNetUIDlg::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    result = 0;
    switch (message) {
    case ui::kWmSysCommand:
        if ((wParam & 0xFFF0) == ui::kScClose) {
            // The close box only hides: the program lives on in the notification area.
            HideWindow();
            return true;
        }
        return false;
    case ui::kWmHotKey:
        OnHotKey(static_cast<int>(wParam));
        return true;
    case ui::kWmActivate:
        host().PostToSelf(kMsgActivation, wParam & 0xFFFF, 0);
        return false;
    case kMsgActivation:
        if (wParam == 0) {
            UnregisterHotKeys();
        } else {
            RegisterHotKeys();
        }
        return true;
    case kMsgChangeProfile:
        HandOverProfile();
        return true;
    case kMsgSetWindowShow:
        base::Trace(u"onCmdSetWndShow");
        if (!m_busy) {
            RaiseAndShow();
        }
        host().SetTimer(kTimerShow, 500);
        return true;
    case kMsgShowMainWindow:
        // Asked for by another process through the show watcher; a modal wizard or question keeps the
        // window as it is.
        if (!m_busy) {
            RaiseAndShow();
        }
        return true;
    case kMsgTrayNotify:
        OnTrayNotify(static_cast<uint32_t>(lParam));
        return true;
    case kMsgSettingsPageKey:
        if (wParam == kPageKeyRefill) {
            if (m_tabs.AllPages()) {
                m_pages.settings.RefillNetworkNames();
            }
        } else {
            RouteLetter(CQueryTabCtrl::kSettings, static_cast<char16_t>(lParam));
        }
        return true;
    case kMsgNetworksPageKey:
        RouteLetter(CQueryTabCtrl::kNetworks, static_cast<char16_t>(lParam));
        return true;
    case kMsgStatisticsPageKey:
        RouteLetter(CQueryTabCtrl::kStatistics, static_cast<char16_t>(lParam));
        return true;
    case kMsgAboutPageKey:
        RouteLetter(CQueryTabCtrl::kAbout, static_cast<char16_t>(lParam));
        return true;
    case kMsgExitProgram:
        Exit();
        return true;
    case kMsgShowInternetNotice:
        ShowInternetNotice();
        return true;
    case kMsgShowHwPbcCancel:
        if (base::ParseInt(AppValue(appvalue::kShowHwPbcCancelMsgBox)) != 0 && m_hooks.showHardwareCancel) {
            m_hooks.showHardwareCancel();
        }
        return true;
    case kMsgServiceEvent:
        HandleServiceEvent(static_cast<int>(wParam), static_cast<uint32_t>(lParam));
        return true;
    case kMsgRefreshDisplay:
        m_refreshCount = static_cast<int>(wParam);
        RefreshDisplay();
        return true;
    case kMsgConnectStarted:
        host().SetTimer(kTimerConnectWatch, 2000);
        return true;
    case kMsgWizardCall:
        if (m_hooks.wizardCall) {
            m_hooks.wizardCall(wParam);
        }
        return true;
    default:
        return false;
    }
}

void CNetUIDlg::HandOverProfile() {
    SetBusy(true);
    std::u16string wanted = AppValue(appvalue::kChangeProfile);
    base::Trace(u"VX_GUI: ChangeProfile " + wanted);
    std::u16string stored = StoredProfileName(wanted);
    if (stored.empty() || !m_tabs.AllPages()) {
        host().ShowMessageBox(MainText(u"WrongProfileInfo", u"Wrong Profile Info"), MessageBoxCaption(),
                              ui::kBoxOk);
        SetBusy(false);
        return;
    }
    SwitchToPage(CQueryTabCtrl::kSettings);
    if (m_pages.settings.SelectProfile(stored)) {
        RunButton(IDC_BUTTON_FIRST_ACTION);
    }
    SetBusy(false);
}

// ---------------------------------------------------------------------------------------------------
// The window

void CNetUIDlg::HideWindow() {
    if (IsOpen()) {
        host().ShowWindow(false);
    }
}

void CNetUIDlg::RaiseInOrder() {
    if (IsOpen()) {
        host().SetTopMost(true);
        host().SetTopMost(false);
    }
}

void CNetUIDlg::ShowAfter(uint32_t milliseconds) {
    if (IsOpen()) {
        host().SetTimer(kTimerShow, milliseconds);
    }
}

void CNetUIDlg::ClearTrayIcon() {
    if (m_tray) {
        m_tray->RemoveIcon();
    }
}

bool CNetUIDlg::ConnectionLost() {
    return g_pnKernel != nullptr &&
           (RefreshConnection(*g_pnKernel).flags & kernel::kConnectionNotAssociated) != 0;
}

void CNetUIDlg::CentreWindow() {
    ui::Rect area = host().WorkArea();
    ui::Rect frame = host().WindowRect();
    int left = area.left + (area.Width() - frame.Width()) / 2;
    int top = area.top + (area.Height() - frame.Height()) / 2;
    host().MoveWindow({left, top, left + frame.Width(), top + frame.Height()});
}

void CNetUIDlg::RaiseAndShow() {
    if (!IsOpen()) {
        return;
    }
    m_shownBefore = true;
    ui::Rect frame = host().WindowRect();
    if (frame.left == kOffScreen && frame.top == kOffScreen) {
        CentreWindow();
    }
    host().ShowNormal();
}

int CNetUIDlg::RunModalChild(ui::Dialog& child) {
    ui::Dialog* outer = m_openModal;
    m_openModal = &child;
    int answer = host().RunModal(child);
    m_openModal = outer;
    return answer;
}
