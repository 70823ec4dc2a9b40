// The one-second watchdog of the WPS pages and dialogs: a page that is open when the adapter goes,
// when the system's zero configuration takes the adapter over, or when the adapter's push button
// starts an exchange of its own closes as cancelled, and the wizard's page graph decides what follows.
#pragma once

#include <cstdint>

#include "ui/Host.h"

namespace wps {

// Why the watchdog closes a page.
enum class CloseReason { None, AdapterGone, ZeroConfigOwns, HardwareButton };

// Zero configuration owns the adapter: the service says so, or on the Vista classes the user handed
// it to the system ("AutoConfiguration" = "2").
bool ZeroConfigOwnsAdapter();

class PageWatchdog {
public:
    // Timer 1 of the page: its ticks ask the question.
    static constexpr int kTimerId = 1;
    static constexpr uint32_t kPeriodMs = 1000;

    // `ignoresHardwareButton`: the Express information dialog opened from a running push-button
    // exchange belongs to that exchange, so the button that started it must not close it.
    explicit PageWatchdog(bool ignoresHardwareButton = false)
        : m_ignoresHardwareButton(ignoresHardwareButton) {}

    void Start(ui::Host& host) const { host.SetTimer(kTimerId, kPeriodMs); }
    void Stop(ui::Host& host) const { host.KillTimer(kTimerId); }

    CloseReason Reason() const;
    // True when `timerId` is the watchdog's and the page is to close as cancelled.
    bool Fires(int timerId) const { return timerId == kTimerId && Reason() != CloseReason::None; }

private:
    bool m_ignoresHardwareButton;
};

} // namespace wps
