#pragma once

#include "platform/CommandRunner.h"

namespace platform::win32 {

// Runs the child with a console that has no window (CREATE_NO_WINDOW), its standard output and error
// on one inheritable pipe and its input on NUL, inside a job object so that ending it also ends the
// programs it started (cmd.exe runs each command as a child of its own, which holds the pipe too).
class WinCommandRunner final : public CommandRunner {
public:
    std::unique_ptr<RunningCommand> Start(std::u16string_view commandLine) override;
};

} // namespace platform::win32
