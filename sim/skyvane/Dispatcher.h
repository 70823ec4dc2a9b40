// The library's own thread: timed tasks run one after another in time order, with no lock of ours held,
// so an event handler may call straight back into the library. A manual mode runs the same queue on the
// caller's thread against a virtual clock, which is how the tests step through delays without sleeping.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace skyvane {

class Dispatcher {
public:
    using Task = std::function<void()>;
    enum class Mode { Threaded, Manual };

    explicit Dispatcher(Mode mode);
    ~Dispatcher();
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // Milliseconds on the dispatcher's clock (steady clock, or the virtual clock in manual mode).
    uint64_t Now() const;
    void Post(uint32_t delayMs, Task task);
    bool OnDispatcherThread() const;

    // Manual mode: moves the virtual clock forward, running every task that falls due on the way.
    void Advance(uint64_t milliseconds);
    // Manual mode: runs what is due now (tasks posted with delay 0).
    void RunDue() { Advance(0); }

    // Threaded mode: runs no further task and joins the thread.
    void Stop();

private:
    void Loop();

    const Mode m_mode;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::multimap<std::pair<uint64_t, uint64_t>, Task> m_queue; // (due, sequence) -> task
    uint64_t m_sequence = 0;
    uint64_t m_virtualNow = 0;
    bool m_stopping = false;
    std::thread::id m_runner;
    std::thread m_thread;
};

} // namespace skyvane
