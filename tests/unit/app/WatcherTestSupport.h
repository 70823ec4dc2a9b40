// What the watcher tests share: a window stand-in that records what is posted to it and lets a test
// wait for a post with a deadline, and a bounded wait for work that must not hang.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "ui/Poster.h"

namespace apptest {

// Stands for the main window: a Poster reaches it until Close, as a host's does until the window goes.
class RecordingWindow {
public:
    RecordingWindow()
        : m_channel(std::make_shared<ui::PostChannel>([this](uint32_t message, uintptr_t, intptr_t) {
              std::lock_guard lock(m_mutex);
              m_messages.push_back(message);
              m_changed.notify_all();
              return true;
          })) {}
    ~RecordingWindow() { m_channel->Close(); }

    ui::Poster MakePoster() const { return ui::Poster(m_channel); }
    void Close() { m_channel->Close(); }
    std::vector<uint32_t> Messages() {
        std::lock_guard lock(m_mutex);
        return m_messages;
    }
    // False when fewer than `count` messages arrived before the deadline.
    bool WaitForMessages(size_t count, std::chrono::seconds deadline = std::chrono::seconds(10)) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, deadline, [&] { return m_messages.size() >= count; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<uint32_t> m_messages;
    std::shared_ptr<ui::PostChannel> m_channel;
};

// Runs `work` on a thread of its own and waits for it with a deadline. A dead-lock cannot be undone
// from inside the process, so a missed deadline ends the test program with a message instead of
// letting it hang.
inline void MustFinish(const char* what, const std::function<void()>& work,
                       std::chrono::seconds deadline = std::chrono::seconds(20)) {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::thread worker([&] {
        work();
        std::lock_guard lock(mutex);
        done = true;
        finished.notify_all();
    });
    std::unique_lock lock(mutex);
    if (!finished.wait_for(lock, deadline, [&] { return done; })) {
        std::fprintf(stderr, "FAILED: %s did not finish: dead-lock\n", what);
        std::fflush(stderr);
        std::_Exit(1);
    }
    lock.unlock();
    worker.join();
}

} // namespace apptest
