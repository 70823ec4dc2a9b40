// The control pipe of the simulated adapter: a message-mode named pipe served by its own thread, one
// command per connection (each answered on a thread of its own) with the text of RunControlCommand.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace skyvane::win32 {

class ControlPipeServer {
public:
    using Handler = std::function<std::u16string(std::u16string_view command)>;

    // Serves `pipeName` (\\.\pipe\...) when no other process serves it already; false otherwise.
    bool Start(const std::u16string& pipeName, Handler handler);

private:
    void Serve();
    void Answer(HANDLE pipe);

    std::u16string m_name;
    Handler m_handler;
    HANDLE m_first = INVALID_HANDLE_VALUE;
    std::thread m_thread;
};

} // namespace skyvane::win32
