// Console commands from a script: each known command line gives its chunks of output in order, and
// then ends, or hangs until it is ended, or waits until the test releases it. A command line the
// script does not know cannot be started.
#pragma once

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/CommandRunner.h"

namespace fakes {

struct ScriptedCommand {
    std::vector<std::vector<uint8_t>> chunks;
    // After its chunks: false ends the output, true keeps it open until End.
    bool hangs = false;
    // Before its chunks: waits until FakeCommandRunner::Release (or End).
    bool gated = false;
};

class FakeCommandRunner final : public platform::CommandRunner {
public:
    std::unique_ptr<platform::RunningCommand> Start(std::u16string_view commandLine) override {
        std::lock_guard lock(m_state->mutex);
        m_state->started.emplace_back(commandLine);
        auto it = commands.find(std::u16string(commandLine));
        if (it == commands.end()) {
            return nullptr;
        }
        return std::make_unique<Running>(it->second, m_state);
    }

    // Lets every gated command go on.
    void Release() {
        std::lock_guard lock(m_state->mutex);
        m_state->released = true;
        m_state->wake.notify_all();
    }
    std::vector<std::u16string> Started() const {
        std::lock_guard lock(m_state->mutex);
        return m_state->started;
    }
    int EndCalls() const { return m_state->ends; }
    // Whether a command's reader waits in Read for something only End or Release brings: the moment a
    // clock may move on without outrunning output that is on its way.
    bool ReaderWaiting() const { return m_state->waiting > 0; }

    std::map<std::u16string, ScriptedCommand> commands;

private:
    struct State {
        mutable std::mutex mutex;
        std::condition_variable wake;
        std::vector<std::u16string> started;
        bool released = false;
        std::atomic<int> ends{0};
        std::atomic<int> waiting{0};
    };

    class Running final : public platform::RunningCommand {
    public:
        Running(ScriptedCommand script, std::shared_ptr<State> state)
            : m_script(std::move(script)), m_state(std::move(state)) {}
        std::vector<uint8_t> Read(size_t maxBytes) override {
            std::unique_lock lock(m_state->mutex);
            if (m_script.gated) {
                Wait(lock, [&] { return m_state->released || m_ended; });
            }
            if (!m_ended && m_next < m_script.chunks.size()) {
                std::vector<uint8_t> chunk = m_script.chunks[m_next++];
                if (chunk.size() > maxBytes) {
                    chunk.resize(maxBytes); // a script error: the caller asked for less
                }
                return chunk;
            }
            if (m_script.hangs) {
                Wait(lock, [&] { return m_ended; });
            }
            return {};
        }
        void End() override {
            std::lock_guard lock(m_state->mutex);
            m_ended = true;
            Uncount();
            ++m_state->ends;
            m_state->wake.notify_all();
        }

    private:
        template <class Done> void Wait(std::unique_lock<std::mutex>& lock, Done done) {
            ++m_state->waiting;
            m_counted = true;
            m_state->wake.wait(lock, done);
            Uncount();
        }
        // End takes the reader off the count at once: it is no longer waiting for time, even before its
        // thread wakes up.
        void Uncount() {
            if (m_counted) {
                --m_state->waiting;
                m_counted = false;
            }
        }

        ScriptedCommand m_script;
        std::shared_ptr<State> m_state;
        size_t m_next = 0;
        bool m_ended = false;
        bool m_counted = false;
    };

    std::shared_ptr<State> m_state = std::make_shared<State>();
};

} // namespace fakes
