// The Networks tab's work on a full survey, natively: the scan list made from the 64 networks the
// library delivers of a 128-network world (per band filter mode), each sort key in both orders, and the
// page's refill of its rows on the fake host (a whole survey-ended handling, a refill alone, a column
// click), with the rows the fake saw inserted while the list was drawn; then the load graph's step and
// the picture it hands to its canvas. Prints what it measured; asserts nothing. Run on demand:
//
//   cmake --preset host -B build/<dir>
//   cmake --build build/<dir> -j1 --target bench_networks
//   build/<dir>/tests/bench/networks/bench_networks [--runs 200]
//
// The host preset is a debug build with address and undefined-behaviour checks: its times are several
// times those of the shipping build and only compare with each other.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "BenchWorld.h"
#include "app/AppGlobals.h"
#include "controls/CHistogramCtrl.h"
#include "fakes/FakeHost.h"
#include "fakes/FakeKernel.h"
#include "fakes/FakeRegistry.h"
#include "networks/CSiteSurveyDlg.h"
#include "networks/NetworkList.h"
#include "networks/NetworkRules.h"
#include "res/MainWndIds.h"
#include "res/NetworksIds.h"

using benchtiming::PrintHeader;
using benchtiming::PrintRow;
using benchtiming::Samples;
using benchtiming::TimeMicroseconds;

namespace {

constexpr const char* kKeyNames[networks::kSortKeyCount] = {"name",    "address", "security", "capabilities",
                                                            "channel", "signal",  "type",     "802.11n"};

void RegisterPageTemplate() {
    // IDD_DIALOG_SITESURVEY as the .rc lays it out, in pixels of a 96-dpi screen.
    using ui::ControlKind;
    fakes::RegisterTemplate(
        IDD_DIALOG_SITESURVEY,
        {{IDC_STATIC_SITESURVEY_BANNER, ControlKind::Static, {6, 3, 594, 36}, false},
         {IDC_STATIC_SITESURVEY_ADAPTER, ControlKind::Static, {6, 39, 102, 55}, false},
         {IDC_EDIT_SITESURVEY_ADAPTER, ControlKind::Edit, {105, 37, 405, 57}, false},
         {IDC_LIST_SITESURVEY, ControlKind::Report, {6, 39, 594, 169}, true},
         {IDC_STATIC_SITESURVEY_GROUP_SCAN, ControlKind::Button, {6, 172, 594, 231}, false},
         {IDC_STATIC_SITESURVEY_STATUS, ControlKind::Static, {18, 195, 312, 211}, false},
         {IDC_PROGRESS_SITESURVEY, ControlKind::Progress, {321, 192, 582, 211}, false},
         {IDC_STATIC_SITESURVEY_GROUP_HELP, ControlKind::Button, {6, 234, 594, 364}, false},
         {IDC_RICHEDIT_PAGE_HELP, ControlKind::RichText, {15, 250, 585, 357}, false}});
}

void BenchScanList(const std::vector<kernel::BssEntry>& delivered, int runs) {
    const kernel::ConnectionStatus connection{};
    PrintHeader("Scan list (64 delivered of 128)");
    for (int mode = 0; mode <= 2; ++mode) {
        Samples samples;
        for (int run = 0; run < runs; ++run) {
            samples.Add(TimeMicroseconds([&] { networks::ApplySurvey(delivered, mode, connection, 0, 0); }));
        }
        PrintRow("ApplySurvey band mode " + std::to_string(mode), samples,
                 std::to_string(networks::NetworkCount()) + " kept, sorted by name");
    }
    // Each sort starts from the order the survey delivered, as the first click after a survey does.
    for (int key = 0; key < networks::kSortKeyCount; ++key) {
        for (int order = 0; order <= 1; ++order) {
            Samples samples;
            for (int run = 0; run < runs; ++run) {
                networks::ReplaceNetworkList(delivered);
                samples.Add(TimeMicroseconds([&] { networks::SortNetworkList(key, order); }));
            }
            PrintRow("SortNetworkList key " + std::to_string(key) + (order == 0 ? " asc" : " desc"), samples,
                     kKeyNames[key]);
        }
    }
}

void BenchPage(const std::vector<kernel::BssEntry>& world, int runs) {
    fakes::FakeRegistry registry;
    fakes::FakeKernel kernel(registry);
    kernel.networks = world; // all 128: the page offers room for 64
    g_pnKernel = &kernel;
    RegisterPageTemplate();
    CSiteSurveyDlg page;
    fakes::FakeHost host(page);
    host.OpenModeless();
    fakes::FakeControl& list = host.control(IDC_LIST_SITESURVEY);
    ui::ReportControl& report = host.Report(IDC_LIST_SITESURVEY);

    PrintHeader("Networks page on the fake host");
    Samples surveys;
    int insertedWhileDrawn = 0;
    for (int run = 0; run < runs; ++run) {
        page.StartScan();
        page.OnWKSiteSurveyed(); // as the library's thread does: a post to the page
        int before = list.rowsInsertedWhileDrawn;
        surveys.Add(TimeMicroseconds([&] { host.PumpPosted(); }));
        insertedWhileDrawn += list.rowsInsertedWhileDrawn - before;
        kernel.ClearCalls();
    }
    PrintRow("survey ended (list, filter, sort, rows)", surveys,
             std::to_string(report.RowCount()) + " rows; " + std::to_string(insertedWhileDrawn) +
                 " rows inserted while drawn in all");

    Samples refills;
    insertedWhileDrawn = 0;
    for (int run = 0; run < runs; ++run) {
        int before = list.rowsInsertedWhileDrawn;
        refills.Add(TimeMicroseconds([&] { page.FillNetworkList(); }));
        insertedWhileDrawn += list.rowsInsertedWhileDrawn - before;
    }
    PrintRow("FillNetworkList", refills,
             std::to_string(insertedWhileDrawn / runs) + " rows inserted while drawn per refill");

    // A column click: the sort with the column's key, then the refill.
    for (int column = 0; column < networks::kColumnCount; ++column) {
        Samples clicks;
        insertedWhileDrawn = 0;
        for (int run = 0; run < runs; ++run) {
            ui::Notify notify;
            notify.id = IDC_LIST_SITESURVEY;
            notify.code = ui::kColumnClick;
            notify.item = -1;
            notify.subItem = column;
            int before = list.rowsInsertedWhileDrawn;
            clicks.Add(TimeMicroseconds([&] { host.Notify(notify); }));
            insertedWhileDrawn += list.rowsInsertedWhileDrawn - before;
        }
        int key = networks::SortKeyOfColumn(column);
        PrintRow("column " + std::to_string(column) + " click (key " + std::to_string(key) + ")", clicks,
                 std::string(kKeyNames[key]) + ", both orders; " + std::to_string(insertedWhileDrawn / runs) +
                     " rows inserted while drawn per refill");
    }
    host.Destroy();
    g_pnKernel = nullptr;
}

void BenchGraph(int runs) {
    // The Statistics page's graph: 326 x 46 dialog units less its client edge, at 96 dpi.
    constexpr int kWidth = 485;
    constexpr int kHeight = 71;
    CHistogramCtrl graph;
    if (!graph.Create(kWidth, kHeight, [](uint32_t) {})) {
        std::printf("\nthe graph could not be created\n");
        return;
    }
    graph.SetRange(1, 100);
    graph.Reset();
    graph.SetPen(1, CHistogramCtrl::kDefaultPen);
    // A full width of line first: the picture then holds as much as it ever will.
    uint32_t value = 37;
    for (int step = 0; step < kWidth / CHistogramCtrl::kScrollStep + 8; ++step) {
        value = (value * 73 + 11) % 101;
        graph.AddValue(value + 1);
        graph.Step();
    }
    Samples steps;
    Samples pictures;
    size_t items = 0;
    for (int run = 0; run < runs; ++run) {
        value = (value * 73 + 11) % 101;
        graph.AddValue(value + 1);
        steps.Add(TimeMicroseconds([&] { graph.Step(); }));
        pictures.Add(TimeMicroseconds([&] { items = graph.Picture().items.size(); }));
    }
    PrintHeader("Load graph");
    PrintRow("CHistogramCtrl::Step", steps, "one value queued per step");
    PrintRow("CHistogramCtrl::Picture", pictures,
             std::to_string(kWidth) + " x " + std::to_string(kHeight) + " px, " + std::to_string(items) +
                 " items");
}

} // namespace

int main(int argc, char** argv) {
    int runs = 200;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    const std::vector<kernel::BssEntry> world = benchworld::Delivered(benchworld::kWorldNetworks);
    const std::vector<kernel::BssEntry> delivered = benchworld::Delivered(networks::kMaxNetworks);
    std::printf("Networks tab, native: a world of %zu networks, %zu delivered per survey; %d runs each\n",
                world.size(), delivered.size(), runs);
    BenchScanList(delivered, runs);
    BenchPage(world, runs);
    BenchGraph(runs);
    networks::ResetNetworkList();
    return 0;
}
