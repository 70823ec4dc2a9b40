// The library's entry: GetSkyvaneInstance builds the one simulated adapter on first use, from the
// scenario named by SKYVANE_SCENARIO, else Skyvane.ini beside the library, else the built-in world.
#include <windows.h>

#include <aclapi.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

#include "base/Encoding.h"
#include "base/Trace.h"
#include "platform/win32/WinRegistry.h"
#include "platform/win32/WinText.h"
#include "skyvane/ControlCommands.h"
#include "skyvane/SimKernel.h"
#include "skyvane/win32/ControlPipeServer.h"

namespace {

using platform::win32::U;
using platform::win32::W;

HMODULE g_module = nullptr;

std::u16string Environment(const wchar_t* name) {
    wchar_t buffer[1024];
    DWORD n = GetEnvironmentVariableW(name, buffer, 1024);
    return n > 0 && n < 1024 ? U(buffer, n) : std::u16string();
}

std::optional<std::vector<uint8_t>> ReadWholeFile(std::u16string_view path);

// Scripts under Wine name files by their Unix path; Wine shows the Unix root as drive Z:.
std::optional<std::vector<uint8_t>> ReadScenarioFile(std::u16string_view path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes && !path.empty() && path[0] == u'/') {
        std::u16string windowsPath = u"Z:" + std::u16string(path);
        std::replace(windowsPath.begin(), windowsPath.end(), u'/', u'\\');
        bytes = ReadWholeFile(windowsPath);
    }
    return bytes;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(std::u16string_view path) {
    std::u16string p(path);
    HANDLE file = CreateFileW(W(p), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    std::optional<std::vector<uint8_t>> result;
    // A scenario is a few kilobytes; anything huge is not one.
    if (GetFileSizeEx(file, &size) && size.QuadPart <= 4 * 1024 * 1024) {
        std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        if (bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) &&
                              got == bytes.size())) {
            result = std::move(bytes);
        }
    }
    CloseHandle(file);
    return result;
}

bool GrantReadToEveryone(uint32_t hive, std::u16string_view keyPath) {
    std::u16string path(keyPath);
    HKEY key = nullptr;
    if (RegOpenKeyExW(platform::win32::RootKey(hive), W(path), 0, READ_CONTROL | WRITE_DAC | KEY_WOW64_32KEY,
                      &key) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = false;
    PACL oldDacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &oldDacl, nullptr,
                        &descriptor) == ERROR_SUCCESS) {
        EXPLICIT_ACCESSW access{};
        access.grfAccessPermissions = KEY_READ;
        access.grfAccessMode = GRANT_ACCESS;
        access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
        access.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
        access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
        wchar_t everyone[] = L"EVERYONE";
        access.Trustee.ptstrName = everyone;
        PACL newDacl = nullptr;
        if (SetEntriesInAclW(1, &access, oldDacl, &newDacl) == ERROR_SUCCESS) {
            ok = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, newDacl,
                                 nullptr) == ERROR_SUCCESS;
            LocalFree(newDacl);
        }
        LocalFree(descriptor);
    }
    RegCloseKey(key);
    return ok;
}

skyvane::SimKernel* CreateKernel() {
    static platform::win32::WinRegistry registry;
    // Never destroyed: the program unloads the library at its very end, when no thread may be joined.
    auto* dispatcher = new skyvane::Dispatcher(skyvane::Dispatcher::Mode::Threaded);

    std::u16string path = Environment(L"SKYVANE_SCENARIO");
    std::vector<std::u16string> notes;
    if (path.empty()) {
        std::u16string beside = platform::win32::ModuleFolder(g_module) + u"Skyvane.ini";
        if (GetFileAttributesW(W(beside)) != INVALID_FILE_ATTRIBUTES) {
            path = beside;
        }
    }
    skyvane::ScenarioResult scenario;
    if (path.empty()) {
        scenario.world = skyvane::DefaultWorld();
        notes.push_back(u"no scenario file; the built-in world is used");
    } else if (auto bytes = ReadScenarioFile(path)) {
        scenario = skyvane::LoadScenario(*bytes);
        notes.push_back(u"scenario " + skyvane::Quote(path) + u" loaded");
    } else {
        scenario.world = skyvane::DefaultWorld();
        notes.push_back(u"scenario " + skyvane::Quote(path) + u" cannot be read; the built-in world is used");
    }

    skyvane::KernelServices services;
    services.registry = &registry;
    services.tickCount = [] { return static_cast<uint32_t>(GetTickCount()); };
    services.grantKeyAccess = GrantReadToEveryone;
    services.readFile = ReadScenarioFile;
    auto* kernel = new skyvane::SimKernel(std::move(services), *dispatcher, skyvane::ScenarioResult{});
    kernel->Receivers().SetWaitStep([] {
        // Sleeps until a message is sent to this thread (or briefly), and handles the sent ones only:
        // posted messages stay queued for the thread's own loop.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    });
    // SKYVANE_LOG_FILE: every log line is also appended to this file, flushed at once.
    std::u16string logFile = Environment(L"SKYVANE_LOG_FILE");
    if (!logFile.empty()) {
        HANDLE file = CreateFileW(W(logFile), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            kernel->Log().SetMirror([file](const std::u16string& line) {
                std::string bytes = base::Utf16ToUtf8(line) + "\n";
                DWORD written = 0;
                WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            });
        } else {
            notes.push_back(u"log file " + skyvane::Quote(logFile) + u" cannot be opened");
        }
    }
    for (auto& note : notes) {
        kernel->Log().Add(u"note " + note);
    }
    kernel->LoadWorld(std::move(scenario));

    std::u16string pipe = Environment(L"SKYVANE_PIPE");
    if (pipe.empty()) {
        pipe = u"\\\\.\\pipe\\Skyvane.Control";
    }
    auto* server = new skyvane::win32::ControlPipeServer();
    if (!server->Start(pipe, [kernel](std::u16string_view command) {
            return skyvane::RunControlCommand(*kernel, command);
        })) {
        kernel->Log().Add(u"note control pipe " + skyvane::Quote(pipe) + u" is served by another process");
    }
    return kernel;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
        // Pinned: our threads run until the process ends, so the code they run must stay mapped.
        HMODULE pinned = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                           reinterpret_cast<LPCWSTR>(&DllMain), &pinned);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) kernel::IWirelessKernel* GetSkyvaneInstance() {
    static std::once_flag once;
    static skyvane::SimKernel* instance = nullptr;
    std::call_once(once, [] {
        base::SetTraceSink([](std::u16string_view line) {
            std::u16string text(line);
            OutputDebugStringW(W(text));
        });
        instance = CreateKernel();
    });
    return instance;
}
