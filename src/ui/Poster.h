// The one way a worker thread or the service library's thread reaches a window: it posts a message,
// which the window handles later on its own thread. Posters are cheap to copy and safe to use from any
// thread; once the window is gone every post is dropped and reports false, so a worker that outlives
// its window never reaches a recycled window handle.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace ui {

// Shared by a host and every Poster it handed out. The host opens it with a sink that queues the
// message for its window and closes it when the window goes.
class PostChannel {
public:
    using Sink = std::function<bool(uint32_t message, uintptr_t wParam, intptr_t lParam)>;

    explicit PostChannel(Sink sink) : m_sink(std::move(sink)) {}

    bool Post(uint32_t message, uintptr_t wParam, intptr_t lParam) {
        // The sink runs under the lock: Close cannot return while a post is half done.
        std::lock_guard lock(m_mutex);
        return m_sink ? m_sink(message, wParam, lParam) : false;
    }
    void Close() {
        std::lock_guard lock(m_mutex);
        m_sink = nullptr;
    }
    bool IsOpen() {
        std::lock_guard lock(m_mutex);
        return static_cast<bool>(m_sink);
    }

private:
    std::mutex m_mutex;
    Sink m_sink;
};

class Poster {
public:
    Poster() = default; // reaches nothing
    explicit Poster(std::shared_ptr<PostChannel> channel) : m_channel(std::move(channel)) {}

    // False when the window is gone (or never was): the message was dropped.
    bool Post(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) const {
        return m_channel ? m_channel->Post(message, wParam, lParam) : false;
    }
    bool IsOpen() const { return m_channel && m_channel->IsOpen(); }

private:
    std::shared_ptr<PostChannel> m_channel;
};

} // namespace ui
