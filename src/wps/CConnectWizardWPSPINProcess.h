// Pages 105 (mode 0, the adapter's PIN entered at the AP) and 106 (mode 1, the AP's PIN entered here,
// this program acting as registrar): the PIN exchange with its four-minute countdown. Service events
// arrive on the library's thread and are only posted here (wps::ExchangeLink); everything else runs on
// the page's thread.
//
// The page can always be left: the adapter is watched from the start, Cancel comes on when the
// service stays silent after the start, and an abort that is never confirmed still closes the page.
#pragma once

#include <cstdint>
#include <string>

#include "platform/RandomSource.h"
#include "wps/WpsDialog.h"
#include "wps/WpsExchangeLink.h"

class CConnectWizardWPSPINProcess final : public wps::WatchedDialog {
public:
    static constexpr int kModeAdapterPin = 0;
    static constexpr int kModeApPin = 1;
    static constexpr int kTotalSeconds = 240;

    // Timer 1: the countdown, once a first status arrived.
    static constexpr int kTimerCountdown = 1;
    static constexpr uint32_t kCountdownPeriod = 1000;
    // Timer 2: the adapter gone or taken by zero configuration ends the exchange, status or not.
    static constexpr int kTimerAdapterWatch = 2;
    static constexpr uint32_t kAdapterWatchPeriod = 1000;
    // Timer 3 (mode 0): the adapter needs a moment after the exchange before its result is complete.
    static constexpr int kTimerSuccessWait = 3;
    static constexpr uint32_t kSuccessWait = 8000;
    // Timer 4: a service that never reports anything must not leave the page without a way out.
    static constexpr int kTimerNoStatus = 4;
    static constexpr uint32_t kNoStatusWait = 10000;
    // Timer 5: the abort's confirmation (KWL_WPS_CANCELLED) did not come; the page closes anyway.
    static constexpr int kTimerAbortWait = 5;
    static constexpr uint32_t kAbortWait = 5000;

    CConnectWizardWPSPINProcess(int mode, platform::RandomSource& random);

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnOK() override {}
    void OnCancel() override;
    void OnDestroy() override;

    int Remaining() const { return m_remaining; }

private:
    void ApplyTexts();
    bool SendRequest();
    void HandleStatus(uint32_t code);
    void TakeResult();
    void AskApList();
    void Tick();
    void DecideAfterTimeout();
    void Abort();
    void Close(bool done);
    void ShowRemaining();

    int m_mode;
    platform::RandomSource& m_random;
    int m_remaining = kTotalSeconds;
    bool m_firstStatusPending = true;
    uint32_t m_lastStatus = 0;
    bool m_stopping = false;
    bool m_succeeded = false;
    bool m_closing = false;
    wps::ProgressTexts m_progress;
    wps::ExchangeLink m_link;
};
