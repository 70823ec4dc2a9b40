#include "platform/win32/WinText.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include "platform/win32/WinProcesses.h"

namespace platform::win32 {

uint32_t WinProcesses::Start(std::u16string_view program, std::u16string_view commandLine) {
    std::u16string app(program);
    std::u16string cmd(commandLine);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(app.empty() ? nullptr : W(app), reinterpret_cast<wchar_t*>(cmd.data()), nullptr,
                        nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        return 0;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return pi.dwProcessId;
}

bool WinProcesses::StartHidden(std::u16string_view verb, std::u16string_view file,
                               std::u16string_view parameters, std::u16string_view workingFolder) {
    std::u16string v(verb), f(file), p(parameters), d(workingFolder);
    HINSTANCE result =
        ShellExecuteW(nullptr, W(v), W(f), p.empty() ? nullptr : W(p), d.empty() ? nullptr : W(d), SW_HIDE);
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool WinProcesses::Exec(std::u16string_view commandLine, bool show) {
    // WinExec's behaviour on the wide API: the command line as one text, the window shown or hidden.
    std::u16string cmd(commandLine);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(show ? SW_SHOWNORMAL : SW_HIDE);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(cmd.data()), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        return false;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

std::vector<ProcessInfo> WinProcesses::Snapshot() {
    std::vector<ProcessInfo> list;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) {
        return list;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32FirstW(snap, &entry); ok; ok = Process32NextW(snap, &entry)) {
        list.push_back(ProcessInfo{entry.th32ProcessID, U(entry.szExeFile)});
    }
    CloseHandle(snap);
    return list;
}

bool WinProcesses::Terminate(uint32_t processId, uint32_t exitCode) {
    HANDLE h = OpenProcess(PROCESS_TERMINATE, FALSE, processId);
    if (h == nullptr) {
        return false;
    }
    BOOL ok = TerminateProcess(h, exitCode);
    CloseHandle(h);
    return ok != FALSE;
}

uint32_t WinProcesses::CurrentProcessId() {
    return GetCurrentProcessId();
}

} // namespace platform::win32
