// The main window's display of the link (status area and tray icon), the tray's mouse and menu, the
// Internet notice and the end of the program.
#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/AppTexts.h"
#include "app/CNetUIApp.h"
#include "app/Language.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "mainwnd/CConnectInternetMsgDlg.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/CTrayIcon.h"
#include "mainwnd/LinkStatus.h"
#include "mainwnd/MainWindowWorkers.h"
#include "mainwnd/MainWndMessages.h"
#include "mainwnd/StatusArea.h"
#include "mainwnd/TrayState.h"
#include "platform/PopupMenu.h"
#include "res/MainWndIds.h"

using namespace mainwnd;

namespace {

// The tray's mouse messages (in the callback's lParam).
constexpr uint32_t kLeftButtonDown = 0x0201;
constexpr uint32_t kRightButtonUp = 0x0205;

std::u16string MainText(std::u16string_view key, std::u16string_view english) {
    return LangString(u"MAIN", key, english, 256);
}

bool VistaOrSeven() {
    return OsClass == kOsVista || OsClass == kOsVista64;
}

} // namespace

void CNetUIDlg::RefreshDisplay() {
    if (g_pnKernel != nullptr && DevicePresent) {
        RefreshLinkRecords(*g_pnKernel);
    }
    m_pages.about.RefreshAdapterInfo();
    DrawStatusArea();
    UpdateTray();
}

void CNetUIDlg::DrawStatusArea() {
    LinkRecords records = CopyLinkRecords();
    StatusAreaInput input;
    input.records = records;
    input.adapterPresent = DevicePresent;
    input.connected = DevicePresent && IsConnected(records.connection);
    input.languageIndex = LanguageIndex();
    input.osClass = OsClass;
    if (VistaOrSeven() && g_pnKernel != nullptr && DevicePresent) {
        kernel::AdapterConfig config{};
        g_pnKernel->GetAdapterConfig(&config);
        input.adapterIdle = config.associated == 0;
    }
    input.internetShown =
        InternetPartShown(g_bInternetReachable, m_workers->Poller().Requested(), m_refreshCount);
    StatusAreaTexts texts;
    texts.router = MainText(u"Bar_0101", u"Connected to Router");
    texts.internet = MainText(u"Bar_0102", u"Connected to Internet");
    texts.noAddress = MainText(u"Bar_0103", u"_ . _ . _ . _");
    texts.signal = MainText(u"Bar_Signal", u"Signal");
    texts.scanning = MainText(u"Bar_Scan", u"Scanning...");
    texts.unknown = MainText(u"Bar_UnKnown", u"UnKnown");
    texts.mbps = MainText(u"Bar_Mbps", u"Mbps");
    ui::Rect area = host().Item(IDC_STATIC_STATUS_AREA).GetRect();
    host()
        .Canvas(IDC_STATIC_STATUS_AREA)
        .SetPicture(BuildStatusPicture(input, texts, area.Width(), area.Height()));
}

void CNetUIDlg::UpdateTray() {
    TrayTexts texts;
    texts.connected = MainText(u"Tray_Connect", u"Orvelin KG515v2 is connected to");
    texts.scanning = MainText(u"Tray_Scan", u"Orvelin KG515v2 scanning...");
    uint16_t before = m_tray->ShownIcon();
    UpdateTrayIcon(*m_tray, DevicePresent, CopyLinkRecords().connection, m_trayState, m_trayName, texts);
    if (m_tray->ShownIcon() != before) {
        base::Trace(base::Format(u"VX_GUI: tray icon %d", {static_cast<int>(m_tray->ShownIcon())}));
    }
}

void CNetUIDlg::ShowInternetNotice() {
    m_internetNoticePending = false;
    if (!m_internetNoticeOn) {
        return;
    }
    if (m_internetNotice && m_internetNotice->IsOpen()) {
        return;
    }
    m_internetNotice = std::make_unique<CConnectInternetMsgDlg>();
    host().ShowModeless(*m_internetNotice);
}

void CNetUIDlg::OnTrayNotify(uint32_t mouseMessage) {
    if (mouseMessage == kRightButtonUp) {
        ShowTrayMenu();
        return;
    }
    if (mouseMessage != kLeftButtonDown) {
        return;
    }
    if (m_busy) {
        // A wizard or question is open: that is what the user wants to see.
        if (m_openModal != nullptr && m_openModal->IsOpen()) {
            m_openModal->host().ShowNormal();
        }
        return;
    }
    RaiseAndShow();
    if (m_currentPage == CQueryTabCtrl::kNetworks && m_networksRescan) {
        host().SetTimer(kTimerRescan, 200);
    }
}

void CNetUIDlg::ShowTrayMenu() {
    std::unique_ptr<platform::PopupMenu> menu = host().CreatePopupMenu();
    if (!menu) {
        return;
    }
    TrayMenuTexts texts;
    texts.internetNotice = MainText(u"Menu1", u"Enable \"Internet Connected\" Notification");
    texts.utilityManages = MainText(u"Menu2", u"Enable \"Orvelin Link Warden\" ");
    texts.exit = MainText(u"Menu3", u"Exit");
    TrayMenuState state;
    state.osClass = OsClass;
    state.countryDomain = base::ParseInt(AppValue(appvalue::kCountryDomain));
    state.showInternet = base::ParseInt(AppValue(appvalue::kShowInternet)) != 0;
    state.utilityManages = AppValue(appvalue::kAutoConfiguration) != u"2";
    for (const platform::MenuItem& item : TrayMenuItems(state, texts)) {
        menu->Append(item);
    }
    uint32_t chosen = menu->Track();
    if (chosen != 0) {
        OnTrayCommand(chosen);
    }
}

void CNetUIDlg::OnTrayCommand(uint32_t command) {
    switch (command) {
    case ID_TRAY_INTERNET_NOTICE: {
        bool on = base::ParseInt(AppValue(appvalue::kShowInternet)) == 0;
        SetAppValue(appvalue::kShowInternet, on ? u"1" : u"0");
        m_internetNoticeOn = on;
        if (g_pnKernel != nullptr) {
            g_pnKernel->SetInternetCheck(1, on ? 1 : 0);
        }
        RefreshDisplay();
        break;
    }
    case ID_TRAY_UTILITY_MANAGES:
        if (AppValue(appvalue::kAutoConfiguration) != u"2") {
            SetAppValue(appvalue::kAutoConfiguration, u"2");
            if (g_pnKernel != nullptr) {
                g_pnKernel->Disconnect();
            }
        } else {
            SetAppValue(appvalue::kAutoConfiguration, u"4");
        }
        ReevaluateZeroConfig();
        break;
    case ID_TRAY_EXIT:
        Exit();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------------
// The end

void CNetUIDlg::Exit() {
    if (m_exited) {
        return;
    }
    HideWindow();
    if (g_pnKernel != nullptr) {
        std::u16string workingCopy = AppKey + u"\\ProfileData";
        g_pnKernel->RegDeleteKeyTree(workingCopy.c_str(), kernel::kHiveLocalMachine, 0);
        if (m_receiverAdded) {
            g_pnKernel->RemoveReceiver(this);
            m_receiverAdded = false;
        }
    }
    m_pages.settings.PromptForModifiedProfile();
    g_bInternetReachable = false;
    m_exited = true;
    // Joining the workers is the wait for them to finish their round.
    StopWorkers();
    m_tray->RemoveIcon();
    if (g_pnKernel != nullptr && AppValue(appvalue::kAutoConfiguration) != u"2") {
        g_pnKernel->Disconnect();
    }
    UnregisterHotKeys();
    // This process's own run ends here: the main window's end is the program's end.
    host().EndDialog(0);
}

void CNetUIDlg::StopWorkers() {
    if (m_workers) {
        m_workers->StopThreads();
    }
}

void CNetUIDlg::OnDestroy() {
    StopWorkers();
    if (m_receiverAdded && g_pnKernel != nullptr) {
        g_pnKernel->RemoveReceiver(this);
        m_receiverAdded = false;
    }
    host().KillTimer(kTimerConsoleWatch);
    if (m_tray) {
        m_tray->RemoveIcon();
    }
    if (m_app != nullptr) {
        m_app->SetMainWindow(ui::Poster());
    }
}
