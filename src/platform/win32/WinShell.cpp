#include "platform/win32/WinText.h"

#include <shellapi.h>

#include "platform/win32/WinAppPlatform.h"

namespace platform::win32 {

intptr_t WinShell::Open(std::u16string_view verb, std::u16string_view target, std::u16string_view parameters) {
    std::u16string v(verb), t(target), p(parameters);
    return reinterpret_cast<intptr_t>(
        ShellExecuteW(nullptr, W(v), W(t), p.empty() ? nullptr : W(p), nullptr, SW_SHOWNORMAL));
}

intptr_t WinShell::Run(std::u16string_view commandLine) {
    // WinExec's answer on the wide API: above 32 when the program started.
    std::u16string cmd(commandLine);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(cmd.data()), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        DWORD error = GetLastError();
        return error <= 32 ? static_cast<intptr_t>(error) : 0;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 33;
}

} // namespace platform::win32
