#include "SimTestSupport.h"

#include <cstdio>

namespace simtest {

namespace {

std::wstring Env(const wchar_t* name) {
    wchar_t buffer[2048];
    DWORD n = GetEnvironmentVariableW(name, buffer, 2048);
    return n > 0 && n < 2048 ? std::wstring(buffer, n) : std::wstring();
}

} // namespace

std::wstring DistDir() {
    std::wstring dir = Env(L"KT_DIST_DIR");
    if (!dir.empty() && dir[0] == L'/') {
        for (auto& c : dir) {
            if (c == L'/') {
                c = L'\\';
            }
        }
        dir = L"Z:" + dir;
    }
    return dir;
}

std::wstring TempDir() {
    static std::wstring dir = [] {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        std::wstring d = std::wstring(base) + L"skyvane-test-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(d.c_str(), nullptr);
        return d;
    }();
    return dir;
}

std::wstring WriteFile(const std::wstring& name, const std::string& text) {
    std::wstring path = TempDir() + L"\\" + name;
    HANDLE f =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
    return path;
}

const std::wstring& PipeName() {
    static std::wstring name = L"\\\\.\\pipe\\Skyvane.Test." + std::to_wstring(GetCurrentProcessId());
    return name;
}

kernel::IWirelessKernel* Kernel() {
    static kernel::IWirelessKernel* instance = [] {
        // A quick world, so the tests do not sit through realistic delays.
        std::wstring scenario = WriteFile(L"start.ini", "[World]\nScanDelay=100\n");
        SetEnvironmentVariableW(L"SKYVANE_SCENARIO", scenario.c_str());
        SetEnvironmentVariableW(L"SKYVANE_PIPE", PipeName().c_str());
        SetDllDirectoryW(DistDir().c_str());
        HMODULE library = LoadLibraryW(L"Skyvane.dll");
        if (library == nullptr) {
            return static_cast<kernel::IWirelessKernel*>(nullptr);
        }
        auto get = reinterpret_cast<kernel::GetSkyvaneInstanceFn>(
            reinterpret_cast<void*>(GetProcAddress(library, "GetSkyvaneInstance")));
        return get ? get() : nullptr;
    }();
    return instance;
}

std::wstring Control(const std::wstring& command) {
    Kernel();
    static std::vector<wchar_t> answer(4 * 1024 * 1024);
    DWORD read = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (CallNamedPipeW(PipeName().c_str(), const_cast<wchar_t*>(command.c_str()),
                           static_cast<DWORD>(command.size() * sizeof(wchar_t)), answer.data(),
                           static_cast<DWORD>(answer.size() * sizeof(wchar_t)), &read, 1000)) {
            return std::wstring(answer.data(), read / sizeof(wchar_t));
        }
        Sleep(50);
    }
    return L"(no answer)";
}

void LoadScenario(const std::string& scenario) {
    static int counter = 0;
    std::wstring path = WriteFile(L"scenario" + std::to_wstring(++counter) + L".ini", scenario);
    Control(L"load \"" + path + L"\"");
}

std::vector<std::wstring> LogLines(const std::wstring& prefix) {
    std::wstring all = Control(L"log " + prefix);
    std::vector<std::wstring> lines;
    size_t pos = 0;
    while (pos < all.size()) {
        size_t end = all.find(L'\n', pos);
        if (end == std::wstring::npos) {
            end = all.size();
        }
        lines.push_back(all.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

int RunTool(const std::wstring& exe, const std::wstring& arguments, std::string& output) {
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &sa, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    std::wstring path = DistDir() + L"\\" + exe;
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                        &pi)) {
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        return -1;
    }
    CloseHandle(writeEnd);
    output.clear();
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        output.append(buffer, got);
    }
    CloseHandle(readEnd);
    WaitForSingleObject(pi.hProcess, 30000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return static_cast<int>(code);
}

void Recorder::Push(int slot, uint32_t value) {
    {
        std::lock_guard lock(m_mutex);
        m_events.push_back({slot, value});
        m_thread = GetCurrentThreadId();
    }
    m_changed.notify_all();
}

bool Recorder::WaitFor(int slot, uint32_t value, bool anyValue, int seconds) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(seconds), [&] {
        for (const Event& e : m_events) {
            if (e.slot == slot && (anyValue || e.value == value)) {
                return true;
            }
        }
        return false;
    });
}

std::vector<Event> Recorder::Events() {
    std::lock_guard lock(m_mutex);
    return m_events;
}

std::vector<uint32_t> Recorder::WpsCodes() {
    std::lock_guard lock(m_mutex);
    std::vector<uint32_t> codes;
    for (const Event& e : m_events) {
        if (e.slot == 17) {
            codes.push_back(e.value);
        }
    }
    return codes;
}

void Recorder::Clear() {
    std::lock_guard lock(m_mutex);
    m_events.clear();
}

DWORD Recorder::LastThread() {
    std::lock_guard lock(m_mutex);
    return m_thread;
}

} // namespace simtest
