// A program started under this test as its debugger, so that the test reads the program's diagnostic
// lines (OutputDebugString) as they come: the only outside view of what the program decided where
// nothing on the screen can be read back, such as which icon it gave the notification area.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace wineprogram {

class DebuggedProgram {
public:
    DebuggedProgram(std::wstring exe, std::wstring arguments) {
        // Debug events go to the thread that created the process, so that thread runs the whole life.
        m_thread = std::thread(
            [this, exe = std::move(exe), arguments = std::move(arguments)] { Run(exe, arguments); });
        std::unique_lock lock(m_mutex);
        m_startedOrFailed.wait_for(lock, std::chrono::seconds(30),
                                   [this] { return m_state != State::Starting; });
    }
    ~DebuggedProgram() {
        if (Running()) {
            std::lock_guard lock(m_mutex);
            TerminateProcess(m_process, 99);
        }
        m_thread.join();
    }
    DebuggedProgram(const DebuggedProgram&) = delete;
    DebuggedProgram& operator=(const DebuggedProgram&) = delete;

    bool started() {
        std::lock_guard lock(m_mutex);
        return m_state != State::Failed;
    }
    bool Running() {
        std::lock_guard lock(m_mutex);
        return m_state == State::Running;
    }
    // The exit code, or -1 when it does not end in time.
    int Wait(int milliseconds) {
        std::unique_lock lock(m_mutex);
        if (!m_startedOrFailed.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] {
                return m_state == State::Ended || m_state == State::Failed;
            })) {
            return -1;
        }
        return static_cast<int>(m_exitCode);
    }
    // Every line so far that contains `text`.
    int CountLines(const std::string& text) {
        std::lock_guard lock(m_mutex);
        int count = 0;
        for (const std::string& line : m_lines) {
            count += line.find(text) != std::string::npos ? 1 : 0;
        }
        return count;
    }
    std::string AllLines() {
        std::lock_guard lock(m_mutex);
        std::string all;
        for (const std::string& line : m_lines) {
            all += line;
        }
        return all;
    }

private:
    enum class State { Starting, Running, Ended, Failed };

    void Run(const std::wstring& exe, std::wstring arguments) {
        std::wstring command = L"\"" + exe + L"\" " + arguments;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                            nullptr, nullptr, &si, &info)) {
            Finish(State::Failed, 0);
            return;
        }
        CloseHandle(info.hThread);
        {
            std::lock_guard lock(m_mutex);
            m_process = info.hProcess;
            m_state = State::Running;
        }
        m_startedOrFailed.notify_all();
        DEBUG_EVENT event{};
        for (;;) {
            if (!WaitForDebugEvent(&event, 100)) {
                continue;
            }
            DWORD answer = DBG_CONTINUE;
            switch (event.dwDebugEventCode) {
            case OUTPUT_DEBUG_STRING_EVENT:
                ReadLine(event.u.DebugString);
                break;
            case EXCEPTION_DEBUG_EVENT:
                // The program's own exceptions are its business; only the loader's breakpoint is ours.
                if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
                    answer = DBG_EXCEPTION_NOT_HANDLED;
                }
                break;
            case LOAD_DLL_DEBUG_EVENT:
                if (event.u.LoadDll.hFile != nullptr) {
                    CloseHandle(event.u.LoadDll.hFile);
                }
                break;
            case CREATE_PROCESS_DEBUG_EVENT:
                if (event.u.CreateProcessInfo.hFile != nullptr) {
                    CloseHandle(event.u.CreateProcessInfo.hFile);
                }
                break;
            default:
                break;
            }
            if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) {
                DWORD code = event.u.ExitProcess.dwExitCode;
                ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
                Finish(State::Ended, code);
                return;
            }
            ContinueDebugEvent(event.dwProcessId, event.dwThreadId, answer);
        }
    }

    void ReadLine(const OUTPUT_DEBUG_STRING_INFO& info) {
        std::string line;
        SIZE_T got = 0;
        if (info.fUnicode) {
            std::wstring wide(info.nDebugStringLength, L'\0');
            ReadProcessMemory(m_process, info.lpDebugStringData, wide.data(), wide.size() * sizeof(wchar_t),
                              &got);
            wide.resize(got / sizeof(wchar_t));
            line.assign(wide.begin(), wide.end()); // the program's diagnostics are ASCII
        } else {
            line.resize(info.nDebugStringLength);
            ReadProcessMemory(m_process, info.lpDebugStringData, line.data(), line.size(), &got);
            line.resize(got);
        }
        std::lock_guard lock(m_mutex);
        m_lines.push_back(std::move(line));
    }

    void Finish(State state, DWORD code) {
        {
            std::lock_guard lock(m_mutex);
            m_state = state;
            m_exitCode = code;
            if (m_process != nullptr) {
                CloseHandle(m_process);
                m_process = nullptr;
            }
        }
        m_startedOrFailed.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_startedOrFailed;
    State m_state = State::Starting;
    HANDLE m_process = nullptr;
    DWORD m_exitCode = 0;
    std::vector<std::string> m_lines;
    std::thread m_thread;
};

} // namespace wineprogram
