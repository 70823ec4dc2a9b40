// Page 103: the push-button exchange. Step 1 waits for a button (the adapter's, the one on the screen,
// or a Retry that starts at once); step 2 follows the exchange for at most two minutes. An exchange
// the adapter's button started lands here too: the service runs it, the page only follows it.
//
// Service events arrive on the library's thread and are only posted here (wps::ExchangeLink); the status
// handling, the 8 s wait after a success and the abort's bookkeeping run on the page's thread. WpsAbort
// runs on a worker the page joins. The page can always be left: Cancel comes on 10 s after a start that the
// service never reports on, and an abort it never confirms closes the page after 5 s.
#pragma once

#include <cstdint>
#include <string>

#include "app/CDetectDlg.h"
#include "platform/Clock.h"
#include "wps/WpsDialog.h"
#include "wps/WpsExchangeLink.h"

class CConnectWizardWPSPushButtonProcess final : public wps::WatchedDialog {
public:
    static constexpr int kTotalSeconds = 120;
    // A cancel this soon after the countdown began waits until then, so the abort cannot overtake the
    // start inside the service.
    static constexpr int kCancelGuardSeconds = 3;

    // Timer 1: the countdown, once the exchange reported.
    static constexpr int kTimerCountdown = 1;
    static constexpr uint32_t kCountdownPeriod = 1000;
    // Timer 2 (one shot): the request goes out a moment after step 2 is on the screen.
    static constexpr int kTimerSendRequest = 2;
    static constexpr uint32_t kSendRequestDelay = 300;
    // Timer 3: a missing adapter cancels as the user would.
    static constexpr int kTimerAdapterCheck = 3;
    static constexpr uint32_t kAdapterCheckPeriod = 1000;
    // Timer 4 (one shot): nobody pressed a button yet; remind the user of the adapter's button.
    static constexpr int kTimerReminder = 4;
    static constexpr uint32_t kReminderDelay = 30000;
    // Timer 5: the blink picture of step 1.
    static constexpr int kTimerBlink = 5;
    static constexpr uint32_t kBlinkPeriod = 500;
    // Timer 6 (one shot): the adapter needs a moment after a success before its result is complete.
    static constexpr int kTimerSuccessWait = 6;
    static constexpr uint32_t kSuccessWait = 8000;
    // Timer 7 (one shot): the rest of the cancel guard.
    static constexpr int kTimerCancelDelay = 7;
    // Timer 8 (one shot): a start the service never reports on must not leave Cancel off for good.
    static constexpr int kTimerNoStatus = 8;
    static constexpr uint32_t kNoStatusWait = 10000;
    // Timer 9 (one shot): the abort's confirmation (KWL_WPS_CANCELLED) did not come; close anyway.
    static constexpr int kTimerAbortWait = 9;
    static constexpr uint32_t kAbortWait = 5000;

    // The command the reminder timer posts; its handler shows the reminder modally.
    static constexpr ui::ControlId kCmdShowReminder = 0xE001;

    explicit CConnectWizardWPSPushButtonProcess(platform::Clock& clock);

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnOK() override {}
    void OnCancel() override;
    void OnDestroy() override;

    int Remaining() const { return m_remaining; }
    CDetectDlg& PleaseWait() { return m_pleaseWait; }

private:
    void ApplyTexts();
    void StartExchange();
    void SendRequest();
    void SwitchToStep2();
    void HandleStatus(uint32_t code);
    void StartCountdown(uint32_t code);
    void TakeResult();
    void Failed();
    void Tick();
    void Cancel();
    void CarryOutCancel();
    void HandleDeviceRemoved();
    void CloseBeforeExchange(int nextPage);
    void Close(bool done);
    void ShowRemaining();

    platform::Clock& m_clock;
    int m_remaining = kTotalSeconds;
    bool m_firstStatusPending = true;
    bool m_started = false;
    uint32_t m_lastStatus = 0;
    bool m_cancelling = false;
    bool m_succeeded = false;
    bool m_closing = false;
    bool m_numberedSteps = true;
    bool m_blinkOn = false;
    std::u16string m_countdownFormat;
    wps::ProgressTexts m_progress;
    std::u16string m_step1;
    std::u16string m_step2;
    std::u16string m_singleStep;
    CDetectDlg m_pleaseWait;
    wps::ExchangeLink m_link;
};
