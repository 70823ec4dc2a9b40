#include "wizard/CConnectWizardPleaseWait.h"

#include <array>

#include "app/AppGlobals.h"
#include "networks/NetworkList.h"
#include "res/WizardListIds.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_PLEASEWAIT";

constexpr std::array<uint8_t, 7> kFadeIn = {63, 95, 127, 159, 191, 223, 255};
constexpr std::array<uint8_t, 7> kFadeOut = {223, 191, 159, 127, 95, 63, 31};

} // namespace

CConnectWizardPleaseWait::CConnectWizardPleaseWait() : ui::Dialog(IDD_DLG_CONNECTWIZARD_PLEASEWAIT) {}

bool CConnectWizardPleaseWait::OnInit() {
    host().SetBackgroundColor(kBackground);
    ui::StaticControl& text = host().Static(IDC_WIZARD_PLEASEWAIT_TEXT);
    text.SetTextColor(kTextColor);
    text.SetBackColor(kBackground);
    text.SetText(wizard::PageText(kSection, u"10010"));
    m_opacity = host().SetOpacity(kStartOpacity);
    host().SetTimer(kTimerStart, kStartDelay);
    host().SetTimer(kTimerAdapterWatch, wizard::kWatchdogMilliseconds);
    return true;
}

void CConnectWizardPleaseWait::OnTimer(int timerId) {
    switch (timerId) {
    case kTimerStart:
        host().KillTimer(kTimerStart);
        if (m_opacity) {
            BeginFadeIn();
        } else {
            host().SetTimer(kTimerPlainWait, kPlainWaitDelay);
        }
        break;
    case kTimerFade:
        StepFade();
        break;
    case kTimerSurveyWatch:
        WatchSurvey();
        break;
    case kTimerPlainWait:
        host().KillTimer(kTimerPlainWait);
        Finish();
        break;
    case kTimerAdapterWatch:
        if (!DevicePresent) {
            host().EndDialog(ui::kIdCancel);
        }
        break;
    default:
        break;
    }
}

void CConnectWizardPleaseWait::BeginFadeIn() {
    m_phase = Phase::FadingIn;
    host().SetCursor(ui::Cursor::Wait);
    m_fadeStep = 0;
    host().SetOpacity(kFadeIn[m_fadeStep++]);
    host().SetTimer(kTimerFade, kFadeStepDelay);
}

void CConnectWizardPleaseWait::StepFade() {
    const bool in = m_phase == Phase::FadingIn;
    const auto& steps = in ? kFadeIn : kFadeOut;
    if (m_fadeStep < steps.size()) {
        host().SetOpacity(steps[m_fadeStep++]);
        if (in || m_fadeStep < steps.size()) {
            return; // the last step out posts the close at once, the last step in waits its 200 ms
        }
    }
    host().KillTimer(kTimerFade);
    if (in) {
        host().SetCursor(ui::Cursor::Arrow);
        m_phase = Phase::Watching;
        WatchSurvey();
        if (m_phase == Phase::Watching) {
            host().SetTimer(kTimerSurveyWatch, kSurveyWatchPeriod);
        }
    } else {
        Finish();
    }
}

void CConnectWizardPleaseWait::WatchSurvey() {
    if (m_phase != Phase::Watching) {
        return;
    }
    if (HwButtonPressed) {
        host().KillTimer(kTimerSurveyWatch);
        Finish(); // no fade: the hardware button's run is waiting
    } else if (g_bScanDone) {
        host().KillTimer(kTimerSurveyWatch);
        BeginFadeOut();
    }
}

void CConnectWizardPleaseWait::BeginFadeOut() {
    m_phase = Phase::FadingOut;
    m_fadeStep = 0;
    host().SetOpacity(kFadeOut[m_fadeStep++]);
    host().SetTimer(kTimerFade, kFadeStepDelay);
}

void CConnectWizardPleaseWait::Finish() {
    m_phase = Phase::Done;
    host().PostToSelf(kMsgClose, 0, 0);
}

bool CConnectWizardPleaseWait::OnMessage(uint32_t message, uintptr_t, intptr_t, intptr_t&) {
    if (message != kMsgClose) {
        return false;
    }
    host().EndDialog(ui::kIdOk);
    return true;
}

void CConnectWizardPleaseWait::OnDestroy() {
    for (int timer : {kTimerStart, kTimerAdapterWatch, kTimerFade, kTimerSurveyWatch, kTimerPlainWait}) {
        host().KillTimer(timer);
    }
    host().SetCursor(ui::Cursor::Arrow);
}
