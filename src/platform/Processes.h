// Starting, listing and ending processes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ProcessInfo {
    uint32_t id = 0;
    std::u16string exeName; // file name only, as the process snapshot reports it
};

class Processes {
public:
    virtual ~Processes() = default;

    // Starts a program with a command line (program path quoted by the caller as needed); returns the
    // process id, 0 on failure. The program is not waited for.
    virtual uint32_t Start(std::u16string_view program, std::u16string_view commandLine) = 0;
    // Shell start with a verb ("open"), parameters and an optional working folder, window hidden.
    virtual bool StartHidden(std::u16string_view verb, std::u16string_view file,
                             std::u16string_view parameters, std::u16string_view workingFolder) = 0;
    // Runs a command line as the old WinExec does (the program and its arguments in one text).
    virtual bool Exec(std::u16string_view commandLine, bool show) = 0;
    virtual std::vector<ProcessInfo> Snapshot() = 0;
    virtual bool Terminate(uint32_t processId, uint32_t exitCode) = 0;
    virtual uint32_t CurrentProcessId() = 0;
};

} // namespace platform
