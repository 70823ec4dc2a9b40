// Helpers for the tools' Wine tests: paths from the test environment, throwaway folders, and running a
// program with its output captured.
#pragma once

#include <windows.h>

#include <string>

namespace tooltest {

// A Unix path from CTest's environment as a Windows path on Wine's Z: drive.
inline std::wstring DistPath(const wchar_t* variable, const std::wstring& name) {
    wchar_t buffer[4096] = {};
    DWORD n = GetEnvironmentVariableW(variable, buffer, 4096);
    std::wstring path(buffer, n);
    if (!path.empty() && path[0] == L'/') {
        path = L"Z:" + path;
    }
    for (auto& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    if (!path.empty() && path.back() != L'\\') {
        path += L'\\';
    }
    return path + name;
}

// A fresh folder under the temporary folder, removed with its files when the object goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& tag) {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, temp);
        m_path = std::wstring(temp) + tag + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(GetTickCount()) + L"\\";
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~ScratchFolder() {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((m_path + L"*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileW((m_path + data.cFileName).c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(m_path.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + name; }

private:
    std::wstring m_path;
};

inline bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// The whole file, or nothing when it cannot be read.
inline std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

struct RunResult {
    bool started = false;
    bool finished = false;
    DWORD exitCode = 0xFFFFFFFF;
    std::string output; // standard output and standard error together
    DWORD elapsedMs = 0;
};

// Runs `commandLine` (program `program`) in `folder` with its output going to a file there, waits up to
// `timeoutMs`, and collects what it printed. A program still running at the timeout is ended with
// code 99 so that the test run goes on.
inline RunResult Run(const std::wstring& program, const std::wstring& commandLine, const std::wstring& folder,
                     DWORD timeoutMs) {
    RunResult result;
    std::wstring outputPath = folder + L"output-" + std::to_wstring(GetTickCount()) + L".txt";
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE output = CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        return result;
    }
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = output;
    si.hStdError = output;
    PROCESS_INFORMATION pi{};
    std::wstring line = commandLine;
    DWORD start = GetTickCount();
    result.started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                    nullptr, folder.c_str(), &si, &pi) != FALSE;
    CloseHandle(output);
    if (result.started) {
        result.finished = WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
        if (!result.finished) {
            TerminateProcess(pi.hProcess, 99);
            WaitForSingleObject(pi.hProcess, 5000);
        }
        result.elapsedMs = GetTickCount() - start;
        GetExitCodeProcess(pi.hProcess, &result.exitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    result.output = ReadFileBytes(outputPath);
    DeleteFileW(outputPath.c_str());
    return result;
}

} // namespace tooltest
