#include "wps/WpsAbortWorker.h"

namespace wps {

void AbortWorker::Start(kernel::IWirelessKernel* kernel) {
    if (m_started || kernel == nullptr) {
        return;
    }
    m_started = true;
    m_thread = std::thread([kernel] { kernel->WpsAbort(); });
}

void AbortWorker::Join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void EndExchange(kernel::IWirelessKernel* service, kernel::INotificationReceiver& page, bool succeeded) {
    if (service == nullptr) {
        return;
    }
    if (succeeded) {
        service->RemoveReceiver(&page);
        service->WpsStop();
    } else {
        service->Disconnect();
        service->WpsStop();
        service->RemoveReceiver(&page);
    }
}

} // namespace wps
