#include "about/UpdateCheck.h"

#include "about/AboutRules.h"
#include "app/AppSettings.h"
#include "base/Format.h"
#include "wizard/ConnectWizard.h"

namespace about {

namespace {

constexpr std::u16string_view kAutoUpdateTime = u"AutoUpdateTime";

} // namespace

bool ConnectWizardRunning() {
    return wizard::ConnectWizardRunning();
}

UpdateCheck::UpdateCheck(LiveUpdateServices& services, LiveUpdateGate& gate, UpdateCheckLinks links)
    : m_services(services), m_gate(gate), m_links(std::move(links)) {}

UpdateCheck::~UpdateCheck() {
    if (m_state != State::Idle) {
        m_dialog.reset();
        m_gate.Release();
    }
}

uint32_t UpdateCheck::Step() {
    switch (m_state.load()) {
    case State::Idle:
        return Idle();
    case State::WaitingForInternet:
        if (!m_links.internetReachable()) {
            return kRetryMs;
        }
        m_state = State::Asking;
        m_tries = 0;
        return 0;
    case State::Asking:
        return Ask();
    case State::Offering:
        return AwaitAnswer();
    }
    return kPauseMs;
}

uint32_t UpdateCheck::Idle() {
    if (!m_links.autoUpdateOn()) {
        return kOffPollMs;
    }
    int64_t last = ParseSeconds(AppValue(kAutoUpdateTime));
    int64_t now = m_services.calendar->SecondsSince1970();
    if (now - last > kIntervalSeconds && !m_links.wizardRunning() && m_gate.TryClaim()) {
        m_links.showDaysLeft(0);
        m_dialog = std::make_unique<CAboutExLiveUpdateDlg>(m_services);
        m_state = State::WaitingForInternet;
        return 0;
    }
    return ShowDaysLeftAndPause(m_pause);
}

uint32_t UpdateCheck::Ask() {
    std::u16string text;
    int answer = m_dialog->CheckForUpdate(text);
    ++m_tries;
    if (answer == 5) {
        {
            std::lock_guard lock(m_offerMutex);
            m_offerText = text;
            m_offerOpen = true;
            m_answered = false;
        }
        m_state = State::Offering;
        if (!m_links.offer()) {
            return Finish(false, kPauseMs); // the page is gone
        }
        return kAnswerPollMs;
    }
    if (m_tries < kTries) {
        return kRetryMs;
    }
    // No update, or none to be had (no library, no answer): the next check is 30 days away.
    return Finish(true, kPauseMs);
}

uint32_t UpdateCheck::AwaitAnswer() {
    OfferAnswer answer;
    {
        std::lock_guard lock(m_offerMutex);
        if (!m_answered) {
            return kAnswerPollMs;
        }
        answer = m_answer;
        m_offerOpen = false;
    }
    switch (answer) {
    case OfferAnswer::NotNow:
        return Finish(false, kRemindAgainMs);
    case OfferAnswer::Shown:
    case OfferAnswer::NotUntilNext:
        break;
    }
    return Finish(true, kPauseMs);
}

uint32_t UpdateCheck::Finish(bool writeTime, uint32_t pause) {
    if (writeTime) {
        WriteCheckTime();
    }
    {
        std::lock_guard lock(m_offerMutex);
        m_offerOpen = false;
    }
    m_dialog.reset();
    m_state = State::Idle;
    m_gate.Release();
    m_pause = pause;
    return ShowDaysLeftAndPause(pause);
}

uint32_t UpdateCheck::ShowDaysLeftAndPause(uint32_t pause) {
    int days = DaysLeft(m_services.calendar->SecondsSince1970(), ParseSeconds(AppValue(kAutoUpdateTime)));
    m_links.showDaysLeft(days < 0 ? 0 : days);
    return pause;
}

void UpdateCheck::WriteCheckTime() {
    SetAppValue(kAutoUpdateTime,
                base::Format(u"%lld", {static_cast<long long>(m_services.calendar->SecondsSince1970())}));
}

CAboutExLiveUpdateDlg* UpdateCheck::OfferedDialog() {
    std::lock_guard lock(m_offerMutex);
    return m_offerOpen && !m_answered ? m_dialog.get() : nullptr;
}

std::u16string UpdateCheck::OfferedText() {
    std::lock_guard lock(m_offerMutex);
    return m_offerText;
}

void UpdateCheck::Answer(OfferAnswer answer) {
    std::lock_guard lock(m_offerMutex);
    if (m_offerOpen) {
        m_answer = answer;
        m_answered = true;
    }
}

} // namespace about
