// Records every start instead of starting anything; the process list is whatever the test puts in it.
#pragma once

#include <string>
#include <vector>

#include "platform/Processes.h"

namespace fakes {

class FakeProcesses final : public platform::Processes {
public:
    struct Started {
        std::u16string how; // "start", "shell" or "exec"
        std::u16string verb;
        std::u16string file;
        std::u16string parameters;
        std::u16string folder;
        bool hidden = false;
    };

    uint32_t Start(std::u16string_view program, std::u16string_view commandLine) override {
        started.push_back({u"start", u"", std::u16string(program), std::u16string(commandLine), u"", false});
        return failStarts ? 0 : nextId++;
    }
    bool StartHidden(std::u16string_view verb, std::u16string_view file, std::u16string_view parameters,
                     std::u16string_view folder) override {
        started.push_back({u"shell", std::u16string(verb), std::u16string(file), std::u16string(parameters),
                           std::u16string(folder), true});
        return !failStarts;
    }
    bool Exec(std::u16string_view commandLine, bool show) override {
        started.push_back({u"exec", u"", u"", std::u16string(commandLine), u"", !show});
        return !failStarts;
    }
    std::vector<platform::ProcessInfo> Snapshot() override { return running; }
    bool Terminate(uint32_t processId, uint32_t exitCode) override {
        terminated.push_back({processId, exitCode});
        return true;
    }
    uint32_t CurrentProcessId() override { return currentId; }

    std::vector<Started> started;
    std::vector<platform::ProcessInfo> running;
    std::vector<std::pair<uint32_t, uint32_t>> terminated;
    bool failStarts = false;
    uint32_t nextId = 5000;
    uint32_t currentId = 4000;
};

} // namespace fakes
