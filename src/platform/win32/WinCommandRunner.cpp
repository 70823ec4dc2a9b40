#include "platform/win32/WinCommandRunner.h"

#include <windows.h>

#include <string>

namespace platform::win32 {
namespace {

class WinRunningCommand final : public RunningCommand {
public:
    WinRunningCommand(HANDLE process, HANDLE job, HANDLE output)
        : m_process(process), m_job(job), m_output(output) {}
    ~WinRunningCommand() override {
        // Closing the job ends whatever is still running in it (kill on close).
        CloseHandle(m_output);
        if (m_job != nullptr) {
            CloseHandle(m_job);
        }
        CloseHandle(m_process);
    }
    WinRunningCommand(const WinRunningCommand&) = delete;
    WinRunningCommand& operator=(const WinRunningCommand&) = delete;

    std::vector<uint8_t> Read(size_t maxBytes) override {
        std::vector<uint8_t> bytes(maxBytes);
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(m_output, bytes.data(), static_cast<DWORD>(maxBytes), &got, nullptr)) {
                return {}; // broken pipe: every writer is gone
            }
            if (got > 0) {
                bytes.resize(got);
                return bytes;
            }
            // A zero-length write is not the end of the output.
        }
    }

    void End() override {
        // Every process of the job goes, so the last writer of the pipe closes and a waiting Read returns.
        if (m_job == nullptr || !TerminateJobObject(m_job, 1)) {
            TerminateProcess(m_process, 1);
        }
    }

private:
    HANDLE m_process;
    HANDLE m_job;
    HANDLE m_output;
};

HANDLE KillOnCloseJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr) {
        return nullptr;
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

} // namespace

std::unique_ptr<RunningCommand> WinCommandRunner::Start(std::u16string_view commandLine) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        return nullptr;
    }
    // Only the child's end is inherited; a child holding the read end would keep the pipe open.
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    // A command that asks for input reads the end of NUL instead of waiting for ever.
    HANDLE input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                               OPEN_EXISTING, 0, nullptr);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = input != INVALID_HANDLE_VALUE ? input : nullptr;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    std::wstring line(commandLine.begin(), commandLine.end()); // CreateProcessW may write to it
    PROCESS_INFORMATION child{};
    BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE,
                                  CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr, nullptr, &startup, &child);
    CloseHandle(writeEnd);
    if (input != INVALID_HANDLE_VALUE) {
        CloseHandle(input);
    }
    if (!started) {
        CloseHandle(readEnd);
        return nullptr;
    }
    // In the job before it runs, so nothing it starts can be outside.
    HANDLE job = KillOnCloseJob();
    if (job != nullptr && !AssignProcessToJobObject(job, child.hProcess)) {
        CloseHandle(job);
        job = nullptr;
    }
    ResumeThread(child.hThread);
    CloseHandle(child.hThread);
    return std::make_unique<WinRunningCommand>(child.hProcess, job, readEnd);
}

} // namespace platform::win32
