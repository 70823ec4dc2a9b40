#include "wps/CConnectWizardWPSPushButtonProcess.h"

#include <algorithm>
#include <cstring>

#include "app/AppGlobals.h"
#include "base/Format.h"
#include "base/Trace.h"
#include "kernel/AdapterConfig.h"
#include "kernel/WpsRequest.h"
#include "networks/NetworkList.h"
#include "res/WpsPushButtonIds.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"
#include "wps/CConnectWizardMessageExpressWPS.h"
#include "wps/CHWPBCDetect.h"
#include "wps/WpsPageGraph.h"
#include "wps/WpsRequestBuilder.h"
#include "wps/WpsResult.h"
#include "wps/WpsState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS";
constexpr uint32_t kWmCommand = 0x0111;
constexpr uint32_t kFirstCountedStatus = 0x10; // the hardware button's own codes stay below
constexpr int kErrorTimeout = 0;
constexpr int kErrorCancelled = 2;
constexpr int kErrorOverlap = 4;

constexpr ui::ControlId kStep2Controls[] = {
    IDC_WPSPB_STEP2_TEXT1, IDC_WPSPB_STEP2_TEXT2, IDC_WPSPB_STEP2_TEXT3, IDC_WPSPB_STEP2_MARK,
    IDC_WPSPB_STEP2_TEXT4, IDC_WPSPB_STATUS,      IDC_WPSPB_COUNTDOWN,   IDC_WPSPB_PROGRESS,
    IDC_WPSPB_STEP2_LEFT,  IDC_WPSPB_STEP2_RIGHT};
constexpr ui::ControlId kStep1Controls[] = {IDC_WPSPB_BUTTON, IDC_WPSPB_STEP1_TEXT1, IDC_WPSPB_STEP1_TEXT2,
                                            IDC_WPSPB_STEP1_HINT};

// A translation's pattern with one argument; a pattern whose conversions do not fit shows as it is.
std::u16string FormatOrPlain(std::u16string_view pattern, base::FormatArg argument) {
    std::optional<std::u16string> text = base::TryFormat(pattern, {argument});
    return text ? *text : std::u16string(pattern);
}

} // namespace

CConnectWizardWPSPushButtonProcess::CConnectWizardWPSPushButtonProcess(platform::Clock& clock)
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_WPS_PUSHBUTTON_PROCESS, kSection), m_clock(clock) {
    m_pleaseWait.m_form = CDetectDlg::kFormPleaseWait;
}

bool CConnectWizardWPSPushButtonProcess::OnInit() {
    host().ShowModeless(m_pleaseWait);
    m_pleaseWait.ShowBox(false);
    ApplyTexts();
    m_remaining = kTotalSeconds;
    ShowRemaining();
    WizardPage = wps::kPagePushButton;

    host().Progress(IDC_WPSPB_PROGRESS).SetRange(0, kTotalSeconds);
    host().Static(IDC_WPSPB_BLINK).SetBitmap(IDB_WPS_BLINK_OFF);
    // A button, unlike a picture control, takes no bitmap from its template.
    host().Button(IDC_WPSPB_BUTTON).SetBitmap(IDB_WPS_PUSHBUTTON);
    host().SetTimer(kTimerBlink, kBlinkPeriod);
    m_link.Listen(g_pnKernel, host().MakePoster());
    m_numberedSteps = true;
    for (ui::ControlId id : kStep2Controls) {
        host().Show(id, false);
    }

    if (HwButtonPressed) {
        // The service started the exchange itself: follow it, send nothing.
        m_numberedSteps = false;
        WpsRunning = true;
        SwitchToStep2();
        WpsMode = true;
        m_started = true;
        host().SetTimer(kTimerNoStatus, kNoStatusWait);
    } else if (WpsRetryRequested) {
        m_numberedSteps = false;
        StartExchange();
    } else {
        host().SetTimer(kTimerReminder, kReminderDelay);
        host().Show(IDC_WPSPB_BUTTON, true);
        host().Show(IDC_WPSPB_STEP1_HINT, true);
    }
    ui::Font bold;
    bold.bold = true;
    host().Static(IDC_WPSPB_STEP).SetFont(bold);
    host().SetTimer(kTimerAdapterCheck, kAdapterCheckPeriod);
    return true;
}

void CConnectWizardWPSPushButtonProcess::ApplyTexts() {
    host().SetCaption(Text(u"24000"));
    ApplyFrameTitle();
    SetTexts({
        {IDC_WPSPB_CANCEL, u"24300"},
        {IDC_WPSPB_STEP2_TEXT1, u"24020"},
        {IDC_WPSPB_STEP2_TEXT2, u"24030"},
        {IDC_WPSPB_STEP2_TEXT3, u"24015"},
        {IDC_WPSPB_STEP2_TEXT4, u"24070"},
        {IDC_WPSPB_EXPRESS_INFO, u"24304", u"Learn More"},
        {IDC_WPSPB_STEP1_TEXT1, u"24301", u"Learn More"},
        {IDC_WPSPB_STEP1_TEXT2, u"24302", u"Learn More"},
        {IDC_WPSPB_START, u"24305", u"Learn More"},
        {IDC_WPSPB_BACK_TO_EXPRESS, u"24306", u"Learn More"},
    });
    m_countdownFormat = Text(u"24080");
    m_progress = {.discovery = Text(u"24090", u"Discovery"),
                  .exchanging = Text(u"240A0", u"Exchange Security Setting"),
                  .tryToConnect = Text(u"240B0", u"Try to connect to")};
    m_step1 = Text(u"24010", u"\r\nStep 1 of 2: Active Dire 'Z' Edudade on your   Adapter");
    m_step2 = Text(u"24011", u"\r\nStep 2 of 2: Active Dire 'Z' Edudade on your\nAP,router,or gateway");
    m_singleStep = Text(u"24012", u"Active Dire 'Z' Edudade on your\nAP,router,or gateway");
    // The language file drops "\r", so a translation's own line break starts with "\n".
    if (m_singleStep.rfind(u"\r\n", 0) != 0 && m_singleStep.rfind(u"\n", 0) != 0) {
        m_singleStep = u"\r\n" + m_singleStep;
    }
    host().SetText(IDC_WPSPB_STEP, m_step1);
    host().SetText(IDC_WPSPB_STATUS, m_progress.discovery);
}

void CConnectWizardWPSPushButtonProcess::StartExchange() {
    if (WpsRunning || m_started) {
        return; // one exchange per page: a second press sends nothing
    }
    m_started = true;
    SwitchToStep2();
    host().Enable(IDC_WPSPB_CANCEL, false);
    host().SetTimer(kTimerSendRequest, kSendRequestDelay);
}

void CConnectWizardWPSPushButtonProcess::SendRequest() {
    WpsRunning = true;
    if (g_pnKernel == nullptr) {
        return;
    }
    g_pnKernel->WpsPrepare();
    g_pnKernel->WpsStart(wps::PushButtonRequest(WizardProfile.block));
    if (m_firstStatusPending) {
        host().SetTimer(kTimerNoStatus, kNoStatusWait);
    }
}

void CConnectWizardWPSPushButtonProcess::SwitchToStep2() {
    host().KillTimer(kTimerReminder);
    for (ui::ControlId id : kStep2Controls) {
        host().Show(id, true);
    }
    for (ui::ControlId id : kStep1Controls) {
        host().Show(id, false);
    }
    host().KillTimer(kTimerBlink);
    host().Show(IDC_WPSPB_BLINK, false);
    host().SetText(IDC_WPSPB_STEP, m_numberedSteps ? m_step2 : m_singleStep);
    host().Show(IDC_WPSPB_START, false);
    host().Show(IDC_WPSPB_BACK_TO_EXPRESS, false);
    if (m_firstStatusPending) {
        host().Enable(IDC_WPSPB_CANCEL, false);
    }
}

bool CConnectWizardWPSPushButtonProcess::OnMessage(uint32_t message, uintptr_t wParam, intptr_t, intptr_t&) {
    switch (message) {
    case wps::ExchangeLink::kMsgStatus:
        HandleStatus(static_cast<uint32_t>(wParam));
        return true;
    case wps::ExchangeLink::kMsgDeviceRemoved:
        HandleDeviceRemoved();
        return true;
    case wps::WM_WPS_DONE:
        Close(true);
        return true;
    case wps::WM_WPS_ABORT:
        Close(false);
        return true;
    case kWmCommand:
        // A posted command reaches the dialog procedure as WM_COMMAND; hosts that hand posted messages
        // here get the same handling.
        OnCommand(static_cast<ui::ControlId>(wParam & 0xFFFF), static_cast<int>((wParam >> 16) & 0xFFFF));
        return true;
    default:
        return false;
    }
}

void CConnectWizardWPSPushButtonProcess::HandleStatus(uint32_t code) {
    if (m_closing) {
        return;
    }
    if (code == kernel::WPS_ST_HW_BUTTON) {
        SwitchToStep2();
        HwButtonPressed = true;
        WpsRunning = true;
        WpsMode = true;
        if (!m_started) {
            m_started = true;
            host().SetTimer(kTimerNoStatus, kNoStatusWait);
        }
        return;
    }
    if (code == kernel::WPS_ST_HW_CANCEL) {
        return; // the main window tells the user
    }
    if (m_firstStatusPending) {
        StartCountdown(code);
    }
    m_lastStatus = code;
    if (std::u16string progress = m_progress.For(code, m_link); !progress.empty()) {
        host().SetText(IDC_WPSPB_STATUS, progress);
    }
    switch (code) {
    case kernel::KWL_WPS_SUCCESS:
        // The settings are on their way: an abort now could only lose them.
        m_succeeded = true;
        host().Enable(IDC_WPSPB_CANCEL, false);
        host().KillTimer(kTimerCancelDelay);
        host().SetTimer(kTimerSuccessWait, kSuccessWait);
        break;
    case kernel::KWL_WPS_FAILURE:
        Failed();
        break;
    case kernel::KWL_WPS_CANCELLED:
        if (!m_succeeded) { // after a success the result's own close follows the wait
            host().PostToSelf(m_cancelling ? wps::WM_WPS_ABORT : wps::WM_WPS_DONE, 0, 0);
        }
        break;
    case kernel::KWL_WPS_MANY_APS_IN_PB_MODE:
        WizardPage = wps::kPageErrorMessage;
        WpsErrorKind = kErrorOverlap;
        host().PostToSelf(wps::WM_WPS_ABORT, 0, 0);
        break;
    default:
        break;
    }
}

void CConnectWizardWPSPushButtonProcess::StartCountdown(uint32_t code) {
    if (HwButtonPressed) {
        if (code < kFirstCountedStatus) {
            return;
        }
        // The service started this exchange a while ago: count only what is left of its walk time.
        // Signed arithmetic, so that a start older than the walk time gives 0, not a wrapped total.
        const uint32_t startTick = g_pnKernel != nullptr ? g_pnKernel->WpsStartTick() : m_clock.TickCount();
        const int64_t elapsed = static_cast<uint32_t>(m_clock.TickCount() - startTick) / 1000;
        const int64_t left = m_remaining - elapsed + kCancelGuardSeconds;
        m_remaining = static_cast<int>(std::clamp<int64_t>(left, 0, kTotalSeconds));
        ShowRemaining();
    }
    host().SetTimer(kTimerCountdown, kCountdownPeriod);
    host().KillTimer(kTimerNoStatus);
    if (!m_cancelling && !m_succeeded) {
        host().Enable(IDC_WPSPB_CANCEL, true);
    }
    m_firstStatusPending = false;
}

void CConnectWizardWPSPushButtonProcess::Failed() {
    if (g_pnKernel != nullptr && g_pnKernel->WpsFailureCheck() >= 0) {
        g_pnKernel->WpsFailureCheck();
    }
    host().PostToSelf(wps::WM_WPS_ABORT, 0, 0);
}

void CConnectWizardWPSPushButtonProcess::TakeResult() {
    kernel::ConnectionBlock& block = WizardProfile.block;
    std::memset(&block, 0, sizeof(block));
    const int32_t got = g_pnKernel != nullptr ? g_pnKernel->WpsGetResult(&block) : 0;
    if (!wps::ResultUsable(got, block)) {
        // Nothing usable came: handled as the failure it is, and nothing of it is saved.
        base::Trace(u"WPS: the exchange reported success without a network; handled as a failure");
        m_lastStatus = kernel::KWL_WPS_FAILURE;
        Failed();
        return;
    }
    wps::TerminateResultTexts(block);
    for (const std::u16string& line : wps::ResultTraceLines(block)) {
        base::Trace(line);
    }
    block.securityFlags = wps::PushButtonSecurity(block.securityFlags);
    wps::ApplyWepResult(WizardProfile);
    wps::AdoptResult(WizardProfile, networks::CopyNetworkList());
    WizardPage = wizard::SilentFirstRun() ? wizard::kPageSilentSave : wps::kPageSuccess;
    host().PostToSelf(wps::WM_WPS_DONE, 0, 0);
}

void CConnectWizardWPSPushButtonProcess::OnTimer(int timerId) {
    switch (timerId) {
    case kTimerCountdown:
        Tick();
        break;
    case kTimerSendRequest:
        host().KillTimer(kTimerSendRequest);
        SendRequest();
        break;
    case kTimerAdapterCheck:
        if (!DevicePresent) {
            host().KillTimer(kTimerAdapterCheck);
            Cancel();
        }
        break;
    case kTimerReminder:
        host().KillTimer(kTimerReminder);
        host().PostToSelf(kWmCommand, kCmdShowReminder, 0);
        break;
    case kTimerBlink:
        m_blinkOn = !m_blinkOn;
        host().Static(IDC_WPSPB_BLINK).SetBitmap(m_blinkOn ? IDB_WPS_BLINK_ON : IDB_WPS_BLINK_OFF);
        break;
    case kTimerSuccessWait:
        host().KillTimer(kTimerSuccessWait);
        if (!m_closing) {
            TakeResult();
        }
        break;
    case kTimerCancelDelay:
        host().KillTimer(kTimerCancelDelay);
        CarryOutCancel();
        break;
    case kTimerNoStatus:
        host().KillTimer(kTimerNoStatus);
        if (m_firstStatusPending && !m_cancelling) {
            host().Enable(IDC_WPSPB_CANCEL, true);
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

void CConnectWizardWPSPushButtonProcess::Tick() {
    if (m_remaining <= 0 && m_lastStatus != 0) {
        host().KillTimer(kTimerCountdown);
        WizardPage = wps::kPageRetry;
        WpsErrorKind = kErrorTimeout;
        host().PostToSelf(wps::WM_WPS_DONE, 0, 0);
    }
    m_remaining = std::max(m_remaining - 1, 0);
    ShowRemaining();
}

void CConnectWizardWPSPushButtonProcess::ShowRemaining() {
    host().SetText(IDC_WPSPB_COUNTDOWN, m_countdownFormat.empty()
                                            ? base::Format(u"%d", {m_remaining})
                                            : FormatOrPlain(m_countdownFormat, m_remaining));
    host().Progress(IDC_WPSPB_PROGRESS).SetPos(kTotalSeconds - m_remaining);
}

void CConnectWizardWPSPushButtonProcess::OnCommand(ui::ControlId id, int code) {
    if (code != ui::kClicked) {
        wps::WatchedDialog::OnCommand(id, code);
        return;
    }
    switch (id) {
    case IDC_WPSPB_BUTTON:
        StartExchange();
        break;
    case IDC_WPSPB_START:
        StartExchange();
        host().Show(IDC_WPSPB_START, false);
        break;
    case IDC_WPSPB_CANCEL:
        Cancel();
        break;
    case IDC_WPSPB_EXPRESS_INFO: {
        CConnectWizardMessageExpressWPS info(WpsRunning);
        host().RunModal(info);
        break;
    }
    case IDC_WPSPB_BACK_TO_EXPRESS:
        if (host().IsVisible(IDC_WPSPB_BACK_TO_EXPRESS)) {
            CloseBeforeExchange(wps::kPageExpressCheck);
        }
        break;
    case kCmdShowReminder: {
        CHWPBCDetect reminder;
        host().RunModal(reminder);
        if (!WpsRunning && !m_closing) {
            host().SetTimer(kTimerReminder, kReminderDelay);
        }
        break;
    }
    default:
        wps::WatchedDialog::OnCommand(id, code);
    }
}

void CConnectWizardWPSPushButtonProcess::OnCancel() {
    if (host().IsEnabled(IDC_WPSPB_CANCEL)) {
        Cancel(); // Escape and the close box count only while Cancel does
    }
}

void CConnectWizardWPSPushButtonProcess::Cancel() {
    if (m_closing || m_cancelling) {
        return;
    }
    if (!m_started) {
        WpsErrorKind = kErrorCancelled;
        CloseBeforeExchange(wps::kPageSelectMethod);
        return;
    }
    host().Enable(IDC_WPSPB_CANCEL, false);
    m_cancelling = true;
    WizardPage = wps::kPageErrorMessage;
    WpsErrorKind = kErrorCancelled;
    const int elapsed = kTotalSeconds - m_remaining;
    if (elapsed < kCancelGuardSeconds) {
        host().SetTimer(kTimerCancelDelay, static_cast<uint32_t>(kCancelGuardSeconds - elapsed) * 1000);
        return;
    }
    CarryOutCancel();
}

void CConnectWizardWPSPushButtonProcess::CarryOutCancel() {
    m_pleaseWait.CentreOver(host().WindowRect());
    m_pleaseWait.ShowBox(true);
    host().KillTimer(kTimerSuccessWait);
    host().SetTimer(kTimerAbortWait, kAbortWait);
    m_link.StartAbort();
}

void CConnectWizardWPSPushButtonProcess::HandleDeviceRemoved() {
    if (m_closing) {
        return;
    }
    WizardPage = wizard::kPageNone;
    if (!m_started) {
        CloseBeforeExchange(wizard::kPageNone);
        return;
    }
    kernel::AdapterConfig config{};
    if (g_pnKernel != nullptr) {
        g_pnKernel->GetAdapterConfig(&config);
    }
    if (config.associated == 0 && !host().IsEnabled(IDC_WPSPB_CANCEL)) {
        CloseBeforeExchange(wizard::kPageNone);
    }
}

void CConnectWizardWPSPushButtonProcess::CloseBeforeExchange(int nextPage) {
    if (m_closing) {
        return;
    }
    m_closing = true;
    WizardPage = nextPage;
    m_link.EndBeforeExchange();
    HwButtonPressed = false;
    host().EndDialog(ui::kIdCancel);
}

void CConnectWizardWPSPushButtonProcess::Close(bool done) {
    if (m_closing) {
        return;
    }
    m_closing = true;
    m_link.End(done);
    HwButtonPressed = false;
    host().EndDialog(done ? ui::kIdOk : ui::kIdCancel);
}

void CConnectWizardWPSPushButtonProcess::OnDestroy() {
    for (int timer : {kTimerCountdown, kTimerSendRequest, kTimerAdapterCheck, kTimerReminder, kTimerBlink,
                      kTimerSuccessWait, kTimerCancelDelay, kTimerNoStatus, kTimerAbortWait}) {
        host().KillTimer(timer);
    }
    m_link.Release();
    // However the page went, the button's mark must not outlive it: later runs would close at once.
    HwButtonPressed = false;
}
