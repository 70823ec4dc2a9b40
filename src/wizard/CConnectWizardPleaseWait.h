// Page 3: "Please Wait", a small caption-less window shown while the survey that starts a run goes on.
// It fades in, waits for the survey, fades out and closes with OK; the hardware button closes it at
// once and a missing adapter with Cancel.
//
// Everything happens on the window's thread through its timers, the survey watch included: nothing
// outlives the window, also when the adapter is pulled out and the survey never ends.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/Dialog.h"

class CConnectWizardPleaseWait final : public ui::Dialog {
public:
    // Timer 0: the window is up; its first tick begins the fade in.
    static constexpr int kTimerStart = 0;
    static constexpr uint32_t kStartDelay = 200;
    // Timer 1: closes the window with Cancel once the adapter is gone.
    static constexpr int kTimerAdapterWatch = 1;
    // Timer 2: the next step of a fade.
    static constexpr int kTimerFade = 2;
    static constexpr uint32_t kFadeStepDelay = 200;
    // Timer 3: is the survey over yet?
    static constexpr int kTimerSurveyWatch = 3;
    static constexpr uint32_t kSurveyWatchPeriod = 500;
    // Timer 4: without window opacity there is nothing to watch; the window stays this long.
    static constexpr int kTimerPlainWait = 4;
    static constexpr uint32_t kPlainWaitDelay = 3000;
    // Posted when the window is done: it closes with OK.
    static constexpr uint32_t kMsgClose = 0xF001;

    static constexpr uint8_t kStartOpacity = 31;
    static constexpr uint32_t kBackground = 0x630031; // dark purple
    static constexpr uint32_t kTextColor = 0xFFFFFF;

    CConnectWizardPleaseWait();

    bool OnInit() override;
    void OnTimer(int timerId) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnDestroy() override;

private:
    enum class Phase { Starting, FadingIn, Watching, FadingOut, Done };

    void BeginFadeIn();
    void StepFade();
    void WatchSurvey();
    void BeginFadeOut();
    void Finish();

    Phase m_phase = Phase::Starting;
    bool m_opacity = false;
    size_t m_fadeStep = 0;
};
