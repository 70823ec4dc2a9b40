// Named mutexes and events inside one process: enough to test single-instance and watcher logic, with
// two FakeNamedObjects sharing one namespace standing for two processes.
#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/NamedObjects.h"

namespace fakes {

class FakeNamespace {
public:
    // Every object of a namespace changes under one lock and announces it on one condition, so that a
    // wait for either of two objects sees both at once.
    struct Sync {
        std::mutex mutex;
        std::condition_variable changed;
    };
    struct State {
        bool isEvent = false;
        bool manualReset = true;
        bool signalled = false;
        bool owned = false;
    };
    std::shared_ptr<State> Get(const std::u16string& name, bool create, bool& existed);
    const std::shared_ptr<Sync>& sync() const { return m_sync; }

private:
    std::mutex m_mutex;
    std::map<std::u16string, std::weak_ptr<State>> m_objects;
    std::shared_ptr<Sync> m_sync = std::make_shared<Sync>();
};

class FakeNamedObjects final : public platform::NamedObjects {
public:
    explicit FakeNamedObjects(std::shared_ptr<FakeNamespace> ns = std::make_shared<FakeNamespace>())
        : m_namespace(std::move(ns)) {}
    platform::NamedObject CreateNamedMutex(std::u16string_view name, bool initiallyOwned) override;
    platform::NamedObject CreateNamedEvent(std::u16string_view name, bool manualReset,
                                           bool initiallySet) override;
    std::unique_ptr<platform::SyncObject> OpenNamedEvent(std::u16string_view name) override;
    std::unique_ptr<platform::SyncObject> CreateLocalEvent(bool manualReset, bool initiallySet) override;
    platform::EitherResult WaitForEither(platform::SyncObject& first, platform::SyncObject& second,
                                         uint32_t milliseconds) override;

    std::shared_ptr<FakeNamespace> Namespace() const { return m_namespace; }

private:
    std::shared_ptr<FakeNamespace> m_namespace;
};

} // namespace fakes
