#include "mainwnd/MainWindowWorkers.h"

namespace mainwnd {

MainWindowWorkers::MainWindowWorkers(platform::Clock& clock) : m_clock(clock) {}

MainWindowWorkers::~MainWindowWorkers() {
    StopThreads();
}

void MainWindowWorkers::Connect(WorkerLinks links) {
    std::function<bool()> pushButton = links.pushButtonRunActive;
    if (!pushButton) {
        pushButton = [] { return false; };
    }
    m_connect = std::make_unique<ConnectWorker>(m_requests, ProgramConnectSources(links.window));
    m_fallback = std::make_unique<ProfileFallback>(m_requests, m_clock,
                                                   ProgramFallbackSources(links.busy, pushButton));
    m_poller = std::make_unique<RefreshPoller>(links.window);
}

void MainWindowWorkers::StartThreads() {
    if (!Connected() || m_connectThread) {
        return;
    }
    m_connectThread = std::make_unique<WorkerThread>([this] { return m_connect->Step(); });
    m_fallbackThread = std::make_unique<WorkerThread>([this] { return m_fallback->Step(); });
    m_pollerThread = std::make_unique<WorkerThread>([this] { return m_poller->Step(); });
    m_connectThread->Start();
    m_fallbackThread->Start();
    m_pollerThread->Start();
}

void MainWindowWorkers::StopThreads() {
    for (auto* thread : {&m_connectThread, &m_fallbackThread, &m_pollerThread}) {
        if (*thread) {
            (*thread)->Stop();
        }
    }
}

} // namespace mainwnd
