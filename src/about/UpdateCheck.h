// The automatic update check, as a step function a worker thread calls until it is stopped. While
// automatic updates are on it waits for the 30-day mark, then (never beside the connect wizard or
// another live update) waits for the Internet, asks the library up to three times and, when there is
// news, has the About page offer it on the page's own thread. Every way out of a check lets the
// library and the live-update gate go.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "about/CAboutExLiveUpdateDlg.h"
#include "about/LiveUpdateGate.h"
#include "about/LiveUpdateServices.h"

namespace about {

// How the user met an offer.
enum class OfferAnswer {
    Shown,       // the live-update dialog ran (from the visible window, or after Yes on the notice)
    NotNow,      // No on the notice: ask again in an hour
    NotUntilNext // No with "don't remind" ticked: next check in 30 days
};

struct UpdateCheckLinks {
    std::function<bool()> autoUpdateOn;
    std::function<bool()> wizardRunning;
    std::function<bool()> internetReachable;
    // Posts the days left to the page; and asks the page to offer the update (false: the page is gone).
    std::function<void(int days)> showDaysLeft;
    std::function<bool()> offer;
};

class UpdateCheck {
public:
    static constexpr int64_t kIntervalSeconds = 30 * 86400;
    static constexpr uint32_t kOffPollMs = 500;
    static constexpr uint32_t kRetryMs = 1000;
    static constexpr uint32_t kPauseMs = 3000;
    static constexpr uint32_t kRemindAgainMs = 3600000;
    static constexpr uint32_t kAnswerPollMs = 200;
    static constexpr int kTries = 3;

    UpdateCheck(LiveUpdateServices& services, LiveUpdateGate& gate, UpdateCheckLinks links);
    ~UpdateCheck();
    UpdateCheck(const UpdateCheck&) = delete;
    UpdateCheck& operator=(const UpdateCheck&) = delete;

    // One round; returns the milliseconds until the next.
    uint32_t Step();

    // The page's side of an offer, on its thread: the dialog object to show (null when none is
    // waiting), its text, and the user's answer.
    CAboutExLiveUpdateDlg* OfferedDialog();
    std::u16string OfferedText();
    void Answer(OfferAnswer answer);

    bool Checking() const { return m_state.load() != State::Idle; }

private:
    enum class State { Idle, WaitingForInternet, Asking, Offering };

    uint32_t Idle();
    uint32_t Ask();
    uint32_t AwaitAnswer();
    // Step 7 and the days left; every check ends here.
    uint32_t Finish(bool writeTime, uint32_t pause);
    uint32_t ShowDaysLeftAndPause(uint32_t pause);
    void WriteCheckTime();

    LiveUpdateServices& m_services;
    LiveUpdateGate& m_gate;
    UpdateCheckLinks m_links;
    std::atomic<State> m_state{State::Idle};
    int m_tries = 0;
    uint32_t m_pause = kPauseMs;
    std::unique_ptr<CAboutExLiveUpdateDlg> m_dialog;

    std::mutex m_offerMutex; // what the page reads and answers
    std::u16string m_offerText;
    bool m_offerOpen = false;
    bool m_answered = false;
    OfferAnswer m_answer = OfferAnswer::Shown;
};

// Whether a connect-wizard run is open.
bool ConnectWizardRunning();

} // namespace about
