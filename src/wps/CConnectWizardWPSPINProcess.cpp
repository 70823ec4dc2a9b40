#include "wps/CConnectWizardWPSPINProcess.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/Language.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "kernel/WpsRequest.h"
#include "networks/NetworkList.h"
#include "res/WpsPinIds.h"
#include "wizard/WizardState.h"
#include "wps/CConnectWizardWPSHelpforAP.h"
#include "wps/PageWatchdog.h"
#include "wps/WpsPageGraph.h"
#include "wps/WpsRegistrar.h"
#include "wps/WpsRequestBuilder.h"
#include "wps/WpsResult.h"
#include "wps/WpsState.h"

namespace {

constexpr std::u16string_view kApPinSection = u"IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS";
constexpr std::u16string_view kAdapterPinSection = u"IDD_DLG_CONNECTWIZARD_WPS_PINNUMBER_PROCESS";
constexpr int kGerman = 1;
constexpr int kErrorTimeoutPin = 1;
constexpr int kErrorCancelled = 2;

std::u16string_view SectionOf(int mode) {
    return mode == CConnectWizardWPSPINProcess::kModeApPin ? kApPinSection : kAdapterPinSection;
}

} // namespace

CConnectWizardWPSPINProcess::CConnectWizardWPSPINProcess(int mode, platform::RandomSource& random)
    : wps::WatchedDialog(mode == kModeApPin ? IDD_DLG_CONNECTWIZARD_WPS_APPIN_PROCESS
                                            : IDD_DLG_CONNECTWIZARD_WPS_PINNUMBER_PROCESS,
                         SectionOf(mode)),
      m_mode(mode), m_random(random) {
    WpsApList = {};
    WpsApCount = wps::kApListOffered;
}

bool CConnectWizardWPSPINProcess::OnInit() {
    WpsRunning = true;
    m_link.Listen(g_pnKernel, host().MakePoster());
    ApplyTexts();
    m_remaining = kTotalSeconds;
    ShowRemaining();
    WizardPage = wps::kPageAdapterPin; // in both modes: the wizard's Cancel row tells them apart by it

    ui::Font pinFont;
    pinFont.face = u"Arial";
    pinFont.pointSize = 30;
    pinFont.bold = true;
    host().Static(IDC_WPSPINPROC_PIN).SetFont(pinFont);
    host().SetText(IDC_WPSPINPROC_PIN, base::FieldText(WpsPin.data(), WpsPin.size()));
    host().Progress(IDC_WPSPINPROC_PROGRESS).SetRange(0, kTotalSeconds);
    host().Progress(IDC_WPSPINPROC_PROGRESS).SetPos(0);
    host().Enable(ui::kIdCancel, false);

    host().SetTimer(kTimerAdapterWatch, kAdapterWatchPeriod);
    if (SendRequest()) {
        host().SetTimer(kTimerNoStatus, kNoStatusWait);
    }
    return true;
}

void CConnectWizardWPSPINProcess::ApplyTexts() {
    const bool apPin = m_mode == kModeApPin;
    auto key = [apPin](std::u16string_view suffix) {
        return (apPin ? u"26" : u"25") + std::u16string(suffix);
    };
    host().SetCaption(Text(key(u"000")));
    ApplyFrameTitle();
    host().SetText(ui::kIdCancel, Text(key(u"300"), u"Cancel"));
    host().SetText(IDC_WPSPINPROC_TEXT1, Text(key(u"020")));
    host().SetText(IDC_WPSPINPROC_TEXT2, Text(key(u"030")));
    host().SetText(IDC_WPSPINPROC_TEXT3, Text(key(u"040")));
    host().SetText(IDC_WPSPINPROC_TEXT4, Text(key(u"050")));
    host().SetText(IDC_WPSPINPROC_COUNTDOWN_LABEL, Text(key(u"090")));
    const std::u16string note1 = Text(key(u"0A0"));
    const std::u16string note2 = Text(key(u"0B0"));
    if (LanguageIndex() == kGerman) {
        // The German sentence does not break where the two controls would split it.
        host().SetText(IDC_WPSPINPROC_NOTE1, note1 + note2);
        host().SetText(IDC_WPSPINPROC_NOTE2, u"");
    } else {
        host().SetText(IDC_WPSPINPROC_NOTE1, note1);
        host().SetText(IDC_WPSPINPROC_NOTE2, note2);
    }
    m_progress = {.discovery = Text(key(u"060"), u"Discovery"),
                  .exchanging = Text(key(u"070"), u"Exchange Security Setting"),
                  .tryToConnect = Text(key(u"080"), u"Try to connect to")};
    if (apPin) {
        host().Show(IDC_WPSPINPROC_LEARN_MORE, false);
        host().Show(IDC_WPSPINPROC_ADAPTER_MARK, false);
    } else {
        host().SetText(IDC_WPSPINPROC_LEARN_MORE, Text(u"25310", u"Learn More"));
        host().Show(IDC_WPSPINPROC_APPIN_MARK, false);
    }
    host().SetText(IDC_WPSPINPROC_STATUS, m_progress.discovery);
}

bool CConnectWizardWPSPINProcess::SendRequest() {
    if (g_pnKernel == nullptr) {
        return false;
    }
    const std::u16string pin(base::FieldText(WpsPin.data(), WpsPin.size()));
    const std::u16string ssid = wizard::SelectedSsid();
    kernel::WpsRequest request;
    if (m_mode == kModeApPin) {
        const std::optional<wps::RegistrarValues> registrar = wps::MakeRegistrarValues(m_random);
        if (!registrar) {
            // Without unpredictable values there is no network this program may hand the AP.
            base::Trace(u"WPS: no random values for the registrar; the AP-PIN exchange is not started");
            host().Enable(ui::kIdCancel, true);
            return false;
        }
        request = wps::ApPinRequest(pin, ssid, WizardProfile.block, *registrar);
    } else {
        request = wps::AdapterPinRequest(pin, ssid, WizardProfile.block);
    }
    g_pnKernel->WpsPrepare();
    g_pnKernel->WpsStart(request);
    return true;
}

bool CConnectWizardWPSPINProcess::OnMessage(uint32_t message, uintptr_t wParam, intptr_t, intptr_t&) {
    switch (message) {
    case wps::ExchangeLink::kMsgStatus:
        HandleStatus(static_cast<uint32_t>(wParam));
        return true;
    case wps::ExchangeLink::kMsgDeviceRemoved:
        return true; // the adapter watch (timer 2) ends the exchange
    case wps::WM_WPS_DONE:
        Close(true);
        return true;
    case wps::WM_WPS_ABORT:
        Close(false);
        return true;
    default:
        return false;
    }
}

void CConnectWizardWPSPINProcess::HandleStatus(uint32_t code) {
    if (m_closing) {
        return;
    }
    if (m_firstStatusPending) {
        m_firstStatusPending = false;
        host().KillTimer(kTimerNoStatus);
        if (!m_stopping) {
            host().Enable(ui::kIdCancel, true);
            host().SetTimer(kTimerCountdown, kCountdownPeriod);
        }
    }
    m_lastStatus = code;
    if (std::u16string progress = m_progress.For(code, m_link); !progress.empty()) {
        host().SetText(IDC_WPSPINPROC_STATUS, progress);
    }
    switch (code) {
    case kernel::KWL_WPS_SUCCESS:
        // The exchange is over: an abort now could only lose the network it delivered.
        m_succeeded = true;
        host().Enable(ui::kIdCancel, false);
        if (m_mode == kModeAdapterPin) {
            host().SetTimer(kTimerSuccessWait, kSuccessWait);
        } else {
            TakeResult();
        }
        break;
    case kernel::KWL_WPS_FAILURE:
        AskApList();
        break;
    case kernel::KWL_WPS_CANCELLED:
        // After a success the page closes once it has the result, not at the exchange's end.
        if (m_stopping || !m_succeeded) {
            host().PostToSelf(m_stopping ? wps::WM_WPS_ABORT : wps::WM_WPS_DONE, 0, 0);
        }
        break;
    default:
        break;
    }
}

void CConnectWizardWPSPINProcess::TakeResult() {
    kernel::ConnectionBlock& block = WizardProfile.block;
    const int32_t got = g_pnKernel != nullptr ? g_pnKernel->WpsGetResult(&block) : 0;
    if (!wps::ResultUsable(got, block)) {
        // Nothing usable came: a failed exchange, and nothing of it is saved.
        base::Trace(u"WPS: the exchange reported success without a network; handled as a failure");
        m_lastStatus = kernel::KWL_WPS_FAILURE;
        m_succeeded = false;
        AskApList();
        return;
    }
    wps::TerminateResultTexts(block);
    block.securityFlags = wps::PinSecurity(block.securityFlags);
    wps::AdoptResult(WizardProfile, networks::CopyNetworkList());
    WizardPage = wps::kPageSuccess;
    host().PostToSelf(wps::WM_WPS_DONE, 0, 0);
}

void CConnectWizardWPSPINProcess::AskApList() {
    WpsApCount = wps::kApListOffered;
    const int32_t answer =
        g_pnKernel != nullptr ? g_pnKernel->WpsGetApList(WpsApList.data(), &WpsApCount) : 1;
    if (answer != 0) {
        WpsApCount = 0;
    }
    WpsApCount = std::min(WpsApCount, wps::kApListOffered);
}

void CConnectWizardWPSPINProcess::OnTimer(int timerId) {
    switch (timerId) {
    case kTimerCountdown:
        Tick();
        break;
    case kTimerAdapterWatch:
        if (!m_stopping && (!DevicePresent || wps::ZeroConfigOwnsAdapter())) {
            host().KillTimer(kTimerCountdown);
            host().KillTimer(kTimerAdapterWatch);
            Abort();
        }
        break;
    case kTimerSuccessWait:
        host().KillTimer(kTimerSuccessWait);
        if (!m_closing) {
            TakeResult();
        }
        break;
    case kTimerNoStatus:
        host().KillTimer(kTimerNoStatus);
        if (m_firstStatusPending && !m_stopping) {
            host().Enable(ui::kIdCancel, true);
        }
        break;
    case kTimerAbortWait:
        host().KillTimer(kTimerAbortWait);
        base::Trace(u"WPS: the abort was not confirmed; the page closes");
        Close(false);
        break;
    default:
        break;
    }
}

void CConnectWizardWPSPINProcess::Tick() {
    if (m_remaining <= 0 && m_lastStatus != 0) {
        host().KillTimer(kTimerCountdown);
        DecideAfterTimeout();
        host().PostToSelf(wps::WM_WPS_DONE, 0, 0);
    }
    m_remaining = std::max(m_remaining - 1, 0);
    ShowRemaining();
}

void CConnectWizardWPSPINProcess::DecideAfterTimeout() {
    WizardPage = wps::kPageErrorMessage;
    WpsErrorKind = kErrorTimeoutPin;
    if (m_mode != kModeApPin) {
        return;
    }
    AskApList();
    if (WpsApCount == 1) {
        WizardPage = wps::kPageErrorFail;
    } else if (WpsApCount > 1) {
        WizardPage = wps::kPageErrorTimeout;
    }
}

void CConnectWizardWPSPINProcess::ShowRemaining() {
    host().SetText(IDC_WPSPINPROC_COUNTDOWN, base::Format(u"%d", {m_remaining}));
    host().Progress(IDC_WPSPINPROC_PROGRESS).SetPos(kTotalSeconds - m_remaining);
}

void CConnectWizardWPSPINProcess::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_WPSPINPROC_LEARN_MORE && code == ui::kClicked) {
        CConnectWizardWPSHelpforAP help;
        host().RunModal(help);
        return;
    }
    wps::WatchedDialog::OnCommand(id, code);
}

void CConnectWizardWPSPINProcess::OnCancel() {
    if (m_stopping || m_closing || !host().IsEnabled(ui::kIdCancel)) {
        return; // Escape and the close box count only while Cancel does
    }
    host().Enable(ui::kIdCancel, false);
    WizardPage = wps::kPageErrorMessage;
    WpsErrorKind = kErrorCancelled;
    Abort();
}

void CConnectWizardWPSPINProcess::Abort() {
    m_stopping = true;
    host().KillTimer(kTimerSuccessWait);
    host().SetTimer(kTimerAbortWait, kAbortWait);
    m_link.StartAbort();
}

void CConnectWizardWPSPINProcess::Close(bool done) {
    if (m_closing) {
        return;
    }
    m_closing = true;
    m_link.End(done);
    host().EndDialog(done ? ui::kIdOk : ui::kIdCancel);
}

void CConnectWizardWPSPINProcess::OnDestroy() {
    for (int timer :
         {kTimerCountdown, kTimerAdapterWatch, kTimerSuccessWait, kTimerNoStatus, kTimerAbortWait}) {
        host().KillTimer(timer);
    }
    m_link.Release();
    WpsRunning = false;
}
