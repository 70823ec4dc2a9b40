// What the utility's hidden main window costs, against an empty dialog program of ours started the same
// way: the time from CreateProcess until the window is ready (found by its caption, its status area
// holding a text), then the processor time both use while idle and their private memory. Prints the
// figures and their ratios against the aims; asserts nothing. Run on demand, never by ctest:
//
//   cmake --build build/<dir> -j1 --target bench_main_window KTVA7700v2 Skyvane skyctl WSKTVA7700
//   export KT_DIST_DIR=$PWD/build/<dir>/dist        # dist/win64 for the preset's own build folder
//   tests/wine/wine-session start /tmp/kt-bench     # installs the WSKTVA7700 service of KT_DIST_DIR
//   tests/wine/wine-session run /tmp/kt-bench build/<dir>/tests/bench/mainwnd/bench_main_window.exe
//       [--runs 7] [--idle-seconds 60] [--settle-seconds 20] [--scenario file.ini]    (all optional)
//   tests/wine/wine-session stop /tmp/kt-bench
//
// The programs run from a private copy of the install tree, with a private control pipe for the
// stand-in library and the library's built-in world unless a scenario is given. The application values
// an installation writes are written first, with the first run marked done, so no first-run dialog or
// upgrade notice comes in between.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "BenchFigures.h"
#include "EmptyDialogIds.h"

namespace {

constexpr wchar_t kAppKey[] = L"Software\\Orvelin\\KTVA7700v2";
constexpr wchar_t kMainTitle[] = L"Orvelin KTVA7700v2 Link Warden";
constexpr wchar_t kEmptyTitle[] = L"" KT_BENCH_EMPTY_CAPTION;
constexpr wchar_t kUtilityExe[] = L"KTVA7700v2.exe";
constexpr wchar_t kEmptyExe[] = L"bench_empty_dialog.exe";
constexpr int kStatusArea = 1013;
constexpr UINT kMsgExitProgram = 0x8069; // the utility's exit sequence, as its close watcher asks for it
// Start-up waits on purpose: 100 ms for the library's thread after Start, 1000 ms after the first-run
// step (which runs even when the first run is long done).
constexpr double kStartSleepsMs = 100 + 1000;
constexpr DWORD kReadyTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 20000;
// Short enough to resolve the empty program's start; every poll is a round trip through the
// wineserver, which the starting program needs as well.
constexpr DWORD kPollMs = 2;
constexpr double kMegabyte = 1024.0 * 1024.0;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::wstring Env(const wchar_t* name) {
    wchar_t buffer[2048] = {};
    DWORD n = GetEnvironmentVariableW(name, buffer, 2048);
    return n > 0 && n < 2048 ? std::wstring(buffer, n) : std::wstring();
}

// A Unix path, as the build and the session hand them over, seen through Wine's drive Z:.
std::wstring WindowsPath(std::wstring path) {
    if (!path.empty() && path[0] == L'/') {
        std::replace(path.begin(), path.end(), L'/', L'\\');
        path = L"Z:" + path;
    }
    return path;
}

std::wstring Folder(std::wstring path) {
    path = WindowsPath(std::move(path));
    if (!path.empty() && path.back() != L'\\') {
        path += L'\\';
    }
    return path;
}

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::string Narrow(const std::wstring& text) {
    std::string result;
    for (wchar_t c : text) {
        result += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return result;
}

// Other processes' command lines may hold any bytes; only ASCII letters are folded.
char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::wstring BenchFolder() {
    wchar_t path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring whole(path, n);
    return whole.substr(0, whole.find_last_of(L'\\') + 1);
}

// ---------------------------------------------------------------------------------------------------
// The installation the programs run from

bool WriteAppValue(const std::wstring& name, const std::wstring& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kAppKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    LONG result = RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void DeleteAppValue(const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kAppKey, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueW(key, name);
        RegCloseKey(key);
    }
}

bool WriteInstallerValues() {
    std::wstring path = WindowsPath(Widen(KT_INSTALLER_VALUES_FILE));
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    auto values = bench::ParseInstallerValues(text.str());
    if (values.empty()) {
        std::printf("no application values in %s\n", Narrow(path).c_str());
        return false;
    }
    for (const auto& [name, value] : values) {
        if (!WriteAppValue(Widen(name), Widen(value))) {
            std::printf("could not write the application value %s\n", name.c_str());
            return false;
        }
    }
    // Done first run; no upgrade notice and no profile hand-over waiting from an earlier run.
    DeleteAppValue(L"Upgread");
    DeleteAppValue(L"ChangeProfile");
    return WriteAppValue(L"FirstRun", L"255");
}

class PrivateInstall {
public:
    ~PrivateInstall() {
        if (!m_folder.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(std::filesystem::path(m_folder), ignored);
        }
    }

    bool Make(const std::wstring& dist) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"kt_bench_mainwnd_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        namespace fs = std::filesystem;
        std::error_code error;
        fs::remove_all(fs::path(m_folder), error);
        fs::create_directories(fs::path(m_folder), error);
        for (const wchar_t* name : {kUtilityExe, L"Skyvane.dll", L"Product.ini", L"ConnectToInternet.WAV"}) {
            fs::copy_file(fs::path(dist + name), fs::path(m_folder + name),
                          fs::copy_options::overwrite_existing, error);
            if (error) {
                std::printf("could not copy %s from the install tree\n", Narrow(name).c_str());
                return false;
            }
        }
        fs::copy(fs::path(dist + L"Language"), fs::path(m_folder + L"Language"), fs::copy_options::recursive,
                 error);
        if (error) {
            std::printf("could not copy the language folders from the install tree\n");
            return false;
        }
        fs::copy_file(fs::path(BenchFolder() + kEmptyExe), fs::path(m_folder + kEmptyExe),
                      fs::copy_options::overwrite_existing, error);
        if (error) {
            std::printf("could not copy %s from beside the benchmark\n", Narrow(kEmptyExe).c_str());
            return false;
        }
        return true;
    }

    const std::wstring& folder() const { return m_folder; }

private:
    std::wstring m_folder;
};

// ---------------------------------------------------------------------------------------------------
// The programs under measurement

// What a started program is asked and how it is ended. The utility closes through its own exit request;
// the empty dialog through its close box.
struct Subject {
    const char* label;
    const wchar_t* exe;
    const wchar_t* caption;
    const wchar_t* statusClass;
    UINT closeMessage;
};

const Subject kUtility{"utility", kUtilityExe, kMainTitle, L"KtCanvas", kMsgExitProgram};
const Subject kEmpty{"empty dialog", kEmptyExe, kEmptyTitle, L"Static", WM_CLOSE};

class Program {
public:
    Program(const Subject& subject, const std::wstring& folder) : m_subject(subject) {
        std::wstring exe = folder + subject.exe;
        std::wstring command = L"\"" + exe + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        m_start = Clock::now();
        m_started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder.c_str(), &si, &m_info) != FALSE;
    }
    ~Program() {
        if (!m_started) {
            return;
        }
        if (Running()) {
            Close();
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return m_started; }
    HANDLE process() const { return m_info.hProcess; }
    DWORD id() const { return m_info.dwProcessId; }
    const Subject& subject() const { return m_subject; }
    bool Running() const { return m_started && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT; }

    // Milliseconds from just before CreateProcess until the window is ready, or nothing when the
    // program ended or did not get there in time.
    std::optional<double> WaitUntilReady() {
        while (m_started && MillisecondsSince(m_start) < kReadyTimeoutMs) {
            if (!Running()) {
                return std::nullopt;
            }
            if (Ready()) {
                return MillisecondsSince(m_start);
            }
            Sleep(kPollMs);
        }
        return std::nullopt;
    }

    // Asks the program to end as its user would; a program that does not is terminated, and said so.
    void Close() {
        // Without its window found there is nobody to ask.
        if (m_window == nullptr || !PostMessageW(m_window, m_subject.closeMessage, 0, 0) ||
            WaitForSingleObject(m_info.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
            std::printf("  note: the %s did not end when asked; terminated\n", m_subject.label);
            TerminateProcess(m_info.hProcess, 99);
            WaitForSingleObject(m_info.hProcess, kExitTimeoutMs);
        }
    }

    // The status control's window class as found, for the report.
    const std::wstring& statusClass() const { return m_statusClass; }

private:
    bool Ready() {
        HWND window = FindWindowW(nullptr, m_subject.caption);
        if (window == nullptr) {
            return false;
        }
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != m_info.dwProcessId) {
            return false;
        }
        m_window = window;
        HWND status = GetDlgItem(window, kStatusArea);
        if (status == nullptr) {
            return false;
        }
        wchar_t text[512] = {};
        DWORD_PTR length = 0;
        if (SendMessageTimeoutW(status, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                                1000, &length) == 0 ||
            length == 0) {
            return false;
        }
        wchar_t className[64] = {};
        GetClassNameW(status, className, 64);
        m_statusClass = className;
        return true;
    }

    const Subject& m_subject;
    PROCESS_INFORMATION m_info{};
    bool m_started = false;
    Clock::time_point m_start;
    HWND m_window = nullptr;
    std::wstring m_statusClass;
};

// One start, timed, then ended again; a failed start is reported and left out of the figures.
std::optional<double> TimeOneStart(const Subject& subject, const std::wstring& folder) {
    Program program(subject, folder);
    if (!program.started()) {
        std::printf("  note: the %s could not be started (error %lu)\n", subject.label, GetLastError());
        return std::nullopt;
    }
    std::optional<double> ready = program.WaitUntilReady();
    if (!ready) {
        std::printf("  note: the %s did not get ready (it %s)\n", subject.label,
                    program.Running() ? "timed out" : "ended");
    } else if (program.statusClass() != subject.statusClass) {
        std::printf("  note: the %s's control %d is a \"%s\", not a \"%s\"\n", subject.label, kStatusArea,
                    Narrow(program.statusClass()).c_str(), Narrow(subject.statusClass).c_str());
    }
    program.Close();
    return ready;
}

void PrintRuns(const char* label, const std::vector<double>& times) {
    std::printf("  %-13s", label);
    for (double t : times) {
        std::printf(" %7.1f", t);
    }
    std::printf("\n");
}

// ---------------------------------------------------------------------------------------------------
// Idle

uint64_t Units(const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

uint64_t ProcessCpu(HANDLE process) {
    FILETIME created{}, ended{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) {
        return 0;
    }
    return Units(kernel) + Units(user);
}

struct Memory {
    uint64_t bytes = 0;
    bool fromPagefileUsage = false;
};

// Wine leaves PrivateUsage at 0; PagefileUsage, which Windows keeps equal to it (the commit charge), is
// filled (Wine takes the process's resident anonymous memory).
Memory PrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                 sizeof counters)) {
        return {};
    }
    if (counters.PrivateUsage != 0) {
        return {counters.PrivateUsage, false};
    }
    return {counters.PagefileUsage, true};
}

std::string ReadWhole(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Under Wine the Windows thread times of another process read as zero, so the utility's threads are
// looked at from the Linux side, through drive Z:. A Wine process shows its Windows command line there.
int UnixPidOf(const std::wstring& exePath) {
    std::string wanted = Narrow(exePath);
    std::transform(wanted.begin(), wanted.end(), wanted.begin(), LowerAscii);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(L"Z:\\proc"), error)) {
        std::wstring name = entry.path().filename().wstring();
        if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) {
            continue;
        }
        std::string command = ReadWhole(L"Z:\\proc\\" + name + L"\\cmdline");
        command = command.substr(0, command.find('\0'));
        std::transform(command.begin(), command.end(), command.begin(), LowerAscii);
        if (command == wanted) {
            return std::stoi(name);
        }
    }
    return 0;
}

struct TaskSample {
    uint64_t ticks = 0;     // user + system, in the kernel's 10 ms clock ticks
    uint64_t wakes = 0;     // voluntary context switches: each time the thread slept and was woken
    uint64_t preempted = 0; // involuntary ones
    uint64_t runNs = 0;     // exact time on a processor
};

using Tasks = std::map<int, TaskSample>;

Tasks SampleTasks(int unixPid) {
    Tasks tasks;
    if (unixPid == 0) {
        return tasks;
    }
    std::wstring root = L"Z:\\proc\\" + std::to_wstring(unixPid) + L"\\task\\";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(root), error)) {
        std::wstring tid = entry.path().filename().wstring();
        if (tid.empty() || tid.find_first_not_of(L"0123456789") != std::wstring::npos) {
            continue;
        }
        std::string status = ReadWhole(root + tid + L"\\status");
        TaskSample sample;
        sample.ticks = bench::StatCpuTicks(ReadWhole(root + tid + L"\\stat")).value_or(0);
        sample.wakes = bench::StatusValue(status, "voluntary_ctxt_switches").value_or(0);
        sample.preempted = bench::StatusValue(status, "nonvoluntary_ctxt_switches").value_or(0);
        sample.runNs = bench::SchedRunNanoseconds(ReadWhole(root + tid + L"\\schedstat")).value_or(0);
        tasks[std::stoi(tid)] = sample;
    }
    return tasks;
}

// What each thread did between the two samples; a thread that ended in between is not counted.
Tasks Difference(const Tasks& before, const Tasks& after) {
    auto since = [](uint64_t then, uint64_t now) { return now - std::min(then, now); };
    Tasks used;
    for (const auto& [tid, sample] : after) {
        auto earlier = before.find(tid);
        TaskSample start = earlier != before.end() ? earlier->second : TaskSample{};
        used[tid] = {since(start.ticks, sample.ticks), since(start.wakes, sample.wakes),
                     since(start.preempted, sample.preempted), since(start.runNs, sample.runNs)};
    }
    return used;
}

TaskSample Total(const Tasks& tasks) {
    TaskSample total;
    for (const auto& [tid, used] : tasks) {
        total.ticks += used.ticks;
        total.wakes += used.wakes;
        total.preempted += used.preempted;
        total.runNs += used.runNs;
    }
    return total;
}

// The wake-up rates tell the threads apart: a thread polling every 200 ms wakes at least 5 times a
// second, one polling every 500 ms twice, the window's thread about 1.3 times for its 1000 ms and
// 3000 ms timers; a wait in Wine may cost a thread more than one switch.
void PrintTasks(int unixPid, const Tasks& used, double seconds) {
    std::vector<std::pair<int, TaskSample>> rows(used.begin(), used.end());
    std::sort(rows.begin(), rows.end(),
              [](const auto& a, const auto& b) { return a.second.wakes > b.second.wakes; });
    std::printf("utility threads over the idle window (Linux view; the first thread runs the window):\n");
    for (const auto& [tid, sample] : rows) {
        std::printf("  thread %7d%s  wakes %6llu (%6.2f/s)  preempted %5llu  ran %8.2f ms\n", tid,
                    tid == unixPid ? " (first)" : "        ", static_cast<unsigned long long>(sample.wakes),
                    static_cast<double>(sample.wakes) / seconds,
                    static_cast<unsigned long long>(sample.preempted),
                    static_cast<double>(sample.runNs) / 1e6);
    }
}

const char* Verdict(bool met) {
    return met ? "within the aim" : "ABOVE the aim";
}

void PrintCpu(const char* label, uint64_t processTimes, const TaskSample& scheduler, uint64_t wall) {
    std::printf("  %-13s %8.3f %%  (%.0f ms)      %8.3f %%  (%.2f ms, %llu wakes)\n", label,
                bench::CpuPercentOfOneCore(processTimes, wall), static_cast<double>(processTimes) / 1e4,
                bench::CpuPercentOfOneCore(scheduler.runNs / 100, wall),
                static_cast<double>(scheduler.runNs) / 1e6, static_cast<unsigned long long>(scheduler.wakes));
}

void MeasureIdle(const std::wstring& folder, const bench::Options& options) {
    std::printf("\nidle: both programs started and ready, %d s to settle, then %d s measured\n",
                options.settleSeconds, options.idleSeconds);
    Program utility(kUtility, folder);
    Program empty(kEmpty, folder);
    if (!utility.WaitUntilReady() || !empty.WaitUntilReady()) {
        std::printf("  note: a program did not get ready; no idle figures\n");
        return;
    }
    Sleep(static_cast<DWORD>(options.settleSeconds) * 1000);

    int utilityPid = UnixPidOf(folder + kUtilityExe);
    int emptyPid = UnixPidOf(folder + kEmptyExe);
    uint64_t utilityCpu = ProcessCpu(utility.process());
    uint64_t emptyCpu = ProcessCpu(empty.process());
    Tasks utilityBefore = SampleTasks(utilityPid);
    Tasks emptyBefore = SampleTasks(emptyPid);
    auto start = Clock::now();
    Sleep(static_cast<DWORD>(options.idleSeconds) * 1000);
    Tasks utilityUsed = Difference(utilityBefore, SampleTasks(utilityPid));
    Tasks emptyUsed = Difference(emptyBefore, SampleTasks(emptyPid));
    utilityCpu = ProcessCpu(utility.process()) - utilityCpu;
    emptyCpu = ProcessCpu(empty.process()) - emptyCpu;
    auto wall = static_cast<uint64_t>(std::chrono::duration<double>(Clock::now() - start).count() * 1e7);
    Memory utilityMemory = PrivateBytes(utility.process());
    Memory emptyMemory = PrivateBytes(empty.process());
    if (!utility.Running() || !empty.Running()) {
        std::printf("  note: a program ended during the idle window; the figures below do not hold\n");
    }

    // The process times come from the kernel's 10 ms ticks, which mostly miss a thread that runs for a
    // few microseconds at each wake; the scheduler's own run time does not.
    double utilityPercent = bench::CpuPercentOfOneCore(utilityCpu, wall);
    TaskSample utilityLinux = Total(utilityUsed);
    TaskSample emptyLinux = Total(emptyUsed);
    double utilityExact = bench::CpuPercentOfOneCore(utilityLinux.runNs / 100, wall);
    double emptyExact = bench::CpuPercentOfOneCore(emptyLinux.runNs / 100, wall);
    std::printf("idle CPU, %% of one core:  GetProcessTimes               Linux scheduler run time\n");
    PrintCpu("utility", utilityCpu, utilityLinux, wall);
    PrintCpu("empty dialog", emptyCpu, emptyLinux, wall);
    if (emptyLinux.runNs == 0 && emptyCpu == 0) {
        std::printf("  utility / empty dialog: no ratio, the empty dialog used no measurable time\n");
    } else {
        std::printf("  utility / empty dialog: %.2fx (GetProcessTimes), %.2fx (run time)\n",
                    bench::Ratio(utilityPercent, bench::CpuPercentOfOneCore(emptyCpu, wall)),
                    bench::Ratio(utilityExact, emptyExact));
    }
    std::printf("  utility / aim of %.1f %%: %.2f (GetProcessTimes), %.2f (run time); %s\n",
                bench::kIdleCpuAimPercent, bench::Ratio(utilityPercent, bench::kIdleCpuAimPercent),
                bench::Ratio(utilityExact, bench::kIdleCpuAimPercent),
                Verdict(std::max(utilityPercent, utilityExact) <= bench::kIdleCpuAimPercent));

    uint64_t utilityBytes = utilityMemory.bytes;
    uint64_t emptyBytes = emptyMemory.bytes;
    uint64_t aim = bench::MemoryAimBytes(emptyBytes);
    std::printf("private memory (%s):\n", utilityMemory.fromPagefileUsage || emptyMemory.fromPagefileUsage
                                              ? "PrivateUsage is 0 under Wine: PagefileUsage"
                                              : "PrivateUsage");
    std::printf("  utility       %8.2f MB\n", static_cast<double>(utilityBytes) / kMegabyte);
    std::printf("  empty dialog  %8.2f MB\n", static_cast<double>(emptyBytes) / kMegabyte);
    std::printf("  utility / empty dialog: %.2fx\n",
                bench::Ratio(static_cast<double>(utilityBytes), static_cast<double>(emptyBytes)));
    std::printf("  utility / aim of %.1fx + %llu MB = %.2f MB: %.2f, %s\n", bench::kMemoryFactorAim,
                static_cast<unsigned long long>(bench::kMemoryAllowanceBytes >> 20),
                static_cast<double>(aim) / kMegabyte,
                bench::Ratio(static_cast<double>(utilityBytes), static_cast<double>(aim)),
                Verdict(emptyBytes != 0 && utilityBytes <= aim));

    if (utilityPid == 0) {
        std::printf("utility threads: the program was not found under Z:\\proc\n");
    } else {
        PrintTasks(utilityPid, utilityUsed, static_cast<double>(wall) / 1e7);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
    }
    bench::Options options = bench::ParseOptions(arguments);
    if (!options.ok) {
        std::printf("bench_main_window: %s\nusage: bench_main_window [--runs N] [--idle-seconds S] "
                    "[--settle-seconds S] [--scenario file]\n",
                    Narrow(std::wstring(options.error.begin(), options.error.end())).c_str());
        return 2;
    }
    std::wstring dist = Folder(Env(L"KT_DIST_DIR"));
    if (dist.empty() || GetFileAttributesW((dist + kUtilityExe).c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::printf("bench_main_window: KT_DIST_DIR must name the install tree holding %s\n",
                    Narrow(kUtilityExe).c_str());
        return 2;
    }
    PrivateInstall install;
    if (!install.Make(dist) || !WriteInstallerValues()) {
        return 1;
    }
    // A pipe of its own, so another simulated adapter in the session is never the one answering.
    std::wstring pipe = L"\\\\.\\pipe\\KtBenchMainWnd" + std::to_wstring(GetCurrentProcessId());
    SetEnvironmentVariableW(L"SKYVANE_PIPE", pipe.c_str());
    std::wstring scenario(options.scenario.begin(), options.scenario.end());
    SetEnvironmentVariableW(L"SKYVANE_SCENARIO", scenario.empty() ? nullptr : WindowsPath(scenario).c_str());
    const std::wstring& folder = install.folder();

    std::printf("KTVA7700v2 main window against an empty dialog program, %d starts each (one warm-up start "
                "each first, not counted)\n",
                options.runs);
    TimeOneStart(kUtility, folder);
    TimeOneStart(kEmpty, folder);
    std::vector<double> utilityTimes, emptyTimes;
    for (int run = 0; run < options.runs; ++run) {
        // Alternating which goes first, so that a slow phase of the machine weighs on both alike.
        const Subject& first = run % 2 == 0 ? kUtility : kEmpty;
        const Subject& second = run % 2 == 0 ? kEmpty : kUtility;
        for (const Subject* subject : {&first, &second}) {
            if (auto ms = TimeOneStart(*subject, folder)) {
                (subject == &kUtility ? utilityTimes : emptyTimes).push_back(*ms);
            }
        }
    }
    std::printf("start to window ready (ms), run by run:\n");
    PrintRuns("utility", utilityTimes);
    PrintRuns("empty dialog", emptyTimes);
    double utilityMedian = bench::Median(utilityTimes);
    double emptyMedian = bench::Median(emptyTimes);
    double utilityNet = utilityMedian - kStartSleepsMs;
    // The fastest starts as well: on a busy machine the slow ones mostly measure the others' load.
    double utilityFastest =
        utilityTimes.empty() ? 0 : *std::min_element(utilityTimes.begin(), utilityTimes.end());
    double emptyFastest = emptyTimes.empty() ? 0 : *std::min_element(emptyTimes.begin(), emptyTimes.end());
    std::printf(
        "  utility median       %8.1f ms; less its %.0f ms of start-up sleeps: %.1f ms (fastest %.1f)\n",
        utilityMedian, kStartSleepsMs, utilityNet, utilityFastest - kStartSleepsMs);
    std::printf("  empty dialog median  %8.1f ms (fastest %.1f)\n", emptyMedian, emptyFastest);
    double ratio = bench::Ratio(utilityNet, emptyMedian);
    std::printf("  utility (less sleeps) / empty dialog: %.3fx; aim at most %.1fx: %s\n", ratio,
                bench::kStartRatioAim, Verdict(emptyMedian > 0 && ratio <= bench::kStartRatioAim));
    std::printf("  fastest against fastest: %.3fx; with the sleeps, medians: %.2fx\n",
                bench::Ratio(utilityFastest - kStartSleepsMs, emptyFastest),
                bench::Ratio(utilityMedian, emptyMedian));

    MeasureIdle(folder, options);
    return 0;
}
