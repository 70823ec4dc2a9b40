#include "uninstall/win32/WinUninstallSystem.h"

#include <windows.h>

namespace uninstall::win32 {
namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr DWORD kMaxUnits = 255;

} // namespace

bool WinUninstallSystem::ReadUninstallString(std::string_view identifier, std::string& out) {
    std::string path = std::string(kUninstallKey) + std::string(identifier);
    HKEY key = nullptr;
    // The product's 32-bit setup registered it in the 32-bit view, which the x64 build must read too.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    char buffer[kMaxUnits + 1] = {};
    DWORD size = kMaxUnits;
    DWORD type = 0;
    LONG rc =
        RegQueryValueExA(key, "UninstallString", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return false;
    }
    // The spare byte of the buffer terminates a value stored without its zero.
    out.assign(buffer, strnlen(buffer, size));
    return true;
}

bool WinUninstallSystem::Exec(std::string_view commandLine) {
    std::string command(commandLine);
    // WinExec reports success as a value above 31.
    return WinExec(command.c_str(), SW_SHOW) > 31;
}

} // namespace uninstall::win32
