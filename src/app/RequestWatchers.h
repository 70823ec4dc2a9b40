// The two threads through which another process reaches the running copy: the close request (a copy
// started with "-C") and the show request. A watcher never touches a window: it posts to the main
// window through the Poster the window registered, and the window acts on its own thread. Clean-up
// joins the watchers while the main window's thread pumps no messages, so anything that waited for that
// thread (showing a window from here does) would hang the process for good.
//
// Each watcher is a step function. Its thread calls Step without a time-out; tests call it with 0 and
// a fake clock. Every wait is on the named request event and the watcher's own wake event together, so
// Stop ends a wait at once.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "platform/Clock.h"
#include "platform/NamedObjects.h"
#include "ui/Poster.h"

class RequestWatcher {
public:
    // The main window as it is now; a Poster that reaches nothing while there is none.
    using MainWindowSource = std::function<ui::Poster()>;

    virtual ~RequestWatcher();
    RequestWatcher(const RequestWatcher&) = delete;
    RequestWatcher& operator=(const RequestWatcher&) = delete;

    // One round: waits at most `milliseconds` for something to do and does it. False once the watcher
    // has nothing more to do: stopped, its request handled for good, or its wait failed.
    virtual bool Step(uint32_t milliseconds) = 0;

    // Calls Step on a thread of its own until it returns false or Stop is called.
    void Start();
    // Ends the watcher's current wait at once and joins its thread. Safe to call more than once.
    void Stop();
    // The main window came or went: a request that waits for a window looks again.
    void Wake();
    bool Running() const { return m_thread.joinable(); }

protected:
    RequestWatcher(platform::NamedObjects& objects, platform::SyncObject& request,
                   MainWindowSource mainWindow);

    bool Stopping() const { return m_stop; }
    // The request event or a wake-up, whichever comes first.
    platform::EitherResult WaitForRequestOrWake(uint32_t milliseconds);
    // Only a wake-up: for a request that stays set while it cannot be served.
    void WaitForWake(uint32_t milliseconds);
    ui::Poster MainWindow() const { return m_mainWindow ? m_mainWindow() : ui::Poster(); }
    platform::SyncObject& Request() { return m_request; }

private:
    platform::NamedObjects& m_objects;
    platform::SyncObject& m_request;
    MainWindowSource m_mainWindow;
    std::unique_ptr<platform::SyncObject> m_wake; // auto-reset; set by Wake and Stop
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// CloseRequestEvent: once it is set and there is a main window, asks that window to run the exit
// sequence. The event stays set (the exit sequence ends the process) and one request is one message.
class CloseWatcher final : public RequestWatcher {
public:
    CloseWatcher(platform::NamedObjects& objects, platform::SyncObject& closeEvent,
                 MainWindowSource mainWindow);
    ~CloseWatcher() override;
    bool Step(uint32_t milliseconds) override;
};

// ShowRequestEvent: once it is set and there is a main window, asks that window to show itself (the
// window leaves itself alone while it is busy); a second later the event is cleared for the next
// request.
class ShowWatcher final : public RequestWatcher {
public:
    // The outside process sets the event once per request; clearing it at once could lose a request
    // it sets again while the window is still coming up.
    static constexpr uint32_t kSettleMs = 1000;

    ShowWatcher(platform::NamedObjects& objects, platform::SyncObject& showEvent, MainWindowSource mainWindow,
                platform::Clock& clock);
    ~ShowWatcher() override;
    bool Step(uint32_t milliseconds) override;

private:
    platform::Clock& m_clock;
    bool m_settling = false; // only the stepping thread reads and writes these two
    uint32_t m_shownAt = 0;
};
