// A service control manager with one scripted service: whether it can be opened, after how many status
// queries it runs, and whether starting it works. Sleeping goes through the test's FakeClock.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ServiceManager.h"

namespace fakes {

class FakeServiceManager final : public platform::ServiceManager {
public:
    struct Script {
        bool installed = true;       // false: opening fails
        bool openFails = false;      // the manager itself cannot be opened
        int runningAfterQueries = 0; // -1: never runs by itself; 0: runs from the first query
        bool startSucceeds = true;
        int runningAfterStartQueries = 0; // after a successful start; -1: never
    };

    std::unique_ptr<platform::Service> Open(std::u16string_view name, bool manage) override {
        opened.push_back(std::u16string(name));
        openedManaged.push_back(manage);
        if (script.openFails || !script.installed) {
            return nullptr;
        }
        return std::make_unique<FakeService>(*this);
    }

    Script script;
    std::vector<std::u16string> opened;
    std::vector<bool> openedManaged;
    int queries = 0;
    int starts = 0;
    int closes = 0;

private:
    class FakeService final : public platform::Service {
    public:
        explicit FakeService(FakeServiceManager& owner) : m_owner(owner) {}
        ~FakeService() override { ++m_owner.closes; }
        bool IsRunning() override {
            ++m_owner.queries;
            ++m_queries;
            if (m_started) {
                ++m_queriesSinceStart;
                int after = m_owner.script.runningAfterStartQueries;
                return after >= 0 && m_queriesSinceStart > after;
            }
            int after = m_owner.script.runningAfterQueries;
            return after >= 0 && m_queries > after;
        }
        bool Start() override {
            ++m_owner.starts;
            m_started = m_owner.script.startSucceeds;
            return m_started;
        }

    private:
        FakeServiceManager& m_owner;
        int m_queries = 0;
        int m_queriesSinceStart = 0;
        bool m_started = false;
    };
};

} // namespace fakes
