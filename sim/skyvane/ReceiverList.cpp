#include "skyvane/ReceiverList.h"

#include <algorithm>

namespace skyvane {

bool ReceiverList::Add(kernel::INotificationReceiver* receiver) {
    if (receiver == nullptr) {
        return false;
    }
    std::lock_guard lock(m_mutex);
    if (std::find(m_receivers.begin(), m_receivers.end(), receiver) != m_receivers.end()) {
        return false;
    }
    m_receivers.push_back(receiver);
    return true;
}

bool ReceiverList::Remove(kernel::INotificationReceiver* receiver) {
    std::unique_lock lock(m_mutex);
    auto it = std::find(m_receivers.begin(), m_receivers.end(), receiver);
    if (it == m_receivers.end()) {
        return false;
    }
    m_receivers.erase(it);
    // A receiver usually removes itself before it is destroyed; waiting here keeps a call in progress on
    // the library's thread from running into freed memory.
    if (std::this_thread::get_id() == m_deliveringThread) {
        return true;
    }
    if (m_waitStep) {
        std::function<void()> step = m_waitStep;
        while (m_inCall == receiver) {
            lock.unlock();
            step();
            lock.lock();
        }
    } else {
        m_idle.wait(lock, [&] { return m_inCall != receiver; });
    }
    return true;
}

std::function<void()> ReceiverList::WaitStep() const {
    std::lock_guard lock(m_mutex);
    return m_waitStep;
}

void ReceiverList::SetWaitStep(std::function<void()> step) {
    std::lock_guard lock(m_mutex);
    m_waitStep = std::move(step);
}

size_t ReceiverList::Count() const {
    std::lock_guard lock(m_mutex);
    return m_receivers.size();
}

void ReceiverList::CallOne(kernel::INotificationReceiver* receiver,
                           const std::function<void(kernel::INotificationReceiver&)>& event) {
    {
        std::lock_guard lock(m_mutex);
        // Removed by an earlier receiver of this same event, or from another thread meanwhile.
        if (std::find(m_receivers.begin(), m_receivers.end(), receiver) == m_receivers.end()) {
            return;
        }
        m_inCall = receiver;
        m_deliveringThread = std::this_thread::get_id();
    }
    event(*receiver);
    {
        std::lock_guard lock(m_mutex);
        m_inCall = nullptr;
    }
    m_idle.notify_all();
}

void ReceiverList::Deliver(const std::function<void(kernel::INotificationReceiver&)>& event) {
    std::vector<kernel::INotificationReceiver*> snapshot;
    {
        std::lock_guard lock(m_mutex);
        snapshot = m_receivers;
    }
    for (kernel::INotificationReceiver* receiver : snapshot) {
        CallOne(receiver, event);
    }
}

void ReceiverList::DeliverTo(kernel::INotificationReceiver* receiver,
                             const std::function<void(kernel::INotificationReceiver&)>& event) {
    CallOne(receiver, event);
}

} // namespace skyvane
