#include "platform/win32/WinAppPlatform.h"
#include "platform/win32/WinText.h"

#include <lm.h>

namespace platform::win32 {

namespace {

// Functions that older systems lack are looked up by name at the moment they are needed.
template <typename Function> Function KernelFunction(const char* name) {
    HMODULE kernel = GetModuleHandleW(L"kernel32");
    if (kernel == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel, name)));
}

} // namespace

OsVersion WinSystemInfo::Version() {
    // The compatibility layer answers GetVersionEx with the version the manifest declares; the
    // program's classes stop at 6.x, which is what it declares.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) {
        return {};
    }
#pragma GCC diagnostic pop
    return {true, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

bool WinSystemInfo::IsWow64() {
    // The question stands for "is this 64-bit Windows": the 32-bit program asks the emulation layer, a
    // 64-bit build runs on nothing else. Answering no there would pick the 32-bit driver tool and
    // delete the 64-bit driver folder.
    if constexpr (sizeof(void*) == 8) {
        return true;
    }
    using IsWow64Function = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = KernelFunction<IsWow64Function>("IsWow64Process");
    BOOL result = FALSE;
    if (isWow64 == nullptr || !isWow64(GetCurrentProcess(), &result)) {
        return false;
    }
    return result != FALSE;
}

bool WinSystemInfo::IsAdministrator() {
    wchar_t user[UNLEN + 1] = {};
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(user, &size)) {
        return false;
    }
    USER_INFO_1* info = nullptr;
    if (NetUserGetInfo(nullptr, user, 1, reinterpret_cast<LPBYTE*>(&info)) != NERR_Success ||
        info == nullptr) {
        return false;
    }
    bool admin = info->usri1_priv == USER_PRIV_ADMIN;
    NetApiBufferFree(info);
    return admin;
}

std::u16string WinSystemInfo::ModulePath() {
    // The whole path, however long: a path cut to MAX_PATH would name another folder, and the caller
    // must be able to see that the real one does not fit. A full buffer means the path was cut.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            return {};
        }
        if (n < path.size()) {
            return U(path.data(), n);
        }
        if (path.size() >= 0x8000) {
            return U(path.data(), path.size()); // longer than any path Windows can open: still too long
        }
        path.resize(path.size() * 2);
    }
}

std::u16string WinSystemInfo::CommandLine() {
    return U(GetCommandLineW());
}

void WinSystemInfo::SetThreadLocale(uint32_t localeId) {
    ::SetThreadLocale(localeId);
}

bool WinSystemInfo::SetThreadUiLanguage(uint32_t languageId) {
    using SetUiLanguageFunction = LANGID(WINAPI*)(LANGID);
    auto setUiLanguage = KernelFunction<SetUiLanguageFunction>("SetThreadUILanguage");
    if (setUiLanguage == nullptr) {
        return false;
    }
    setUiLanguage(static_cast<LANGID>(languageId));
    return true;
}

void WinSystemInfo::LowerCurrentThreadPriority() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
}

uint32_t WinSystemInfo::ActiveConsoleSession() {
    return WTSGetActiveConsoleSessionId();
}

} // namespace platform::win32
