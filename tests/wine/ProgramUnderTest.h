// What the Windows-side tests of the real program share: the install tree they copy from, waits with a
// limit, reading and writing the program's application values, window captures and a started program
// that never outlives its test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>

namespace wineprogram {

constexpr wchar_t kAppKey[] = L"Software\\Orvelin\\KTVA7700v2";

inline std::wstring Env(const wchar_t* name) {
    wchar_t buffer[2048] = {};
    DWORD n = GetEnvironmentVariableW(name, buffer, 2048);
    return n > 0 && n < 2048 ? std::wstring(buffer, n) : std::wstring();
}

inline std::wstring WindowsPath(std::wstring path) {
    if (!path.empty() && path[0] == L'/') {
        for (auto& c : path) {
            if (c == L'/') {
                c = L'\\';
            }
        }
        path = L"Z:" + path;
    }
    if (!path.empty() && path.back() != L'\\') {
        path += L'\\';
    }
    return path;
}

inline std::wstring Dist() {
    return WindowsPath(Env(L"KT_DIST_DIR"));
}

inline bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) {
            return true;
        }
        Sleep(50);
    }
    return condition();
}

inline HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, int milliseconds) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindWindowW(className, caption)) != nullptr; }, milliseconds);
    return found;
}

inline std::wstring ControlText(HWND window, int id) {
    wchar_t text[1024] = {};
    SendMessageW(GetDlgItem(window, id), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

inline std::wstring ReadAppValue(const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kAppKey, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS) {
        return L"<none>";
    }
    wchar_t text[512] = {};
    DWORD size = sizeof text - sizeof(wchar_t);
    DWORD type = 0;
    LONG result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? std::wstring(text) : std::wstring(L"<none>");
}

inline void WriteAppValue(const wchar_t* name, const wchar_t* text) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kAppKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

inline void DeleteAppValue(const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kAppKey, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueW(key, name);
        RegCloseKey(key);
    }
}

inline std::string ReadText(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Saves what the screen shows of a window as a 24-bit bitmap file.
inline bool CaptureWindow(HWND window, const std::wstring& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    int stride = ((width * 3) + 3) & ~3;
    std::string pixels(static_cast<size_t>(stride * height), '\0');
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return out.good();
}

class Program {
public:
    Program(const std::wstring& exe, const std::wstring& arguments) {
        std::wstring command = L"\"" + exe + L"\" " + arguments;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        m_started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &si, &m_info) != FALSE;
    }
    ~Program() {
        if (m_started) {
            if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(m_info.hProcess, 99);
                WaitForSingleObject(m_info.hProcess, 5000);
            }
            CloseHandle(m_info.hThread);
            CloseHandle(m_info.hProcess);
        }
    }
    bool started() const { return m_started; }
    bool Running() const { return m_started && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT; }
    // The exit code, or -1 when it does not end in time.
    int Wait(int milliseconds) {
        if (WaitForSingleObject(m_info.hProcess, static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0) {
            return -1;
        }
        DWORD code = 0;
        GetExitCodeProcess(m_info.hProcess, &code);
        return static_cast<int>(code);
    }

private:
    PROCESS_INFORMATION m_info{};
    bool m_started = false;
};

// Runs this thread's messages until `done` or the deadline, which only guards against a hang.
template <class F> bool PumpUntil(F done, int milliseconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// A fresh temp folder named after `prefix` holding a private copy of these files of the install tree
// (paths relative to it, such as "Language\\English\\English.lng"); a file that cannot be copied fails
// the test.
inline std::wstring CopyInstallTree(const std::wstring& prefix, std::initializer_list<const wchar_t*> files) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    std::wstring folder = std::wstring(temp) + prefix + std::to_wstring(GetCurrentProcessId()) + L"_" +
                          std::to_wstring(counter++) + L"\\";
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder), ignored); // left by an earlier run
    std::filesystem::create_directories(std::filesystem::path(folder + L"Language\\English"), ignored);
    for (const wchar_t* file : files) {
        std::wstring name(file);
        EXPECT_TRUE(CopyFileW((Dist() + name).c_str(), (folder + name).c_str(), FALSE))
            << "copy of " << std::string(name.begin(), name.end());
    }
    return folder;
}

// The application values of a finished set-up in which the utility manages the adapter, with the
// Internet notice on or off, and no profile hand-over or upgrade notice waiting.
inline void WriteFinishedSetUp(bool internetNotice) {
    DeleteAppValue(L"ChangeProfile");
    DeleteAppValue(L"Upgread");
    WriteAppValue(L"FirstRun", L"255");
    WriteAppValue(L"SetupStatus", L"255");
    WriteAppValue(L"AutoConfiguration", L"4");
    WriteAppValue(L"ShowInternet", internetNotice ? L"1" : L"0");
    WriteAppValue(L"ShowInternetMsgBox", internetNotice ? L"1" : L"0");
    WriteAppValue(L"CountryDomain", L"1");
    WriteAppValue(L"VIDPID", L"VID_1234&PID_9999");
}

} // namespace wineprogram
