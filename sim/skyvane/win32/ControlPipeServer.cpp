#include "skyvane/win32/ControlPipeServer.h"

#include <cstring>
#include <vector>

#include "base/Trace.h"
#include "platform/win32/WinText.h"

namespace skyvane::win32 {

using platform::win32::W;

namespace {

constexpr DWORD kBufferBytes = 64 * 1024;
constexpr DWORD kMaxCommandBytes = 64 * 1024;

HANDLE CreateInstance(const std::u16string& name, bool first) {
    DWORD openMode = PIPE_ACCESS_DUPLEX | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
    return CreateNamedPipeW(W(name), openMode, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                            PIPE_UNLIMITED_INSTANCES, kBufferBytes, kBufferBytes, 0, nullptr);
}

} // namespace

bool ControlPipeServer::Start(const std::u16string& pipeName, Handler handler) {
    m_name = pipeName;
    m_handler = std::move(handler);
    // The first instance decides who owns the name: a second process that loads the library (a test next
    // to the utility) must not answer commands meant for the first.
    m_first = CreateInstance(m_name, true);
    if (m_first == INVALID_HANDLE_VALUE) {
        base::Trace(u"Skyvane: control pipe " + m_name + u" is served by another process");
        return false;
    }
    m_thread = std::thread([this] { Serve(); });
    // Lives as long as the process: the library is never unloaded.
    m_thread.detach();
    return true;
}

void ControlPipeServer::Serve() {
    HANDLE pipe = m_first;
    for (;;) {
        if (pipe == INVALID_HANDLE_VALUE) {
            pipe = CreateInstance(m_name, false);
            if (pipe == INVALID_HANDLE_VALUE) {
                Sleep(200);
                continue;
            }
        }
        if (ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED) {
            // Each client on its own thread: one that connects and never writes must not keep the next
            // command (or the test waiting for it) out.
            std::thread([this, pipe] { Answer(pipe); }).detach();
        } else {
            CloseHandle(pipe);
        }
        pipe = INVALID_HANDLE_VALUE;
    }
}

void ControlPipeServer::Answer(HANDLE pipe) {
    std::vector<char> request;
    std::vector<char> chunk(4096);
    bool complete = false;
    while (request.size() <= kMaxCommandBytes) {
        DWORD got = 0;
        BOOL ok = ReadFile(pipe, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr);
        request.insert(request.end(), chunk.begin(), chunk.begin() + got);
        if (ok) {
            complete = true;
            break;
        }
        if (GetLastError() != ERROR_MORE_DATA) {
            break;
        }
    }
    if (complete && request.size() <= kMaxCommandBytes) {
        std::u16string command(request.size() / 2, u'\0');
        std::memcpy(command.data(), request.data(), command.size() * 2);
        while (!command.empty() && command.back() == 0) {
            command.pop_back();
        }
        std::u16string answer = m_handler(command);
        DWORD written = 0;
        WriteFile(pipe, answer.data(), static_cast<DWORD>(answer.size() * 2), &written, nullptr);
        FlushFileBuffers(pipe);
    }
    DisconnectNamedPipe(pipe);
    CloseHandle(pipe);
}

} // namespace skyvane::win32
