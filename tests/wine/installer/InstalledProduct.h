// What the installer's Wine tests look at: the built setup.exe, the folders, registry keys and service
// it touches, the Start-menu shortcuts, and the message boxes of setup and of the utility.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "wine/ProgramUnderTest.h"
#include "wine/networks_e2e/UtilityUnderWine.h"

namespace installertest {

using namespace wineprogram;
using networks_e2e::Narrow;

constexpr wchar_t kProductId[] = L"{5E7A1C3D-7700-4B2E-9A1F-0D3C8B6E2A17}";
constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{5E7A1C3D-7700-4B2E-9A1F-0D3C8B6E2A17}";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kProfileStore[] = L"SOFTWARE\\Orvelin\\CustomParams\\Profiles";
constexpr wchar_t kServiceName[] = L"WSKTVA7700";
constexpr wchar_t kAppMutex[] = L"KTVA7700V2_MUTEX";
constexpr wchar_t kSetupCaption[] = L"Orvelin KTVA7700v2 Link Warden Setup";
constexpr wchar_t kUtilityBoxCaption[] = L"Orvelin Wireless Adapter";

inline std::wstring SetupExe() {
    std::wstring path = WindowsPath(Env(L"KT_INSTALLER_EXE"));
    if (!path.empty() && path.back() == L'\\') {
        path.pop_back();
    }
    return path;
}

inline std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring out;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        out = path;
    }
    CoTaskMemFree(path);
    return out;
}

inline std::wstring InstallFolder() {
    return KnownFolder(FOLDERID_ProgramFiles) + L"\\Orvelin\\KTVA7700v2\\";
}

inline std::wstring MenuFolder() {
    return KnownFolder(FOLDERID_CommonPrograms) + L"\\Orvelin KTVA7700v2\\";
}

inline bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every file under `folder`, as paths relative to it, sorted.
inline std::vector<std::wstring> FilesUnder(const std::wstring& folder) {
    std::vector<std::wstring> files;
    std::error_code error;
    std::filesystem::path root(folder);
    if (!std::filesystem::exists(root, error)) {
        return files;
    }
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file(error)) {
            files.push_back(std::filesystem::relative(it->path(), root, error).wstring());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

inline bool KeyExists(const std::wstring& path, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// A string value, or "<none>".
inline std::wstring ReadString(const std::wstring& path, const wchar_t* name, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) {
        return L"<none>";
    }
    wchar_t text[1024] = {};
    DWORD size = sizeof text - sizeof(wchar_t);
    DWORD type = 0;
    LONG result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) ? std::wstring(text)
                                                                                : std::wstring(L"<none>");
}

inline DWORD ReadDword(const std::wstring& path, const wchar_t* name, REGSAM view) {
    HKEY key = nullptr;
    DWORD value = 0;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) == ERROR_SUCCESS) {
        DWORD size = sizeof value;
        RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
    }
    return value;
}

inline void WriteString(const std::wstring& path, const wchar_t* name, const std::wstring& text,
                        REGSAM view) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// The key and every key below it, each as "<path>" followed by its value names.
inline void ListKey(HKEY root, const std::wstring& path, REGSAM view, std::vector<std::wstring>& out) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) {
        return;
    }
    out.push_back(path);
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        out.push_back(path + L" : " + name);
    }
    std::vector<std::wstring> children;
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        children.push_back(name);
    }
    RegCloseKey(key);
    for (const std::wstring& child : children) {
        ListKey(root, path + L"\\" + child, view, out);
    }
}

// Whether the service is registered, and its state (0 when it is not).
inline DWORD ServiceState(std::wstring* binaryPath = nullptr) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (manager == nullptr) {
        return 0;
    }
    DWORD state = 0;
    SC_HANDLE service = OpenServiceW(manager, kServiceName, SERVICE_QUERY_STATUS | SERVICE_QUERY_CONFIG);
    if (service != nullptr) {
        SERVICE_STATUS status{};
        if (QueryServiceStatus(service, &status)) {
            state = status.dwCurrentState;
        }
        if (binaryPath != nullptr) {
            std::vector<BYTE> buffer(8192);
            DWORD needed = 0;
            auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
            if (QueryServiceConfigW(service, config, static_cast<DWORD>(buffer.size()), &needed)) {
                *binaryPath = config->lpBinaryPathName;
            }
        }
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return state;
}

inline void StopService() {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    ASSERT_NE(manager, nullptr);
    SC_HANDLE service = OpenServiceW(manager, kServiceName, SERVICE_STOP | SERVICE_QUERY_STATUS);
    ASSERT_NE(service, nullptr);
    SERVICE_STATUS status{};
    ControlService(service, SERVICE_CONTROL_STOP, &status);
    EXPECT_TRUE(WaitFor(
        [&] { return QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_STOPPED; },
        10000));
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
}

inline bool UtilityRunning() {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kAppMutex);
    if (mutex == nullptr) {
        return false;
    }
    CloseHandle(mutex);
    return true;
}

// A shortcut's target and arguments.
struct Shortcut {
    std::wstring target;
    std::wstring arguments;
};

inline Shortcut ReadShortcut(const std::wstring& path) {
    Shortcut out;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
        return out;
    }
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
            wchar_t text[MAX_PATH * 2] = {};
            link->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
            out.target = text;
            text[0] = 0;
            link->GetArguments(text, MAX_PATH * 2);
            out.arguments = text;
        }
        file->Release();
    }
    link->Release();
    return out;
}

// A visible message box (a dialog with a static text 0xFFFF) whose text holds `containing`.
inline HWND FindBox(const std::wstring& containing) {
    struct Search {
        const std::wstring* containing;
        HWND found;
    } search{&containing, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t cls[32] = {};
            GetClassNameW(window, cls, 32);
            if (std::wstring(cls) == L"#32770" && IsWindowVisible(window) &&
                GetDlgItem(window, 0xFFFF) != nullptr &&
                ControlText(window, 0xFFFF).find(*s->containing) != std::wstring::npos) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits for the box and answers it with the button `answer`; false when none came.
inline bool AnswerBox(const std::wstring& containing, int answer, int milliseconds) {
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindBox(containing)) != nullptr; }, milliseconds)) {
        return false;
    }
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    return WaitFor([&] { return !IsWindow(box); }, 5000);
}

// Every visible dialog window of the desktop with its caption, to show what a failure left on screen.
inline std::string VisibleDialogs() {
    std::string out;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            wchar_t cls[32] = {}, title[256] = {};
            GetClassNameW(window, cls, 32);
            GetWindowTextW(window, title, 256);
            if (std::wstring(cls) == L"#32770" && IsWindowVisible(window)) {
                *reinterpret_cast<std::string*>(data) +=
                    "[" + Narrow(title) + "] " + Narrow(ControlText(window, 0xFFFF)) + "\n";
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    return out;
}

} // namespace installertest
