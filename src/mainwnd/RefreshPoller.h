// The refresh poller: after a change of the link (an event, a connect) the status area and the tray are
// redrawn a few times in a row, so that what the library reports a moment later is shown too and the
// Internet mark can blink.
#pragma once

#include <atomic>
#include <cstdint>

#include "ui/Poster.h"

namespace mainwnd {

constexpr uint32_t kRefreshPollMs = 500;
constexpr int kRefreshesPerRequest = 8;

class RefreshPoller {
public:
    explicit RefreshPoller(ui::Poster window);

    // Any thread. A request made while a sequence runs starts the sequence over.
    void Request();
    bool Requested() const { return m_remaining.load() > 0; }
    // Any thread: ends the sequence (Windows took the adapter over, the adapter went).
    void Clear() { m_remaining = 0; }

    // One round: posts kMsgRefreshDisplay with the number of the refresh in the sequence (1 to 8) as
    // wParam, which the status area uses to blink. Returns the milliseconds until the next round.
    uint32_t Step();

private:
    ui::Poster m_window;
    // Refreshes still owed; request and count in one value, so a request can never be lost between
    // the poller's reading and its clearing.
    std::atomic<int> m_remaining{0};
};

} // namespace mainwnd
