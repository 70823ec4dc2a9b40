#include "skyvane/Dispatcher.h"

#include <algorithm>
#include <chrono>

namespace skyvane {

Dispatcher::Dispatcher(Mode mode) : m_mode(mode) {
    if (m_mode == Mode::Threaded) {
        m_thread = std::thread([this] { Loop(); });
        std::lock_guard lock(m_mutex);
        m_runner = m_thread.get_id();
    } else {
        m_runner = std::this_thread::get_id();
    }
}

Dispatcher::~Dispatcher() {
    Stop();
}

uint64_t Dispatcher::Now() const {
    if (m_mode == Mode::Manual) {
        std::lock_guard lock(m_mutex);
        return m_virtualNow;
    }
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

void Dispatcher::Post(uint32_t delayMs, Task task) {
    uint64_t due = Now() + delayMs;
    {
        std::lock_guard lock(m_mutex);
        if (m_stopping) {
            return;
        }
        m_queue.emplace(std::make_pair(due, m_sequence++), std::move(task));
    }
    m_wake.notify_one();
}

bool Dispatcher::OnDispatcherThread() const {
    std::lock_guard lock(m_mutex);
    return std::this_thread::get_id() == m_runner;
}

void Dispatcher::Advance(uint64_t milliseconds) {
    if (m_mode != Mode::Manual) {
        return;
    }
    uint64_t target;
    {
        std::lock_guard lock(m_mutex);
        target = m_virtualNow + milliseconds;
    }
    for (;;) {
        Task task;
        {
            std::lock_guard lock(m_mutex);
            if (m_queue.empty() || m_queue.begin()->first.first > target) {
                m_virtualNow = target;
                return;
            }
            // The clock stands at each task's due time while it runs, so follow-up delays add up.
            m_virtualNow = std::max(m_virtualNow, m_queue.begin()->first.first);
            task = std::move(m_queue.begin()->second);
            m_queue.erase(m_queue.begin());
        }
        task();
    }
}

void Dispatcher::Loop() {
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (m_queue.empty()) {
            m_wake.wait(lock);
            continue;
        }
        uint64_t due = m_queue.begin()->first.first;
        lock.unlock();
        uint64_t now = Now();
        lock.lock();
        if (due > now) {
            m_wake.wait_for(lock, std::chrono::milliseconds(due - now));
            continue;
        }
        Task task = std::move(m_queue.begin()->second);
        m_queue.erase(m_queue.begin());
        lock.unlock();
        task();
        lock.lock();
    }
}

void Dispatcher::Stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    if (m_thread.joinable() && std::this_thread::get_id() != m_thread.get_id()) {
        m_thread.join();
    }
}

} // namespace skyvane
