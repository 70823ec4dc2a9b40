#pragma once

#include "platform/Processes.h"

namespace platform::win32 {

class WinProcesses final : public Processes {
public:
    uint32_t Start(std::u16string_view program, std::u16string_view commandLine) override;
    bool StartHidden(std::u16string_view verb, std::u16string_view file, std::u16string_view parameters,
                     std::u16string_view workingFolder) override;
    bool Exec(std::u16string_view commandLine, bool show) override;
    std::vector<ProcessInfo> Snapshot() override;
    bool Terminate(uint32_t processId, uint32_t exitCode) override;
    uint32_t CurrentProcessId() override;
};

} // namespace platform::win32
