// The main window's three workers (connect, profile fallback, refresh) and their threads. The window
// makes them when it has a Poster, starts the threads in the program and stops them when it goes;
// tests call the steps themselves.
#pragma once

#include <functional>
#include <memory>

#include "kernel/IWirelessKernel.h"
#include "mainwnd/ConnectWorker.h"
#include "mainwnd/ProfileFallback.h"
#include "mainwnd/RefreshPoller.h"
#include "mainwnd/WorkerThread.h"
#include "platform/Clock.h"
#include "ui/Poster.h"

namespace mainwnd {

// What the workers reach of the window's side.
struct WorkerLinks {
    ui::Poster window;
    std::function<bool()> busy;
    std::function<bool()> pushButtonRunActive; // may be empty: no WPS run yet
};

class MainWindowWorkers {
public:
    explicit MainWindowWorkers(platform::Clock& clock);
    ~MainWindowWorkers();
    MainWindowWorkers(const MainWindowWorkers&) = delete;
    MainWindowWorkers& operator=(const MainWindowWorkers&) = delete;

    // Makes the workers; before this only the requests exist.
    void Connect(WorkerLinks links);
    void StartThreads();
    // Stops and joins the threads; the workers stay for the window's last calls.
    void StopThreads();

    ConnectRequests& Requests() { return m_requests; }
    ConnectWorker& Connector() { return *m_connect; }
    ProfileFallback& Fallback() { return *m_fallback; }
    RefreshPoller& Poller() { return *m_poller; }
    bool Connected() const { return m_poller != nullptr; }

private:
    platform::Clock& m_clock;
    ConnectRequests m_requests;
    std::unique_ptr<ConnectWorker> m_connect;
    std::unique_ptr<ProfileFallback> m_fallback;
    std::unique_ptr<RefreshPoller> m_poller;
    // Declared after the workers they call, so they go first.
    std::unique_ptr<WorkerThread> m_connectThread;
    std::unique_ptr<WorkerThread> m_fallbackThread;
    std::unique_ptr<WorkerThread> m_pollerThread;
};

} // namespace mainwnd
