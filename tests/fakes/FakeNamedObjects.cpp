#include "fakes/FakeNamedObjects.h"

#include <chrono>

namespace fakes {
namespace {

using State = FakeNamespace::State;
using Sync = FakeNamespace::Sync;

// Both called with the namespace's lock held.
bool Ready(const State& state) {
    return state.isEvent ? state.signalled : !state.owned;
}
void Take(State& state) {
    if (state.isEvent && !state.manualReset) {
        state.signalled = false;
    } else if (!state.isEvent) {
        state.owned = true;
    }
}

// Waits until `done` holds; false on time-out.
template <typename Done>
bool WaitUntil(Sync& sync, std::unique_lock<std::mutex>& lock, uint32_t milliseconds, Done done) {
    if (milliseconds == platform::kInfinite) {
        sync.changed.wait(lock, done);
        return true;
    }
    return sync.changed.wait_for(lock, std::chrono::milliseconds(milliseconds), done);
}

class FakeObject final : public platform::SyncObject {
public:
    FakeObject(std::shared_ptr<State> state, std::shared_ptr<Sync> sync)
        : m_state(std::move(state)), m_sync(std::move(sync)) {}

    bool Set() override {
        std::lock_guard lock(m_sync->mutex);
        m_state->signalled = true;
        m_sync->changed.notify_all();
        return m_state->isEvent;
    }
    bool Reset() override {
        std::lock_guard lock(m_sync->mutex);
        m_state->signalled = false;
        return m_state->isEvent;
    }
    bool Release() override {
        std::lock_guard lock(m_sync->mutex);
        if (m_state->isEvent || !m_state->owned) {
            return false;
        }
        m_state->owned = false;
        m_sync->changed.notify_all();
        return true;
    }
    platform::WaitResult Wait(uint32_t milliseconds) override {
        std::unique_lock lock(m_sync->mutex);
        if (!WaitUntil(*m_sync, lock, milliseconds, [&] { return Ready(*m_state); })) {
            return platform::WaitResult::TimedOut;
        }
        Take(*m_state);
        return platform::WaitResult::Signalled;
    }

    State& state() { return *m_state; }
    const std::shared_ptr<Sync>& sync() const { return m_sync; }

private:
    std::shared_ptr<State> m_state;
    std::shared_ptr<Sync> m_sync;
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
        std::lock_guard lock(m_namespace->sync()->mutex);
        state->owned = initiallyOwned;
    }
    return {std::make_unique<FakeObject>(state, m_namespace->sync()), existed};
}

platform::NamedObject FakeNamedObjects::CreateNamedEvent(std::u16string_view name, bool manualReset,
                                                         bool initiallySet) {
    bool existed = false;
    auto state = m_namespace->Get(std::u16string(name), true, existed);
    if (!existed) {
        std::lock_guard lock(m_namespace->sync()->mutex);
        state->isEvent = true;
        state->manualReset = manualReset;
        state->signalled = initiallySet;
    }
    return {std::make_unique<FakeObject>(state, m_namespace->sync()), existed};
}

std::unique_ptr<platform::SyncObject> FakeNamedObjects::OpenNamedEvent(std::u16string_view name) {
    bool existed = false;
    auto state = m_namespace->Get(std::u16string(name), false, existed);
    if (!state || !state->isEvent) {
        return nullptr;
    }
    return std::make_unique<FakeObject>(state, m_namespace->sync());
}

std::unique_ptr<platform::SyncObject> FakeNamedObjects::CreateLocalEvent(bool manualReset,
                                                                         bool initiallySet) {
    auto state = std::make_shared<State>();
    state->isEvent = true;
    state->manualReset = manualReset;
    state->signalled = initiallySet;
    return std::make_unique<FakeObject>(state, m_namespace->sync());
}

platform::EitherResult FakeNamedObjects::WaitForEither(platform::SyncObject& first,
                                                       platform::SyncObject& second, uint32_t milliseconds) {
    auto* a = dynamic_cast<FakeObject*>(&first);
    auto* b = dynamic_cast<FakeObject*>(&second);
    if (a == nullptr || b == nullptr || a->sync() != m_namespace->sync() ||
        b->sync() != m_namespace->sync()) {
        return platform::EitherResult::Failed;
    }
    Sync& sync = *m_namespace->sync();
    std::unique_lock lock(sync.mutex);
    if (!WaitUntil(sync, lock, milliseconds, [&] { return Ready(a->state()) || Ready(b->state()); })) {
        return platform::EitherResult::TimedOut;
    }
    if (Ready(a->state())) {
        Take(a->state());
        return platform::EitherResult::First;
    }
    Take(b->state());
    return platform::EitherResult::Second;
}

} // namespace fakes
