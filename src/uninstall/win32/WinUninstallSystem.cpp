#include "uninstall/win32/WinUninstallSystem.h"

#include <windows.h>

namespace uninstall::win32 {
namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr DWORD kMaxUnits = 255;

enum class Read { kFound, kAbsent, kUnusable };

Read ReadFromView(const std::string& path, REGSAM view, std::string& out) {
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | view, &key);
    if (rc != ERROR_SUCCESS) {
        return rc == ERROR_FILE_NOT_FOUND ? Read::kAbsent : Read::kUnusable;
    }
    // Room for the longest text and its zero, plus one spare byte that terminates a value stored
    // without its zero.
    char buffer[kMaxUnits + 2] = {};
    DWORD size = kMaxUnits + 1;
    DWORD type = 0;
    rc = RegQueryValueExA(key, "UninstallString", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (rc == ERROR_FILE_NOT_FOUND) {
        return Read::kAbsent;
    }
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return Read::kUnusable;
    }
    size_t length = strnlen(buffer, size);
    // 256 bytes without a zero among them are 256 characters, one more than a product entry holds.
    if (length > kMaxUnits) {
        return Read::kUnusable;
    }
    out.assign(buffer, length);
    return Read::kFound;
}

} // namespace

bool WinUninstallSystem::ReadUninstallString(std::string_view identifier, std::string& out) {
    std::string path = std::string(kUninstallKey) + std::string(identifier);
    // The product's 32-bit setup registers it in the 32-bit view, which the x64 build must read first,
    // as the x86 build does. A 64-bit setup registers it in the native view, which only the x64 build
    // can reach; an entry that is there but unusable is the product's and is not looked past.
    static constexpr REGSAM kViews[] = {
        KEY_WOW64_32KEY,
#if defined(_WIN64)
        KEY_WOW64_64KEY,
#endif
    };
    for (REGSAM view : kViews) {
        switch (ReadFromView(path, view, out)) {
        case Read::kFound:
            return true;
        case Read::kUnusable:
            return false;
        case Read::kAbsent:
            break;
        }
    }
    return false;
}

bool WinUninstallSystem::Exec(std::string_view commandLine) {
    std::string command(commandLine);
    // WinExec reports success as a value above 31.
    return WinExec(command.c_str(), SW_SHOW) > 31;
}

} // namespace uninstall::win32
