#include "mainwnd/WorkerThread.h"

#include <chrono>

namespace mainwnd {

WorkerThread::WorkerThread(StepFunction step) : m_step(std::move(step)) {}

WorkerThread::~WorkerThread() {
    Stop();
}

void WorkerThread::Start() {
    std::lock_guard lock(m_mutex);
    if (m_thread.joinable() || m_stop || !m_step) {
        return;
    }
    m_thread = std::thread([this] { Run(); });
}

void WorkerThread::Stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    std::lock_guard join(m_joinMutex);
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id()) {
        m_thread.join();
    }
}

void WorkerThread::Run() {
    for (;;) {
        {
            std::lock_guard lock(m_mutex);
            if (m_stop) {
                return;
            }
        }
        uint32_t wait = m_step();
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, std::chrono::milliseconds(wait), [this] { return m_stop; })) {
            return;
        }
    }
}

} // namespace mainwnd
