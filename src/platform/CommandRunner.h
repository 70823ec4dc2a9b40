// Console commands whose output the program collects (the system-information report). The child never
// shows a console window; what it writes to standard output and standard error arrives as bytes in the
// console's OEM code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace platform {

// A started command. Read and End may be called from different threads: End is how a reader blocked in
// Read gets its answer when the child hangs.
class RunningCommand {
public:
    virtual ~RunningCommand() = default;
    // The next bytes of output, at most `maxBytes`; waits until some arrive. Empty once the output has
    // ended: the child and everything it started have closed it, or End ended them.
    virtual std::vector<uint8_t> Read(size_t maxBytes) = 0;
    // Ends the child and every process it started; a Read waiting in another thread returns.
    virtual void End() = 0;
};

class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    // Starts `commandLine` (run as it is, no shell added); null when it cannot be started.
    virtual std::unique_ptr<RunningCommand> Start(std::u16string_view commandLine) = 0;
};

} // namespace platform
