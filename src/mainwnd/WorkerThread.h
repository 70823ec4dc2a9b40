// A thread that calls a step function until it is stopped. The step returns how long to wait before
// the next round; Stop ends that wait at once, so stopping never waits out a poll period.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace mainwnd {

class WorkerThread {
public:
    // Returns the milliseconds until the next round.
    using StepFunction = std::function<uint32_t()>;

    explicit WorkerThread(StepFunction step);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts the thread; nothing once it runs or after Stop.
    void Start();
    // Ends the current wait, lets a running step finish and joins the thread. Safe to call more than
    // once; from inside the step it only asks the thread to end.
    void Stop();
    bool Running() const { return m_thread.joinable(); }

private:
    void Run();

    StepFunction m_step;
    std::mutex m_mutex;     // m_stop and the wait
    std::mutex m_joinMutex; // two threads stopping at once join only once
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace mainwnd
