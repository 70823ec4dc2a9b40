#include "networks/CSiteSurveyDlg.h"

#include <vector>

#include "app/AppGlobals.h"
#include "app/AppTexts.h"
#include "app/CSysMessageYesDlg.h"
#include "app/Language.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/CQueryTabCtrl.h"
#include "mainwnd/LinkStatus.h"
#include "mainwnd/MainWndMessages.h"
#include "networks/NetworkList.h"
#include "res/MainWndIds.h"
#include "res/NetworksIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_SITESURVEY";

// Receiver slots the page handles.
constexpr uintptr_t kSlotRadio = 5;
constexpr uintptr_t kSlotSurveyBegun = 6;
constexpr uintptr_t kSlotSurveyed = 7;

// The list's header, drawn by the program in the banner's colours.
constexpr ui::Color kHeaderText = ui::Rgb(255, 255, 255);
constexpr ui::Color kHeaderBack = ui::Rgb(28, 64, 122);

// 802.1X networks: the program cannot connect to them.
constexpr uint32_t kRadiusBits = kernel::kBssWpaRadius | kernel::kBssWpa2Radius;

std::u16string PageText(std::u16string_view key, std::u16string_view defaultText) {
    return LangString(kSection, key, defaultText, 256);
}

} // namespace

CSiteSurveyDlg::CSiteSurveyDlg()
    : CNetworksPage(IDD_DIALOG_SITESURVEY, mainwnd::kMsgNetworksPageKey, u"networks.rtf",
                    IDC_RICHEDIT_PAGE_HELP) {}

bool CSiteSurveyDlg::OnInit() {
    CNetworksPage::OnInit();
    m_self = host().MakePoster();
    ui::ReportControl& list = host().Report(IDC_LIST_SITESURVEY);
    list.SetFullRowSelect(true);
    list.SetDoubleBuffered(true);
    // The program's own header, in the banner's colours.
    list.SetHeaderColors(kHeaderText, kHeaderBack);
    list.SetImageList({IDI_SITESURVEY_ADHOC, IDI_SITESURVEY_ACCESS_POINT}, 16);
    host().Show(IDC_STATIC_SITESURVEY_GROUP_HELP, false);
    host().Show(IDC_STATIC_SITESURVEY_ADAPTER, false);
    host().Show(IDC_EDIT_SITESURVEY_ADAPTER, false);
    host().Progress(IDC_PROGRESS_SITESURVEY).SetRange(0, m_progressRange);
    ApplyTexts();
    if (g_pnKernel != nullptr) {
        // After the poster exists: an event may come before this returns.
        g_pnKernel->AddReceiver(this);
        m_receiverAdded = true;
    }
    return true;
}

void CSiteSurveyDlg::OnDestroy() {
    // The library must not call a page that is gone; once this returns no event reaches it.
    if (m_receiverAdded && g_pnKernel != nullptr) {
        g_pnKernel->RemoveReceiver(this);
    }
    m_receiverAdded = false;
    host().KillTimer(kTimerProgress);
}

void CSiteSurveyDlg::ApplyTexts() {
    host().SetText(IDC_STATIC_SITESURVEY_ADAPTER,
                   LangString(u"MAIN", u"SelectedAdapter", u"Selected Adapter:"));
    host().SetText(IDC_STATIC_SITESURVEY_GROUP_SCAN,
                   PageText(u"IDC_STATIC_SITESURVEY_GROUP_SCAN", u"Scan Status"));
    host().SetText(IDC_STATIC_SITESURVEY_GROUP_HELP, PageText(u"IDC_STATIC_SITESURVEY_GROUP_HELP", u"Help"));
    m_scanningText = PageText(u"ScanStatus_01", u"<<Scanning>>");
    m_completedText = PageText(u"ScanStatus_02", u"Scan Completed");
    m_rowTexts.wps = PageText(u"WPS_Enable", u"WPS");
    static constexpr std::u16string_view kSecurity[][2] = {
        {u"Security_None", u"None"},
        {u"Security_WEP", u"WEP"},
        {u"Security_WPA-PSK_WPA2-PSK", u"WPA-PSK/WPA2-PSK"},
        {u"Security_WPA-PSK", u"WPA-PSK"},
        {u"Security_WPA2-PSK", u"WPA2-PSK"},
        {u"Security_WPA-Radius_WPA2-Radius", u"WPA-Radius/WPA2-Radius"},
        {u"Security_WPA-Radius", u"WPA-Radius"},
        {u"Security_WPA2-Radius", u"WPA2-Radius"},
    };
    for (size_t i = 0; i < m_rowTexts.security.size(); ++i) {
        m_rowTexts.security[i] = PageText(kSecurity[i][0], kSecurity[i][1]);
    }
    m_rowTexts.adHoc = PageText(u"NetworkType_AdHoc", u"Ad-Hoc");
    m_rowTexts.infrastructure = PageText(u"Network Type_SSID", u"Infrastructure");

    double scale = MainWindow() != nullptr ? MainWindow()->DisplayScale() : 1.0;
    std::vector<ui::ListColumn> columns;
    for (const networks::ColumnKey& column : networks::ColumnKeys()) {
        // The default's own width stands in for a translation that lost its number.
        int defaultWidth = networks::ParseColumn(column.defaultText, 0, 1.0).width;
        columns.push_back(
            networks::ParseColumn(PageText(column.key, column.defaultText), defaultWidth, scale));
    }
    host().Report(IDC_LIST_SITESURVEY).SetColumns(columns);

    // The status line keeps what it says, in the new language.
    if (!g_bScanDone) {
        host().SetText(IDC_STATIC_SITESURVEY_STATUS, m_scanningText);
    } else if (!host().GetText(IDC_STATIC_SITESURVEY_STATUS).empty()) {
        host().SetText(IDC_STATIC_SITESURVEY_STATUS, m_completedText);
    }
    ForgetHelp();
    FillNetworkList();
}

void CSiteSurveyDlg::OnAdapterArrived() {
    if (!host().GetText(IDC_EDIT_SITESURVEY_ADAPTER).empty()) {
        return;
    }
    kernel::AdapterState adapter = mainwnd::CopyLinkRecords().adapter;
    host().SetText(IDC_EDIT_SITESURVEY_ADAPTER, base::FieldText(adapter.adapterName));
}

void CSiteSurveyDlg::OnHelpShown(bool shown) {
    // The group frames the pane, which the page base has just placed and sized.
    if (shown) {
        ui::Rect pane = host().Item(IDC_RICHEDIT_PAGE_HELP).GetRect();
        ui::Control& group = host().Item(IDC_STATIC_SITESURVEY_GROUP_HELP);
        ui::Rect frame = group.GetRect();
        frame.bottom = pane.bottom + 4;
        group.Move(frame);
    }
    host().Show(IDC_STATIC_SITESURVEY_GROUP_HELP, shown);
}

// ---------------------------------------------------------------------------------------------------
// Surveys

void CSiteSurveyDlg::StartScan() {
    if (!g_bScanDone) {
        return; // a survey is still running
    }
    // Cleared here and not only when the service reports the survey begun: until that report comes, a
    // second Scan must find the survey running.
    g_bScanDone = false;
    host().Report(IDC_LIST_SITESURVEY).DeleteAll();
    EnableScan(false);
    ShowScanning();
    if (g_pnKernel == nullptr || g_pnKernel->StartSiteSurvey(0) == 0) {
        // Refused: no end will be reported, so end it here as when the radio goes off.
        OnSurveyEnded();
    }
}

void CSiteSurveyDlg::ShowScanning() {
    host().SetTimer(kTimerProgress, kProgressPeriod);
    host().SetText(IDC_STATIC_SITESURVEY_STATUS, m_scanningText);
    m_progressRange = kProgressRange;
    m_progressCounter = 0;
    host().Progress(IDC_PROGRESS_SITESURVEY).SetRange(0, m_progressRange);
}

void CSiteSurveyDlg::OnSurveyBegun() {
    g_bScanDone = false;
    host().Report(IDC_LIST_SITESURVEY).DeleteAll();
    // A counter past 0 means our own Scan already set the progress going.
    if (m_progressCounter == 0) {
        ShowScanning();
    }
    EnableScan(false);
}

void CSiteSurveyDlg::OnSurveyEnded() {
    kernel::IWirelessKernel* kernel = g_pnKernel;
    if (kernel != nullptr) {
        mainwnd::RefreshLinkRecords(*kernel);
    }
    host().KillTimer(kTimerProgress);

    std::vector<kernel::BssEntry> delivered(networks::kMaxNetworks, kernel::BssEntry{});
    uint32_t count = networks::kMaxNetworks;
    if (kernel == nullptr || kernel->GetNetWorkList(delivered.data(), &count) == 0) {
        count = 0;
    }
    // The service may claim more than it was given room for; never read past the list.
    count = networks::ClampDelivered(count);
    delivered.resize(count);
    int bandMode = g_bBandMode;
    base::Trace(base::Format(u"\nCSiteSurveyDlg::OnWKSiteSurveyed(): GetNetWorkList g_dwNetworks item = %d, "
                             u"g_bBandMode = %d (0=Auto, 1=5G, 2=2.4G)",
                             {static_cast<int>(count), bandMode}));
    networks::ApplySurvey(delivered, bandMode, mainwnd::CopyLinkRecords().connection, m_sortKey, m_sortOrder);
    FillNetworkList();

    host().Progress(IDC_PROGRESS_SITESURVEY).SetPos(kProgressRange);
    host().SetText(IDC_STATIC_SITESURVEY_STATUS, m_completedText);
    TellMainWindowListChanged();
    EnableScan(true);
    g_bScanDone = true;
    m_progressCounter = 0;
}

void CSiteSurveyDlg::FillNetworkList() {
    // The rows appear at once when the list is drawn again, not one by one.
    const std::vector<kernel::BssEntry> entries = networks::RebuildSideTables();
    ui::ReportControl& list = host().Report(IDC_LIST_SITESURVEY);
    list.HoldRedraw(true);
    list.DeleteAll();
    const bool ht5G = g_bHtAllowed5G;
    const bool ht24G = g_bHtAllowed24G;
    for (size_t i = 0; i < entries.size(); ++i) {
        auto cells = networks::RowCells(entries[i], m_rowTexts, ht5G, ht24G);
        int row = list.InsertRow(static_cast<int>(i), cells[0], networks::RowImage(entries[i]));
        if (row < 0) {
            continue;
        }
        for (int column = 1; column < networks::kColumnCount; ++column) {
            list.SetCell(row, column, cells[static_cast<size_t>(column)]);
        }
    }
    list.HoldRedraw(false);
}

void CSiteSurveyDlg::EnableScan(bool enable) {
    if (MainWindow() != nullptr) {
        MainWindow()->EnableScanButton(enable);
    }
}

void CSiteSurveyDlg::TellMainWindowListChanged() {
    // The Settings page's network-name list follows the new list.
    host().PostToParent(mainwnd::kMsgSettingsPageKey, mainwnd::kPageKeyRefill, 0);
}

void CSiteSurveyDlg::OnTimer(int timerId) {
    if (timerId != kTimerProgress) {
        return;
    }
    if (m_progressCounter > m_progressRange) {
        m_progressCounter = 0;
    }
    host().Progress(IDC_PROGRESS_SITESURVEY).SetPos(m_progressCounter);
    ++m_progressCounter;
}

// ---------------------------------------------------------------------------------------------------
// The list

intptr_t CSiteSurveyDlg::OnNotify(const ui::Notify& notify) {
    if (notify.id != IDC_LIST_SITESURVEY) {
        return 0;
    }
    if (notify.code == ui::kColumnClick) {
        OnColumnClick(notify.subItem);
    } else if (notify.code == ui::kDoubleClick && notify.item >= 0) {
        ConnectSelected();
    }
    return 0;
}

void CSiteSurveyDlg::OnColumnClick(int column) {
    int key = networks::SortKeyOfColumn(column);
    if (!g_bScanDone || key < 0) {
        return; // the list is being replaced
    }
    m_sortKey = key;
    m_sortOrder = m_sortOrder == 0 ? 1 : 0;
    networks::SortNetworkList(m_sortKey, m_sortOrder);
    FillNetworkList();
    TellMainWindowListChanged();
}

void CSiteSurveyDlg::ConnectSelected() {
    int row = host().Report(IDC_LIST_SITESURVEY).Selection();
    if (row < 0) {
        return;
    }
    const std::vector<kernel::BssEntry> entries = networks::CopyNetworkList();
    if (static_cast<size_t>(row) >= entries.size()) {
        return;
    }
    const kernel::BssEntry& network = entries[static_cast<size_t>(row)];
    if (network.security & kRadiusBits) {
        ShowRadiusMessage();
        return;
    }
    CNetUIDlg* mainWindow = MainWindow();
    if (mainWindow == nullptr) {
        return;
    }
    const bool wps = (network.capabilities & kernel::kCapWps) != 0;
    mainWindow->Pages().settings.ResetEditedProfile();
    if (!wps && network.networkType == 1) {
        // Ad-hoc networks are joined from the Settings page, with the network chosen there.
        int adHocRow = networks::AdHocRowOf(static_cast<uint32_t>(row));
        mainWindow->ShowPage(CQueryTabCtrl::kSettings);
        mainWindow->Pages().settings.ChooseAdHocNetwork(adHocRow);
        return;
    }
    mainWindow->StartWizardForNetwork(network, wps, row);
}

void CSiteSurveyDlg::ShowListAgain() {
    networks::SortNetworkList(m_sortKey, m_sortOrder);
    if (IsOpen()) {
        FillNetworkList();
    }
}

void CSiteSurveyDlg::ShowRadiusMessage() {
    std::u16string text =
        LangString(u"MAIN", u"Msg_0301", u"Sorry! We don't support WPA/WPA2 RADIUS Security(802.1x).", 2048);
    if (LanguageIndex() == 1) {
        CSysMessageYesDlg message;
        message.m_message = text;
        message.m_layoutFlag = 1;
        host().RunModal(message);
        return;
    }
    host().ShowMessageBox(text, MessageBoxCaption(), ui::kBoxOk);
}

// ---------------------------------------------------------------------------------------------------
// Service events

bool CSiteSurveyDlg::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t&) {
    if (message != kMsgSurveyEvent) {
        return false;
    }
    switch (wParam) {
    case kSlotRadio:
        if ((lParam & 0xFF) == 0) {
            OnSurveyEnded(); // no survey ends while the radio is off
        }
        break;
    case kSlotSurveyBegun:
        OnSurveyBegun();
        break;
    case kSlotSurveyed:
        OnSurveyEnded();
        break;
    default:
        break;
    }
    return true;
}

void CSiteSurveyDlg::OnWKRadioChanged(uint8_t on) {
    m_self.Post(kMsgSurveyEvent, kSlotRadio, on);
}

void CSiteSurveyDlg::OnWKSiteSurveyBegun() {
    m_self.Post(kMsgSurveyEvent, kSlotSurveyBegun, 0);
}

void CSiteSurveyDlg::OnWKSiteSurveyed() {
    m_self.Post(kMsgSurveyEvent, kSlotSurveyed, 0);
}
