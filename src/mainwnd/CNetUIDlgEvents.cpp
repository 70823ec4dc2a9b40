// The service library's events as the main window handles them. The receiver operations run on the
// library's thread and only post the event to the window; the handling below runs on the window's
// thread, in the order the events came.
#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "kernel/WpsRequest.h"
#include "mainwnd/CConnectInternetMsgDlg.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/CSelectWizardMsgDlg.h"
#include "mainwnd/CTrayIcon.h"
#include "mainwnd/LinkStatus.h"
#include "mainwnd/MainWindowWorkers.h"
#include "mainwnd/MainWndMessages.h"
#include "profiles/ProfileStore.h"
#include "res/MainWndIds.h"

using namespace mainwnd;

namespace {

enum Slot {
    kSlotDeviceLoaded = 0,
    kSlotDeviceRemoved = 1,
    kSlotZeroConfig = 4,
    kSlotRadio = 5,
    kSlotSurveyed = 7,
    kSlotAdapterChanged = 8,
    kSlotAssociation = 9,
    kSlotAddress = 10,
    kSlotQuietRefresh = 11,
    kSlotInternet = 12,
    kSlotLinkNotice = 13,
    kSlotRate = 15,
    kSlotChannel = 16,
    kSlotWps = 17,
};

constexpr uint32_t kSetupApplyRegion = 254;
constexpr uint32_t kSetupDone = 255;

} // namespace

void CNetUIDlg::PostEvent(int slot, uint32_t argument) {
    m_self.Post(kMsgServiceEvent, static_cast<uintptr_t>(slot), static_cast<intptr_t>(argument));
}

void CNetUIDlg::OnWKDeviceLoaded() {
    PostEvent(kSlotDeviceLoaded);
}

void CNetUIDlg::OnWKDeviceRemoved() {
    // The workers stop using the adapter at once; the window follows on its own thread.
    DevicePresent = false;
    PostEvent(kSlotDeviceRemoved);
}

void CNetUIDlg::OnWKZeroCfgChanged(uint8_t flag) {
    PostEvent(kSlotZeroConfig, flag);
}

void CNetUIDlg::OnWKRadioChanged(uint8_t on) {
    PostEvent(kSlotRadio, on);
}

void CNetUIDlg::OnWKSiteSurveyed() {
    PostEvent(kSlotSurveyed);
}

void CNetUIDlg::OnWKAdapterChanged() {
    PostEvent(kSlotAdapterChanged);
}

void CNetUIDlg::OnWKAssociationChanged() {
    PostEvent(kSlotAssociation);
}

void CNetUIDlg::OnWKAddressChanged() {
    PostEvent(kSlotAddress);
}

void CNetUIDlg::OnWKQuietRefresh() {
    PostEvent(kSlotQuietRefresh);
}

void CNetUIDlg::OnWKInternetChanged(uint8_t reachable) {
    PostEvent(kSlotInternet, reachable);
}

void CNetUIDlg::OnWKLinkNotice(uint32_t value) {
    PostEvent(kSlotLinkNotice, value);
}

void CNetUIDlg::OnWKRateChanged() {
    PostEvent(kSlotRate);
}

void CNetUIDlg::OnWKChannelChanged() {
    PostEvent(kSlotChannel);
}

void CNetUIDlg::OnWKWPSStatus(uint32_t code) {
    PostEvent(kSlotWps, code);
}

void CNetUIDlg::HandleServiceEvent(int slot, uint32_t argument) {
    if (m_exited) {
        return;
    }
    switch (slot) {
    case kSlotDeviceLoaded:
        OnAdapterArrived();
        break;
    case kSlotDeviceRemoved:
        OnAdapterGone();
        break;
    case kSlotZeroConfig:
        OnZeroConfigChanged(argument != 0);
        break;
    case kSlotRadio:
        m_radioOn = argument != 0;
        ShowPageButtons();
        break;
    case kSlotSurveyed:
        // The survey the service ran leaves the Networks page a fresh list.
        m_networksRescan = false;
        break;
    case kSlotAssociation:
        m_internetNoticePending = false;
        RefreshDisplay();
        break;
    case kSlotAdapterChanged:
    case kSlotAddress:
    case kSlotRate:
    case kSlotChannel:
        RefreshDisplay();
        break;
    case kSlotQuietRefresh:
        if (g_pnKernel != nullptr) {
            RefreshLinkRecords(*g_pnKernel);
        }
        break;
    case kSlotInternet:
        OnInternetChanged(argument != 0);
        break;
    case kSlotLinkNotice:
        if (g_pnKernel != nullptr) {
            RefreshLinkRecords(*g_pnKernel);
        }
        m_pages.about.RefreshAdapterInfo();
        if (!m_internetNoticePending) {
            DrawStatusArea();
            UpdateTray();
        }
        break;
    case kSlotWps:
        OnWpsStatus(argument);
        break;
    default:
        break;
    }
}

void CNetUIDlg::OnAdapterArrived() {
    if (g_pnKernel == nullptr) {
        return;
    }
    g_bZeroConfig = (g_pnKernel->GetZeroConfigState() & 0xFF) != 0;
    base::Trace(base::Format(u"CNetUIDlg::OnWKDeviceLoaded() g_bZeroConfig = %d", {g_bZeroConfig ? 1 : 0}));
    RefreshLinkRecords(*g_pnKernel);
    DevicePresent = true;
    m_pages.settings.OnAdapterArrived();
    m_pages.networks.OnAdapterArrived();
    m_pages.statistics.OnAdapterArrived();
    m_pages.about.RefreshAdapterInfo();
    SetUpCheck();
    m_trayState = -1;
    ReevaluateZeroConfig();
    RefreshDisplay();
    m_networksRescan = true;
    m_pages.settings.ShowModifiedMark(m_pages.settings.ProfileModified());
}

void CNetUIDlg::SetUpCheck() {
    uint32_t setup = static_cast<uint32_t>(base::ParseInt(AppValue(u"SetupStatus")));
    if (setup == kSetupApplyRegion) {
        ApplyRegionSetting();
        SetAppValue(u"SetupStatus", u"255");
    } else if (setup != kSetupDone) {
        base::Trace(u"Trigger Connect Wizard");
        FindNetwork(false);
        return;
    }
    if (!AutoConfigurationState()) {
        m_pages.settings.ShowCurrentProfile();
        profiles::LoadCurrentProfile();
        RequestConnect(-1);
        return;
    }
    bool wpsAnswersYes = g_pnKernel != nullptr && (g_pnKernel->WpsQuery() & 0xFF) != 0;
    if (base::ParseInt(AppValue(u"DisplaySelectUtility")) != 1 || wpsAnswersYes) {
        return;
    }
    ShowSelectUtility();
}

void CNetUIDlg::ShowSelectUtility() {
    HideWindow();
    SetBusy(true);
    CSelectWizardMsgDlg question;
    RunModalChild(question);
    SetBusy(false);
    if (OsClass == kOsVista || OsClass == kOsVista64) {
        ReevaluateZeroConfig();
    } else if (!AutoConfigurationState()) {
        profiles::LoadCurrentProfile();
        RequestConnect(-1);
    }
}

void CNetUIDlg::ReevaluateZeroConfig() {
    g_bZeroConfig = AutoConfigurationState();
    if (g_bZeroConfig && m_tabs.AllPages()) {
        BuildTabs(false);
        m_workers->Poller().Clear();
    } else if (!g_bZeroConfig && !m_tabs.AllPages()) {
        BuildTabs(true);
        profiles::LoadCurrentProfile();
        RequestConnect(-1);
        host().PostToSelf(kMsgSettingsPageKey, kPageKeyRefill, 0);
    }
}

void CNetUIDlg::OnZeroConfigChanged(bool windowsManages) {
    g_bZeroConfig = windowsManages;
    base::Trace(base::Format(u"OnWKZeroCfgChanged: %d", {windowsManages ? 1 : 0}));
    ReevaluateZeroConfig();
    if (!windowsManages) {
        m_networksRescan = true;
    }
    if (g_pnKernel == nullptr) {
        return;
    }
    kernel::AdapterConfig config{};
    g_pnKernel->GetAdapterConfig(&config);
    if (config.associated != 0) {
        base::Trace(u"VX_GUI: OnWKZeroCfgChanged() g_pnKernel->Disconnect(): Enter");
        g_pnKernel->Disconnect();
        base::Trace(u"VX_GUI: OnWKZeroCfgChanged() g_pnKernel->Disconnect(): End");
    }
}

void CNetUIDlg::OnAdapterGone() {
    if (g_pnKernel != nullptr) {
        RefreshLinkRecords(*g_pnKernel);
    }
    DevicePresent = false;
    // Whatever question or wizard is open was about this adapter. (The busy flag is set exactly while
    // one is open, so it does not hold this back.)
    if (m_openModal != nullptr && m_openModal->IsOpen()) {
        m_openModal->host().EndDialog(ui::kIdCancel);
    }
    host().CloseMessageBox(ui::kAnswerCancel);
    // And so was what the pages opened over the window (the profile dialogs, the live update, the
    // system report): each is cancelled, as Escape would, and its own rules decide what that drops.
    host().CancelModalDialogs();
    if (m_internetNotice && m_internetNotice->IsOpen()) {
        m_internetNotice->host().EndDialog(ui::kIdCancel); // the link it announced is gone
    }
    if (m_hooks.closeWizard) {
        m_hooks.closeWizard();
    }
    m_tray->RemoveIcon();
    HideWindow();
    g_bInternetReachable = false;
    m_workers->Poller().Clear();
    if (!m_busy) {
        m_pages.settings.PromptForModifiedProfile();
    }
    SetBusy(false);
}

void CNetUIDlg::OnInternetChanged(bool reachable) {
    if (AppValue(appvalue::kCountryDomain) == u"4") {
        g_bInternetReachable = reachable;
        return;
    }
    RefreshDisplay();
    if (!reachable) {
        g_bInternetReachable = false;
        RefreshDisplay();
        return;
    }
    if (g_bInternetReachable) {
        return;
    }
    if (base::ParseInt(AppValue(appvalue::kShowInternet)) != 0) {
        m_internetNoticePending = true;
        std::u16string show;
        int noticeWanted = GetAppValue(appvalue::kShowInternetMsgBox, show) != 0 ? 1 : base::ParseInt(show);
        if (host().IsWindowVisible() && UtilityManagesAdapter() && noticeWanted != 0) {
            m_platform.sound.PlayFile(ProgramFolder + u"ConnectToInternet.WAV");
            host().PostToSelf(kMsgShowInternetNotice, 0, 0);
        }
    }
    g_bInternetReachable = true;
    RequestRefreshSequence();
}

void CNetUIDlg::OnWpsStatus(uint32_t code) {
    const char16_t* name = kernel::WpsStatusName(code);
    std::u16string shown = name == nullptr ? base::Format(u"%u", {code}) : std::u16string(name);
    base::Trace(u"VX_GUI CNetUIDlg::OnWKWPSStatus() == " + shown);
    if (code == kernel::WPS_ST_HW_BUTTON) {
        if (m_hooks.startHardwareButtonRun) {
            m_hooks.startHardwareButtonRun();
        }
    } else if (code == kernel::WPS_ST_HW_CANCEL) {
        host().PostToSelf(kMsgShowHwPbcCancel, 0, 0);
    }
}
