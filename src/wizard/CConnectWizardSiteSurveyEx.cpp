#include "wizard/CConnectWizardSiteSurveyEx.h"

#include <cstring>

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "base/Text.h"
#include "networks/NetworkList.h"
#include "res/WizardListIds.h"
#include "wizard/CConnectWizardMessagePSK.h"
#include "wizard/CConnectWizardMessageWeb.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardListRules.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_SITESURVEY_EX";

// The list shows no more than this; a count beyond it is a broken list.
constexpr size_t kMaxRows = 128;

std::u16string Text(std::u16string_view key, std::u16string_view defaultText = {}) {
    return wizard::PageText(kSection, key, defaultText);
}

} // namespace

CConnectWizardSiteSurveyEx::CConnectWizardSiteSurveyEx() : ui::Dialog(IDD_DLG_CONNECTWIZARD_SITESURVEY_EX) {}

bool CConnectWizardSiteSurveyEx::OnInit() {
    m_self = host().MakePoster();
    if (g_pnKernel != nullptr) {
        // After the poster exists: an event may come before this returns.
        g_pnKernel->AddReceiver(this);
        m_receiverAdded = true;
    }
    ApplyTexts();
    ui::ReportControl& list = host().Report(IDC_WIZARD_LIST_NETWORKS);
    list.SetFullRowSelect(true);
    std::vector<ui::ListColumn> columns;
    for (const networks::ColumnKey& column : wizard::ListColumnKeys()) {
        columns.push_back(wizard::ListColumn(Text(column.key, column.defaultText), column.defaultText));
    }
    list.SetColumns(columns);
    Fill();
    Preselect();
    CentreOnScreen();
    host().SetTimer(kTimerWatchdog, wizard::kWatchdogMilliseconds);
    return true;
}

void CConnectWizardSiteSurveyEx::ApplyTexts() {
    host().SetCaption(Text(u"14000", u"Orvelin Wireless Adapter"));
    host().SetText(IDC_WIZARD_LIST_EXPLANATION,
                   Text(u"14020",
                        u"Available wireless networks are listed below. Select a wireless network from "
                        u"the list and click Next.Use the scrollbar or Page Down Key to view the rest of "
                        u"the wireless networks."));
    host().SetText(IDC_WIZARD_LIST_NOTE,
                   Text(u"14030",
                        u"Note: If you don't see your network name, make sure your wireless router is "
                        u"powered on."));
    host().SetText(IDC_WIZARD_LIST_REFRESH, Text(u"140A0", u"Refresh network list"));
    host().SetText(IDC_WIZARD_BACK, Text(u"140B0", u"< &Back"));
    host().SetText(IDC_WIZARD_NEXT, Text(u"140C0", u"&Next >"));
    host().SetText(ui::kIdCancel, Text(u"140D0", u"Cancel"));

    m_rowTexts.wps = Text(u"WPS", u"WPS");
    // Indexed as networks::SecurityName orders the Networks tab's rule.
    static constexpr std::u16string_view kSecurity[][2] = {
        {u"Security_None", u"None"},
        {u"Security_WEP", u"WEP"},
        {u"Security_WPA-PSK_WPA2-PSK", u"WPA-PSK/WPA2-PSK"},
        {u"Security_WPA-PSK", u"WPA-PSK"},
        {u"Security_WPA2-PSK", u"WPA2-PSK"},
        {u"WPA-Radius_WPA2-Radius", u"WPA-Radius/WPA2-Radius"},
        {u"Security_WPA-Radius", u"WPA-Radius"},
        {u"Security_WPA2-Radius", u"WPA2-Radius"},
    };
    for (size_t i = 0; i < m_rowTexts.security.size(); ++i) {
        m_rowTexts.security[i] = Text(kSecurity[i][0], kSecurity[i][1]);
    }

    ui::Font bold;
    bold.bold = true;
    host().Static(IDC_WIZARD_TITLE).SetFont(bold);
    host().SetText(IDC_WIZARD_TITLE, wizard::WizardTitle());
}

void CConnectWizardSiteSurveyEx::CentreOnScreen() {
    ui::Rect screen = host().ScreenRect();
    ui::Rect page = host().WindowRect();
    int left = (screen.Width() - page.Width()) / 2;
    int top = (screen.Height() - page.Height()) / 2;
    host().MoveWindow({left, top, left + page.Width(), top + page.Height()});
    host().ShowWindow(true);
}

// ---------------------------------------------------------------------------------------------------
// The rows

void CConnectWizardSiteSurveyEx::Fill() {
    WizardState.hiddenMarks = {};
    // Counted before the copy: a list made in between counts as new and brings another fill.
    m_surveysBefore = networks::SurveysApplied();
    m_entries = networks::CopyNetworkList();
    WizardRowMap.clear();
    ui::ReportControl& list = host().Report(IDC_WIZARD_LIST_NETWORKS);
    list.HoldRedraw(true);
    list.DeleteAll();
    host().Enable(IDC_WIZARD_NEXT, false);
    if (m_entries.empty() || m_entries.size() >= kMaxRows) {
        m_entries.clear();
        host().Enable(IDC_WIZARD_BACK, true);
        list.HoldRedraw(false);
        return;
    }
    const bool ht5G = g_bHtAllowed5G;
    const bool ht24G = g_bHtAllowed24G;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const kernel::BssEntry& entry = m_entries[i];
        if (!wizard::ListOffers(entry)) {
            continue;
        }
        if (entry.ssid[0] == u'\0') {
            wizard::MarkHiddenNetwork(WizardState.hiddenMarks, entry.security);
        }
        auto cells = wizard::ListRowCells(entry, m_rowTexts, ht5G, ht24G);
        int row = list.InsertRow(list.RowCount(), cells[0], -1);
        if (row < 0) {
            continue;
        }
        for (int column = 1; column < wizard::kListColumnCount; ++column) {
            list.SetCell(row, column, cells[static_cast<size_t>(column)]);
        }
        WizardRowMap.push_back(static_cast<int32_t>(i));
    }
    list.HoldRedraw(false);
}

void CConnectWizardSiteSurveyEx::SortAndFill() {
    networks::SortNetworkList(WizardState.sort.key, WizardState.sort.order);
    Fill();
}

void CConnectWizardSiteSurveyEx::Preselect() {
    ui::ReportControl& list = host().Report(IDC_WIZARD_LIST_NETWORKS);
    if (!WizardState.preselectRequested || list.RowCount() == 0) {
        return;
    }
    for (size_t row = 0; row < WizardRowMap.size(); ++row) {
        if (WizardRowMap[row] == WizardState.selectedNetwork) {
            list.Select(static_cast<int>(row));
            list.EnsureVisible(static_cast<int>(row));
            break;
        }
    }
    WizardState.preselectRequested = false;
    host().SetTimer(kTimerFocusList, kFocusListDelay);
}

intptr_t CConnectWizardSiteSurveyEx::OnNotify(const ui::Notify& notify) {
    if (notify.id != IDC_WIZARD_LIST_NETWORKS || m_busy || m_closing) {
        return 0;
    }
    switch (notify.code) {
    case ui::kItemChanged:
        if (notify.item >= 0 && (notify.newState & ui::kStateSelected) != 0) {
            host().Enable(IDC_WIZARD_NEXT, true);
            host().SetDefaultButton(IDC_WIZARD_NEXT);
        }
        break;
    case ui::kDoubleClick:
        if (notify.item >= 0) {
            Next();
        }
        break;
    case ui::kColumnClick:
        OnColumnClick(notify.subItem);
        break;
    default:
        break;
    }
    return 0;
}

void CConnectWizardSiteSurveyEx::OnColumnClick(int column) {
    int key = wizard::ListSortKeyOfColumn(column);
    if (key < 0) {
        return;
    }
    WizardState.sort.key = key;
    WizardState.sort.order = WizardState.sort.order == 0 ? 1 : 0;
    host()
        .Report(IDC_WIZARD_LIST_NETWORKS)
        .SetSortArrow(column, wizard::ListSortArrow(WizardState.sort.order));
    SortAndFill();
}

// ---------------------------------------------------------------------------------------------------
// A new survey

void CConnectWizardSiteSurveyEx::Refresh() {
    if (m_busy || m_closing) {
        return;
    }
    m_busy = true;
    host().SetCursor(ui::Cursor::Wait);
    for (ui::ControlId id : {IDC_WIZARD_BACK, IDC_WIZARD_NEXT, ui::kIdCancel, IDC_WIZARD_LIST_REFRESH}) {
        host().Enable(id, false);
    }
    ui::ReportControl& list = host().Report(IDC_WIZARD_LIST_NETWORKS);
    list.DeleteAll();
    WizardRowMap.clear();
    list.InsertRow(0, Text(u"14010"), -1);
    m_surveysBefore = networks::SurveysApplied();
    m_listWaits = 0;
    if (g_pnKernel == nullptr || g_pnKernel->StartSiteSurvey(0) == 0) {
        // Refused: no end will be reported; show the list as it is.
        EndRefresh();
    }
}

void CConnectWizardSiteSurveyEx::OnWKSiteSurveyed() {
    m_self.Post(kMsgSurveyed, 0, 0);
}

bool CConnectWizardSiteSurveyEx::OnMessage(uint32_t message, uintptr_t, intptr_t, intptr_t&) {
    if (message != kMsgSurveyed) {
        return false;
    }
    OnSurveyed();
    return true;
}

void CConnectWizardSiteSurveyEx::OnSurveyed() {
    if (m_closing || m_waitingForList) {
        return; // already looking for the list this survey made
    }
    LookForNewList();
}

void CConnectWizardSiteSurveyEx::LookForNewList() {
    if (networks::SurveysApplied() != m_surveysBefore || m_listWaits >= kMaxListWaits) {
        EndRefresh();
        return;
    }
    ++m_listWaits;
    m_waitingForList = true;
    host().SetTimer(kTimerListWait, kListWaitPeriod);
}

void CConnectWizardSiteSurveyEx::EndRefresh() {
    host().KillTimer(kTimerListWait);
    m_waitingForList = false;
    m_listWaits = 0;
    m_busy = false;
    host().SetCursor(ui::Cursor::Arrow);
    SortAndFill();
    for (ui::ControlId id : {IDC_WIZARD_LIST_REFRESH, ui::kIdCancel, IDC_WIZARD_BACK}) {
        host().Enable(id, true);
    }
}

// ---------------------------------------------------------------------------------------------------
// Leaving the page

void CConnectWizardSiteSurveyEx::Next() {
    if (m_busy || m_closing) {
        return;
    }
    WizardState.selectedNetwork = -1;
    int row = host().Report(IDC_WIZARD_LIST_NETWORKS).Selection();
    if (row < 0 || static_cast<size_t>(row) >= WizardRowMap.size()) {
        return;
    }
    int index = WizardRowMap[static_cast<size_t>(row)];
    if (index < 0 || static_cast<size_t>(index) >= m_entries.size()) {
        return;
    }
    const kernel::BssEntry entry = m_entries[static_cast<size_t>(index)];
    WizardState.selectedNetwork = index;
    kernel::ConnectionBlock& block = WizardProfile.block;
    block.securityFlags = wizard::ConnectionSecurityOf(entry.security);
    wizard::SetSelectedSsid(base::FieldText(entry.ssid));
    std::memcpy(block.BSSID, entry.bssid, sizeof block.BSSID);
    block.adHocChannel = entry.channel;
    block.NetworkConnectType = entry.networkType;
    block.adHocMode = wizard::AdHocModeOf(entry);
    ChooseNextPage(entry);
    SetAppValue(u"SetupStatus", u"255");
    m_closing = true;
    for (ui::ControlId id : {IDC_WIZARD_BACK, IDC_WIZARD_NEXT, ui::kIdCancel, IDC_WIZARD_LIST_REFRESH}) {
        host().Enable(id, false);
    }
    host().SetTimer(kTimerClose, kCloseDelay);
}

void CConnectWizardSiteSurveyEx::ChooseNextPage(const kernel::BssEntry& entry) {
    if (entry.ssid[0] == u'\0') {
        WizardPage = wizard::kPageHidden;
        WizardState.hiddenName.clear();
        return;
    }
    if ((entry.capabilities & kernel::kCapWps) != 0 && !WizardState.wpsCheckDeclined) {
        // A network that offers WPS: the WPS check page asks first whether to join it that way (its
        // method choice leads to the PIN pages too). Once the user declined, Next goes on as below.
        WizardPage = wizard::kPageWpsFirst;
        return;
    }
    WpsMode = false;
    if (entry.security & kernel::kBssOpen) {
        WizardOrigin = wizard::kOriginList;
        WizardPage = wizard::SilentFirstRun() ? wizard::kPageSilentSave : wizard::kPageSaveProfile;
    } else if (entry.security & kernel::kBssWep) {
        CConnectWizardMessageWeb message; // its OK moves on to the WEP input option
        host().RunModal(message);
    } else {
        CConnectWizardMessagePSK message; // its OK moves on to the passphrase page
        host().RunModal(message);
    }
}

void CConnectWizardSiteSurveyEx::OnCommand(ui::ControlId id, int code) {
    if (code != ui::kClicked) {
        return;
    }
    switch (id) {
    case IDC_WIZARD_NEXT:
        Next();
        break;
    case IDC_WIZARD_BACK:
        Close(ui::kIdCancel);
        break;
    case IDC_WIZARD_LIST_REFRESH:
        Refresh();
        break;
    default:
        ui::Dialog::OnCommand(id, code);
        break;
    }
}

void CConnectWizardSiteSurveyEx::OnOK() {
    Next(); // Enter without a focused button: the page has no OK of its own
}

void CConnectWizardSiteSurveyEx::OnCancel() {
    m_cancelUsed = true;
    Close(ui::kIdCancel);
}

void CConnectWizardSiteSurveyEx::OnTimer(int timerId) {
    switch (timerId) {
    case kTimerWatchdog:
        if (wizard::PageShouldClose(true)) {
            // Counts as Cancel: the run ends rather than go on to the WPS page without an adapter.
            m_cancelUsed = true;
            Close(ui::kIdCancel);
        }
        break;
    case kTimerFocusList:
        host().KillTimer(kTimerFocusList);
        host().SetFocus(IDC_WIZARD_LIST_NETWORKS);
        break;
    case kTimerListWait:
        host().KillTimer(kTimerListWait);
        m_waitingForList = false;
        LookForNewList();
        break;
    case kTimerClose:
        Close(ui::kIdOk);
        break;
    default:
        break;
    }
}

void CConnectWizardSiteSurveyEx::Close(int result) {
    for (int timer : {kTimerWatchdog, kTimerFocusList, kTimerListWait, kTimerClose}) {
        host().KillTimer(timer);
    }
    host().EndDialog(result);
}

void CConnectWizardSiteSurveyEx::OnDestroy() {
    // The library must not call a page that is gone; once this returns no event reaches it.
    if (m_receiverAdded && g_pnKernel != nullptr) {
        g_pnKernel->RemoveReceiver(this);
    }
    m_receiverAdded = false;
    for (int timer : {kTimerWatchdog, kTimerFocusList, kTimerListWait, kTimerClose}) {
        host().KillTimer(timer);
    }
    if (m_busy) {
        host().SetCursor(ui::Cursor::Arrow);
    }
}
