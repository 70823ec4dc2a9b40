#include "fakes/FakeNamedObjects.h"

#include <chrono>

namespace fakes {
namespace {

class FakeObject final : public platform::SyncObject {
public:
    explicit FakeObject(std::shared_ptr<FakeNamespace::State> state) : m_state(std::move(state)) {}

    bool Set() override {
        std::lock_guard lock(m_state->mutex);
        m_state->signalled = true;
        m_state->changed.notify_all();
        return m_state->isEvent;
    }
    bool Reset() override {
        std::lock_guard lock(m_state->mutex);
        m_state->signalled = false;
        return m_state->isEvent;
    }
    bool Release() override {
        std::lock_guard lock(m_state->mutex);
        if (m_state->isEvent || !m_state->owned) {
            return false;
        }
        m_state->owned = false;
        m_state->changed.notify_all();
        return true;
    }
    platform::WaitResult Wait(uint32_t milliseconds) override {
        std::unique_lock lock(m_state->mutex);
        auto ready = [&] { return m_state->isEvent ? m_state->signalled : !m_state->owned; };
        bool ok = true;
        if (milliseconds == platform::kInfinite) {
            m_state->changed.wait(lock, ready);
        } else {
            ok = m_state->changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ready);
        }
        if (!ok) {
            return platform::WaitResult::TimedOut;
        }
        if (m_state->isEvent && !m_state->manualReset) {
            m_state->signalled = false;
        } else if (!m_state->isEvent) {
            m_state->owned = true;
        }
        return platform::WaitResult::Signalled;
    }

private:
    std::shared_ptr<FakeNamespace::State> m_state;
};

} // namespace

std::shared_ptr<FakeNamespace::State> FakeNamespace::Get(const std::u16string& name, bool create,
                                                         bool& existed) {
    std::lock_guard lock(m_mutex);
    auto it = m_objects.find(name);
    if (it != m_objects.end()) {
        if (auto state = it->second.lock()) {
            existed = true;
            return state;
        }
    }
    existed = false;
    if (!create) {
        return nullptr;
    }
    auto state = std::make_shared<State>();
    m_objects[name] = state;
    return state;
}

platform::NamedObject FakeNamedObjects::CreateNamedMutex(std::u16string_view name, bool initiallyOwned) {
    bool existed = false;
    auto state = m_namespace->Get(std::u16string(name), true, existed);
    if (!existed) {
        state->owned = initiallyOwned;
    }
    return {std::make_unique<FakeObject>(state), existed};
}

platform::NamedObject FakeNamedObjects::CreateNamedEvent(std::u16string_view name, bool manualReset,
                                                         bool initiallySet) {
    bool existed = false;
    auto state = m_namespace->Get(std::u16string(name), true, existed);
    if (!existed) {
        state->isEvent = true;
        state->manualReset = manualReset;
        state->signalled = initiallySet;
    }
    return {std::make_unique<FakeObject>(state), existed};
}

std::unique_ptr<platform::SyncObject> FakeNamedObjects::OpenNamedEvent(std::u16string_view name) {
    bool existed = false;
    auto state = m_namespace->Get(std::u16string(name), false, existed);
    if (!state || !state->isEvent) {
        return nullptr;
    }
    return std::make_unique<FakeObject>(state);
}

} // namespace fakes
