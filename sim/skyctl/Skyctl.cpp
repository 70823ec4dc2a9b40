// skyctl: sends one command to the simulated adapter's control pipe and prints the answer.
//   skyctl [--pipe \\.\pipe\Name] <command> [arguments]
// Exit code 0 for an answer, 1 when the answer is an error, 2 when no simulated adapter listens.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void Print(const std::wstring& text, HANDLE out) {
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes, nullptr,
                        nullptr);
    if (utf8.empty() || utf8.back() != '\n') {
        utf8 += '\n';
    }
    DWORD written = 0;
    WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

bool Transact(const std::wstring& pipeName, const std::wstring& command, std::wstring& answer) {
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100; ++attempt) {
        pipe = CreateFileW(pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
        if (pipe != INVALID_HANDLE_VALUE) {
            break;
        }
        // Every instance busy with another client: wait for one; no server at all: give up at once.
        if (GetLastError() != ERROR_PIPE_BUSY || !WaitNamedPipeW(pipeName.c_str(), 2000)) {
            return false;
        }
    }
    if (pipe == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD mode = PIPE_READMODE_MESSAGE;
    SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr);
    DWORD written = 0;
    bool ok = WriteFile(pipe, command.data(), static_cast<DWORD>(command.size() * sizeof(wchar_t)), &written,
                        nullptr);
    std::vector<char> bytes;
    std::vector<char> chunk(64 * 1024);
    while (ok) {
        DWORD got = 0;
        BOOL done = ReadFile(pipe, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr);
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
        if (done) {
            break;
        }
        ok = GetLastError() == ERROR_MORE_DATA;
    }
    CloseHandle(pipe);
    answer.assign(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    return ok;
}

std::wstring QuoteIfNeeded(const std::wstring& word) {
    return word.find(L' ') == std::wstring::npos && !word.empty() ? word : L"\"" + word + L"\"";
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    wchar_t envPipe[512];
    DWORD n = GetEnvironmentVariableW(L"SKYVANE_PIPE", envPipe, 512);
    std::wstring pipe = n > 0 && n < 512 ? std::wstring(envPipe, n) : L"\\\\.\\pipe\\Skyvane.Control";
    int first = 1;
    if (argc >= 3 && std::wstring(argv[1]) == L"--pipe") {
        pipe = argv[2];
        first = 3;
    }
    if (first >= argc) {
        Print(
            L"usage: skyctl [--pipe \\\\.\\pipe\\Name] unplug | plug | radio on|off | hwbutton [ms] | hwcancel | "
            L"internet on|off | signal <ssid|bssid> <0-100> | apbutton <ssid|bssid> on|off | load <file> | "
            L"log [prefix] | clearlog | status",
            err);
        return 2;
    }
    std::wstring command;
    for (int i = first; i < argc; ++i) {
        command += (i > first ? L" " : L"") + QuoteIfNeeded(argv[i]);
    }
    std::wstring answer;
    if (!Transact(pipe, command, answer)) {
        Print(L"skyctl: no simulated adapter answers on " + pipe +
                  L" (is a program using Skyvane.dll running?)",
              err);
        return 2;
    }
    Print(answer, out);
    return answer.rfind(L"error", 0) == 0 ? 1 : 0;
}
