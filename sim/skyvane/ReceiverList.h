// The receivers added with AddReceiver, and delivery of one event to each of them. No lock is held while
// a receiver runs, so it may call any operation, RemoveReceiver included. Once RemoveReceiver returns, the
// receiver is never called again: a removal from another thread waits for a call in progress to finish.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "kernel/INotificationReceiver.h"

namespace skyvane {

class ReceiverList {
public:
    // False when the receiver is null or already added.
    bool Add(kernel::INotificationReceiver* receiver);
    // False when it was not added. Called on the delivering thread from inside a call, it returns at once.
    bool Remove(kernel::INotificationReceiver* receiver);
    size_t Count() const;

    // How a removing thread waits for a call in progress. The library on Windows services messages sent
    // to the waiting thread meanwhile: a handler that sends its window a message would otherwise wait
    // for the very thread that waits for it.
    void SetWaitStep(std::function<void()> step);
    std::function<void()> WaitStep() const;

    // Calls `event` for each receiver added before the call and not removed since.
    void Deliver(const std::function<void(kernel::INotificationReceiver&)>& event);
    // The same for one receiver only, when it is still added.
    void DeliverTo(kernel::INotificationReceiver* receiver,
                   const std::function<void(kernel::INotificationReceiver&)>& event);

private:
    void CallOne(kernel::INotificationReceiver* receiver,
                 const std::function<void(kernel::INotificationReceiver&)>& event);

    mutable std::mutex m_mutex;
    std::condition_variable m_idle;
    std::vector<kernel::INotificationReceiver*> m_receivers;
    kernel::INotificationReceiver* m_inCall = nullptr;
    std::thread::id m_deliveringThread;
    std::function<void()> m_waitStep;
};

} // namespace skyvane
