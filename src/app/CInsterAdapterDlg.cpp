#include "app/CInsterAdapterDlg.h"

#include <chrono>

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/DeviceTest.h"
#include "app/Language.h"
#include "kernel/AdapterConfig.h"
#include "res/AppIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_INSTER_ADAPTER";
constexpr std::u16string_view kDriverDialogCaption = u"Microsoft Windows";

constexpr ui::Color kWhite = ui::Rgb(255, 255, 255);

} // namespace

CInsterAdapterDlg::CInsterAdapterDlg(platform::UsbDevices& devices, platform::WindowManager& windows,
                                     platform::Clock& clock)
    : ui::Dialog(IDD_DIALOG_INSTER_ADAPTER), m_devices(devices), m_windows(windows), m_clock(clock) {
    m_detect.m_form = CDetectDlg::kFormDetect;
}

CInsterAdapterDlg::~CInsterAdapterDlg() {
    StopDriverDialogSearch();
}

bool CInsterAdapterDlg::OnInit() {
    host().SetCaption(LangString(kSection, u"TITLE", u"ORVELIN KTA7700 LINK WARDEN"));
    host().SetText(IDC_STATIC_INSTERAPADTER01,
                   LangText(kSection, u"IDC_STATIC_INSTERAPADTER01",
                            u"Insert the wireless USB adapter into your laptop or desktop."));
    host().SetText(IDC_STATIC_INSTERAPADTER02,
                   LangText(kSection, u"IDC_STATIC_INSTERAPADTER02", u"Click Next to continue."));
    host().SetText(IDC_STATIC_INSTERAPADTER03,
                   LangText(kSection, u"IDC_STATIC_INSTERAPADTER03",
                            u"Note:  You should leave your computer powered on while you insert the wireless "
                            u"USB adapter."));
    host().SetText(ID_BUTTON_INSTERAPADTER_NEXT,
                   LangLine(kSection, u"ID_BUTTON_INSTERAPADTER_NEXT", u"&Next", 0));
    host().SetText(ID_BUTTON_INSTERAPADTER_CANCEL,
                   LangLine(kSection, u"ID_BUTTON_INSTERAPADTER_CANCEL", u"&Cancel", 0));

    host().SetBackgroundColor(kWhite);

    if (host().ShowModeless(m_detect)) {
        m_detect.ShowBox(false);
    }

    kernel::AdapterConfig config{};
    if (g_pnKernel != nullptr) {
        g_pnKernel->GetAdapterConfig(&config);
    }
    if (config.associated == 1 && (OsClass == kOsVista || OsClass == kOsVista64)) {
        {
            std::lock_guard lock(m_searchMutex);
            m_stopSearch = false;
        }
        m_search = std::thread([this] { SearchDriverDialog(); });
    } else {
        CentreAndBringToFront();
    }
    return true;
}

void CInsterAdapterDlg::CentreAndBringToFront() {
    // Centred in the work area, then top-most and back, so that it comes to the front without staying
    // above everything.
    ui::Rect frame = host().WindowRect();
    ui::Rect work = host().WorkArea();
    int left = work.left + (work.Width() - frame.Width()) / 2;
    int top = work.top + (work.Height() - frame.Height()) / 2;
    host().MoveWindow({left, top, left + frame.Width(), top + frame.Height()});
    host().SetTopMost(true);
    host().SetTopMost(false);
}

bool CInsterAdapterDlg::SearchDriverDialogStep() {
    // Neither call waits for the other window's thread (the finding compares captions the system keeps;
    // the z-order change is only queued to that thread), so a hung driver dialog cannot hold up the
    // search and with it the closing of this dialog.
    platform::WindowHandle dialog = m_windows.FindTopWindow(kDriverDialogCaption);
    if (dialog == 0) {
        return true;
    }
    m_windows.ShowTopMost(dialog);
    return false;
}

void CInsterAdapterDlg::SearchDriverDialog() {
    if (platform::SystemInfo* system = AppSystem()) {
        system->LowerCurrentThreadPriority();
    }
    std::unique_lock lock(m_searchMutex);
    while (!m_stopSearch) {
        lock.unlock();
        bool again = SearchDriverDialogStep();
        lock.lock();
        if (!again) {
            return;
        }
        m_searchWake.wait_for(lock, std::chrono::milliseconds(kDriverDialogRetryMs),
                              [this] { return m_stopSearch; });
    }
}

void CInsterAdapterDlg::StopDriverDialogSearch() {
    {
        std::lock_guard lock(m_searchMutex);
        m_stopSearch = true;
    }
    m_searchWake.notify_all();
    if (m_search.joinable()) {
        m_search.join();
    }
}

void CInsterAdapterDlg::OnCommand(ui::ControlId id, int code) {
    if (id == ID_BUTTON_INSTERAPADTER_NEXT && code == ui::kClicked) {
        OnNext();
        return;
    }
    if (id == ID_BUTTON_INSTERAPADTER_CANCEL && code == ui::kClicked) {
        OnCancel();
        return;
    }
    ui::Dialog::OnCommand(id, code);
}

void CInsterAdapterDlg::OnNext() {
    host().Enable(ID_BUTTON_INSTERAPADTER_NEXT, false);
    m_ticks = 0;
    host().SetTimer(kTimerDetect, kDetectIntervalMs);
    m_detect.CentreOver(host().WindowRect());
    m_detect.ShowBox(true);
}

void CInsterAdapterDlg::OnTimer(int timerId) {
    if (timerId != kTimerDetect) {
        return;
    }
    if (DevicePresent) {
        // A not-found message box may be open in a nested loop of this very handler: close it too.
        host().CloseMessageBox(ui::kAnswerOk);
        host().KillTimer(kTimerDetect);
        host().EndDialog(ui::kIdOk);
        return;
    }
    ++m_ticks;
    bool decide = m_ticks == kDetectTicks ||
                  (m_ticks > kDetectTicks && !host().IsEnabled(ID_BUTTON_INSTERAPADTER_NEXT));
    if (!decide || IsSupportedAdapterPlugged(AppValue(appvalue::kVidPid), m_devices)) {
        // Plugged in but not yet reported: the service library will tell us when it is ready.
        return;
    }
    m_detect.ShowBox(false);
    host().Enable(ID_BUTTON_INSTERAPADTER_NEXT, true);
    host().ShowMessageBox(
        LangText(kSection, u"MESSAGE_INSTER", u"The Orvelin KTVA2200 adapter is not found."),
        LangString(u"MESSAGEBOX", u"TITLE", u"Orvelin Link Warden"), ui::kBoxOk);
}

void CInsterAdapterDlg::OnDestroy() {
    host().KillTimer(kTimerDetect);
    StopDriverDialogSearch();
}
