// WpsAbort may block inside the service, so a process page calls it on a thread of its own and keeps
// handling its window meanwhile. The page joins the thread before it goes: nothing is left running
// and nothing is ever terminated.
#pragma once

#include <atomic>
#include <thread>

#include "kernel/INotificationReceiver.h"
#include "kernel/IWirelessKernel.h"

namespace wps {

class AbortWorker {
public:
    AbortWorker() = default;
    ~AbortWorker() { Join(); }
    AbortWorker(const AbortWorker&) = delete;
    AbortWorker& operator=(const AbortWorker&) = delete;

    // Calls kernel->WpsAbort() once on a new thread; later calls do nothing.
    void Start(kernel::IWirelessKernel* kernel);
    bool Started() const { return m_started; }
    void Join();

private:
    std::thread m_thread;
    bool m_started = false;
};

// The service's side of a process page that closes: after a success the page stops listening and then
// the exchange; otherwise the adapter lets go of the network first and the page listens until the
// exchange has stopped (Disconnect, WpsStop, RemoveReceiver). Nothing when the service is missing.
void EndExchange(kernel::IWirelessKernel* service, kernel::INotificationReceiver& page, bool succeeded);

} // namespace wps
