#include "mainwnd/RefreshPoller.h"

#include "mainwnd/MainWndMessages.h"

namespace mainwnd {

RefreshPoller::RefreshPoller(ui::Poster window) : m_window(std::move(window)) {}

void RefreshPoller::Request() {
    m_remaining = kRefreshesPerRequest;
}

uint32_t RefreshPoller::Step() {
    int remaining = m_remaining.load();
    if (remaining <= 0) {
        return kRefreshPollMs;
    }
    m_window.Post(kMsgRefreshDisplay, static_cast<uintptr_t>(kRefreshesPerRequest - remaining + 1));
    // Fails only when a new request came in meanwhile; that one keeps its full count.
    m_remaining.compare_exchange_strong(remaining, remaining - 1);
    return kRefreshPollMs;
}

} // namespace mainwnd
