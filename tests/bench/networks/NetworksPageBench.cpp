// The real Networks page and load graph on Win32 windows under Wine, in a program of ours that hosts
// them the way the utility does (the program's templates, its dialog host, the stand-in service library
// loaded in-process over a 128-network world, of which a survey delivers 64). Message hooks of another
// process cannot count a window's paints, so the page lives here. Measured:
//   - each survey's end after Scan: the handling of the library's report (list, filter, sort, rows);
//   - each column click (sort and refill) and a refill alone: the handler's time, the list's WM_PAINTs
//     and their time until the list is drawn again;
//   - throughout, a ping from another thread (a posted message answered on the page's thread): its
//     longest round trip is the longest the window stopped answering;
//   - the Statistics page's graph step (its timer message) and paint, and every WM_ERASEBKGND that
//     reaches the graph's canvas.
// Prints the figures; asserts nothing. Run on demand:
//
//   cmake --preset win64 -B build/<dir>
//   cmake --build build/<dir> -j1 --target bench_networks_page
//   tests/wine/wine-session start /tmp/kt-bench
//   tests/wine/wine-session run /tmp/kt-bench build/<dir>/tests/bench/networks/bench_networks_page.exe
//       [--scans 10] [--rounds 10] [--steps 200]                                   (all optional)
//   tests/wine/wine-session stop /tmp/kt-bench
//
// The stand-in library is taken from beside the program (the build copies it there); its scenario is
// written to the temporary folder and its control pipe is private to the run.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "BenchTiming.h"
#include "BenchWorld.h"
#include "app/AppGlobals.h"
#include "base/Encoding.h"
#include "networks/CSiteSurveyDlg.h"
#include "networks/CStatisticsDlg.h"
#include "networks/NetworkList.h"
#include "platform/InterfaceCounters.h"
#include "platform/win32/WinClock.h"
#include "res/NetworksIds.h"
#include "res/StatisticsIds.h"
#include "ui/win32/DialogWindow.h"

using benchtiming::Clock;
using benchtiming::MicrosecondsSince;
using benchtiming::PrintHeader;
using benchtiming::PrintRow;
using benchtiming::Samples;

namespace {

constexpr uint32_t kScanDelayMs = 150;
constexpr UINT kMsgPing = WM_APP + 0x21;
constexpr wchar_t kHostClass[] = L"KtBenchNetworksHost";
constexpr uintptr_t kCountingSubclass = 0x4B54;

// What reaches one control's window procedure.
struct WindowCounts {
    int paints = 0;
    int erases = 0;
    double paintMicroseconds = 0;
};

LRESULT CALLBACK CountingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR data) {
    auto* counts = reinterpret_cast<WindowCounts*>(data);
    if (message == WM_ERASEBKGND) {
        ++counts->erases;
    } else if (message == WM_PAINT) {
        ++counts->paints;
        Clock::time_point start = Clock::now();
        LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        counts->paintMicroseconds += MicrosecondsSince(start);
        return result;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The page's thread answers a ping by setting this event.
HANDLE g_pong = nullptr;

LRESULT CALLBACK HostProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgPing) {
        SetEvent(g_pong);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Round trips of a posted message to the host window, from a thread of its own, tagged with the phase
// the benchmark was in when the ping was sent.
class Pinger {
public:
    explicit Pinger(HWND target) : m_target(target) {
        m_thread = std::thread([this] { Run(); });
    }
    ~Pinger() {
        m_stop = true;
        m_thread.join();
    }
    void SetPhase(int phase) { m_phase = phase; }
    Samples Of(int phase) {
        std::lock_guard lock(m_mutex);
        Samples samples;
        for (const auto& [p, microseconds] : m_trips) {
            if (p == phase) {
                samples.Add(microseconds);
            }
        }
        return samples;
    }

private:
    void Run() {
        while (!m_stop) {
            int phase = m_phase;
            Clock::time_point start = Clock::now();
            PostMessageW(m_target, kMsgPing, 0, 0);
            // The bound only keeps a wedged window from hanging the run; a stall that long shows as such.
            WaitForSingleObject(g_pong, 30000);
            double trip = MicrosecondsSince(start);
            {
                std::lock_guard lock(m_mutex);
                m_trips.emplace_back(phase, trip);
            }
            Sleep(1); // one ping in flight at a time, without keeping a core busy
        }
    }

    HWND m_target;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_phase{0};
    std::mutex m_mutex;
    std::vector<std::pair<int, double>> m_trips;
    std::thread m_thread;
};

// The survey's end as the page receives it: the library's report, which the page posted to itself.
struct SurveyWatch {
    HWND page = nullptr;
    const WindowCounts* list = nullptr;
    Samples ends;            // time of each handling
    int paintsAtLastEnd = 0; // the list's paints before the last handling began
};

void Dispatch(MSG& msg, SurveyWatch* watch) {
    if (watch != nullptr && msg.hwnd == watch->page && msg.message == CSiteSurveyDlg::kMsgSurveyEvent &&
        msg.wParam == 7) {
        watch->paintsAtLastEnd = watch->list->paints;
        Clock::time_point start = Clock::now();
        DispatchMessageW(&msg);
        watch->ends.Add(MicrosecondsSince(start));
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

// Runs the thread's messages until none is waiting and `window` has nothing left to paint.
void PumpUntilDrawn(HWND window, SurveyWatch* watch = nullptr) {
    for (;;) {
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Dispatch(msg, watch);
            continue;
        }
        if (!GetUpdateRect(window, nullptr, FALSE)) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Runs messages until `done` (the survey's end arrives on the library's thread after the scan delay);
// the bound only keeps a lost report from hanging the run.
template <class F> bool PumpUntil(F done, SurveyWatch* watch, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Dispatch(msg, watch);
        }
    }
    return true;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

bool WriteScenario(const std::wstring& path) {
    std::string text = base::Utf16ToUtf8(benchworld::ScenarioText(kScanDelayMs));
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size();
    CloseHandle(file);
    return ok;
}

kernel::IWirelessKernel* LoadServiceLibrary() {
    HMODULE library = LoadLibraryW((ProgramFolder() + L"Skyvane.dll").c_str());
    if (library == nullptr) {
        return nullptr;
    }
    using GetInstance = kernel::IWirelessKernel* (*)();
    auto get =
        reinterpret_cast<GetInstance>(reinterpret_cast<void*>(GetProcAddress(library, "GetSkyvaneInstance")));
    return get != nullptr ? get() : nullptr;
}

std::string Paints(int paints, int refills) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f list paints per refill",
                  refills > 0 ? double(paints) / refills : 0.0);
    return text;
}

void PrintPings(const char* label, Pinger& pinger, int phase) {
    Samples trips = pinger.Of(phase);
    PrintRow(std::string("ping round trip: ") + label, trips, "max is the longest stall");
}

// Counters that never answer: the graph is stepped here, the sampler stays off.
class NoCounters final : public platform::InterfaceCounters {
public:
    bool ReadRow(uint32_t, platform::InterfaceRow&) override { return false; }
};

void BenchGraph(HWND host, Pinger& pinger, int steps) {
    platform::win32::WinClock clock;
    NoCounters counters;
    CStatisticsDlg page(counters, clock, {[] { return false; }, [] { return 0u; }});
    page.SetStartSamplerThread(false);
    HWND hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), host, page);
    if (hwnd == nullptr) {
        std::printf("\nthe Statistics page could not be created, error %lu\n", GetLastError());
        return;
    }
    ShowWindow(hwnd, SW_SHOW);
    HWND canvas = GetDlgItem(hwnd, IDC_STATIC_STATISTICS_GRAPH);
    WindowCounts counts;
    SetWindowSubclass(canvas, CountingProcedure, kCountingSubclass, reinterpret_cast<DWORD_PTR>(&counts));
    // Steps come from this loop, not from the page's one-second timer.
    KillTimer(hwnd, CStatisticsDlg::kTimerGraph);
    PumpUntilDrawn(canvas);
    WindowCounts opened = counts;

    pinger.SetPhase(4);
    Samples stepTimes;
    Samples drawnTimes;
    counts = {};
    for (int step = 0; step < steps; ++step) {
        Clock::time_point start = Clock::now();
        SendMessageW(hwnd, WM_TIMER, CStatisticsDlg::kTimerGraph, 0);
        stepTimes.Add(MicrosecondsSince(start));
        PumpUntilDrawn(canvas);
        drawnTimes.Add(MicrosecondsSince(start));
    }
    pinger.SetPhase(0);
    PrintHeader("Load graph on the Statistics page");
    PrintRow("graph step (timer message)", stepTimes, "step, picture, canvas handed it");
    PrintRow("graph step until painted", drawnTimes,
             std::to_string(counts.paints) + " paints for " + std::to_string(steps) + " steps, " +
                 std::to_string(int(counts.paintMicroseconds / std::max(1, counts.paints))) + " us each");
    std::printf("graph canvas WM_ERASEBKGND: %d while opening, %d during the %d steps\n", opened.erases,
                counts.erases, steps);
    PrintPings("graph steps", pinger, 4);
    RemoveWindowSubclass(canvas, CountingProcedure, kCountingSubclass);
    DestroyWindow(hwnd);
}

int Argument(int argc, wchar_t** argv, const wchar_t* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::wstring(argv[i]) == name) {
            return std::max(1, _wtoi(argv[i + 1]));
        }
    }
    return fallback;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int scans = Argument(argc, argv, L"--scans", 10);
    const int rounds = Argument(argc, argv, L"--rounds", 10);
    const int steps = Argument(argc, argv, L"--steps", 200);
    // Every click and refill on a line of its own, in order, to see a trend the medians hide.
    const bool verbose = Argument(argc, argv, L"--verbose", 0) > 0;

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring scenario =
        std::wstring(temp) + L"kt-bench-networks-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    if (!WriteScenario(scenario)) {
        std::printf("cannot write the scenario file\n");
        return 1;
    }
    SetEnvironmentVariableW(L"SKYVANE_SCENARIO", scenario.c_str());
    SetEnvironmentVariableW(
        L"SKYVANE_PIPE", (L"\\\\.\\pipe\\KtBenchNetworks." + std::to_wstring(GetCurrentProcessId())).c_str());
    kernel::IWirelessKernel* service = LoadServiceLibrary();
    if (service == nullptr) {
        std::printf("Skyvane.dll beside the benchmark could not be loaded\n");
        return 1;
    }
    service->Start();
    g_pnKernel = service;
    DevicePresent = true;

    ui::win32::InitControls();
    g_pong = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = HostProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    RegisterClassExW(&wc);
    HWND host = CreateWindowExW(0, kHostClass, L"Networks benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20,
                                20, 720, 520, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);

    CSiteSurveyDlg page;
    HWND hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), host, page);
    if (hwnd == nullptr) {
        std::printf("the Networks page could not be created, error %lu\n", GetLastError());
        return 1;
    }
    ShowWindow(hwnd, SW_SHOW);
    HWND list = GetDlgItem(hwnd, IDC_LIST_SITESURVEY);
    WindowCounts counts;
    SetWindowSubclass(list, CountingProcedure, kCountingSubclass, reinterpret_cast<DWORD_PTR>(&counts));
    PumpUntilDrawn(list);
    std::printf("Networks page under Wine: a world of %zu networks, at most %u delivered per survey\n",
                benchworld::kWorldNetworks, networks::kMaxNetworks);

    Pinger pinger(host);
    // Phase 1: the window idle, as a reference for the pings.
    pinger.SetPhase(1);
    PumpUntil([start = GetTickCount()] { return GetTickCount() - start > 500; }, nullptr, 1000);

    // Phase 2: Scan, as the main window's Scan button does, until the survey's end is shown.
    pinger.SetPhase(2);
    SurveyWatch watch{hwnd, &counts, {}, 0};
    int refillPaints = 0;
    int missed = 0;
    for (int scan = 0; scan < scans; ++scan) {
        page.StartScan();
        size_t before = watch.ends.Count();
        bool ended = PumpUntil([&] { return watch.ends.Count() > before; }, &watch, 10000);
        PumpUntilDrawn(list, &watch);
        if (!ended) {
            ++missed;
            continue;
        }
        refillPaints += counts.paints - watch.paintsAtLastEnd;
    }
    pinger.SetPhase(0);
    PrintHeader("Networks page: Scan");
    PrintRow("survey ended (report to rows)", watch.ends,
             std::to_string(ListView_GetItemCount(list)) + " rows; " + Paints(refillPaints, scans - missed) +
                 (missed > 0 ? "; " + std::to_string(missed) + " surveys never ended" : ""));
    PrintPings("idle", pinger, 1);
    PrintPings("scans", pinger, 2);

    // Phase 3: each column clicked twice (both orders), round after round; the loop runs between clicks
    // as it does between a user's clicks.
    pinger.SetPhase(3);
    PrintHeader("Networks page: column clicks (sort and refill)");
    for (int column = 0; column < 8; ++column) {
        Samples handler;
        Samples drawn;
        int paints = 0;
        double paintMicroseconds = 0;
        for (int round = 0; round < rounds; ++round) {
            for (int order = 0; order < 2; ++order) {
                NMLISTVIEW click{};
                click.hdr.hwndFrom = list;
                click.hdr.idFrom = IDC_LIST_SITESURVEY;
                click.hdr.code = LVN_COLUMNCLICK;
                click.iItem = -1;
                click.iSubItem = column;
                WindowCounts before = counts;
                Clock::time_point start = Clock::now();
                SendMessageW(hwnd, WM_NOTIFY, IDC_LIST_SITESURVEY, reinterpret_cast<LPARAM>(&click));
                handler.Add(MicrosecondsSince(start));
                if (verbose) {
                    std::printf("  click column %d round %d order %d: %.1f us\n", column, round, order,
                                MicrosecondsSince(start));
                }
                PumpUntilDrawn(list);
                drawn.Add(MicrosecondsSince(start));
                paints += counts.paints - before.paints;
                paintMicroseconds += counts.paintMicroseconds - before.paintMicroseconds;
            }
        }
        PrintRow("column " + std::to_string(column) + " click", handler,
                 Paints(paints, 2 * rounds) + ", " +
                     std::to_string(int(paintMicroseconds / std::max(1, paints))) + " us each");
        PrintRow("column " + std::to_string(column) + " click until drawn", drawn);
    }
    pinger.SetPhase(0);
    PrintPings("column clicks", pinger, 3);

    // Phase 4 (first half): the refill alone, as the wizard and a language change call it.
    pinger.SetPhase(5);
    Samples refills;
    Samples refillsDrawn;
    WindowCounts before = counts;
    for (int run = 0; run < 2 * rounds; ++run) {
        Clock::time_point start = Clock::now();
        page.FillNetworkList();
        refills.Add(MicrosecondsSince(start));
        if (verbose) {
            std::printf("  refill %d: %.1f us\n", run, MicrosecondsSince(start));
        }
        PumpUntilDrawn(list);
        refillsDrawn.Add(MicrosecondsSince(start));
    }
    pinger.SetPhase(0);
    PrintHeader("Networks page: FillNetworkList alone");
    PrintRow("FillNetworkList", refills, Paints(counts.paints - before.paints, 2 * rounds));
    PrintRow("FillNetworkList until drawn", refillsDrawn,
             "list erases: " + std::to_string(counts.erases - before.erases));
    PrintPings("refills", pinger, 5);

    RemoveWindowSubclass(list, CountingProcedure, kCountingSubclass);
    DestroyWindow(hwnd);
    PumpUntilDrawn(host);

    BenchGraph(host, pinger, steps);

    DestroyWindow(host);
    g_pnKernel = nullptr;
    DeleteFileW(scenario.c_str());
    std::fflush(stdout);
    // The library's threads end with the process.
    ExitProcess(0);
}
