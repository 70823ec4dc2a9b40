// The Statistics page on the fake host, with the template as src/res/Statistics.rc declares it, an
// in-memory interface row and a fake clock. The tests call the sampler's step themselves and pump the
// page's posted messages, as its thread would see them.
#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "app/AppGlobals.h"
#include "app/Language.h"
#include "base/IniFile.h"
#include "base/Text.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeHost.h"
#include "fakes/FakeInterfaceCounters.h"
#include "fakes/FakeKernel.h"
#include "fakes/FakeRegistry.h"
#include "mainwnd/LinkStatus.h"
#include "mainwnd/MainWndMessages.h"
#include "networks/CStatisticsDlg.h"
#include "networks/StatisticsMeter.h"
#include "res/AppIds.h"
#include "res/MainWndIds.h"
#include "res/StatisticsIds.h"

namespace {

using ui::ControlKind;

constexpr uint32_t kIndex = 7;

// Pixels of a 96-dpi screen for the template's dialog units.
void RegisterStatisticsTemplate() {
    fakes::RegisterTemplate(
        IDD_DIALOG_STATISTICS,
        {
            {IDC_STATIC_STATISTICS_BANNER, ControlKind::Static, {6, 3, 594, 36}, false},
            {IDC_STATIC_STATISTICS_ADAPTER, ControlKind::Static, {6, 39, 102, 55}, false},
            {IDC_EDIT_STATISTICS_ADAPTER, ControlKind::Edit, {105, 37, 405, 57}, false},
            {IDC_STATIC_STATISTICS_GROUP_PERFORMANCE, ControlKind::Button, {6, 39, 594, 136}, false},
            {IDC_STATIC_STATISTICS_PICTURE, ControlKind::Static, {18, 55, 84, 130}, false},
            {IDC_STATIC_STATISTICS_BAR, ControlKind::Canvas, {20, 57, 82, 110}, false},
            {IDC_STATIC_STATISTICS_PERCENT, ControlKind::Canvas, {20, 110, 82, 128}, false},
            {IDC_STATIC_STATISTICS_GRAPH, ControlKind::Canvas, {93, 55, 582, 130}, true},
            {IDC_BUTTON_STATISTICS_TRANSMIT, ControlKind::Button, {18, 140, 138, 156}, true},
            {IDC_BUTTON_STATISTICS_RECEIVE, ControlKind::Button, {150, 140, 270, 156}, false},
            {IDC_BUTTON_STATISTICS_TX_RX, ControlKind::Button, {282, 140, 432, 156}, false},
            {IDC_STATIC_STATISTICS_GROUP_TRANSMIT, ControlKind::Button, {6, 158, 297, 231}, false},
            {IDC_STATIC_STATISTICS_TX_BPS, ControlKind::Static, {18, 174, 168, 187}, false},
            {IDC_STATIC_STATISTICS_TX_PACKET, ControlKind::Static, {18, 187, 168, 200}, false},
            {IDC_STATIC_STATISTICS_TOTAL_TX_PACKET, ControlKind::Static, {18, 200, 168, 213}, false},
            {IDC_STATIC_STATISTICS_TX_ERROR, ControlKind::Static, {18, 213, 168, 226}, false},
            {IDC_STATIC_STATISTICS_TX_BPS_VALUE, ControlKind::Static, {171, 174, 276, 187}, false},
            {IDC_STATIC_STATISTICS_TX_PACKET_VALUE, ControlKind::Static, {171, 187, 276, 200}, false},
            {IDC_STATIC_STATISTICS_TOTAL_TX_PACKET_VALUE, ControlKind::Static, {171, 200, 276, 213}, false},
            {IDC_STATIC_STATISTICS_TX_ERROR_VALUE, ControlKind::Static, {171, 213, 276, 226}, false},
            {IDC_STATIC_STATISTICS_GROUP_RECEIVE, ControlKind::Button, {303, 158, 594, 231}, false},
            {IDC_STATIC_STATISTICS_RX_BPS, ControlKind::Static, {315, 174, 465, 187}, false},
            {IDC_STATIC_STATISTICS_RX_PACKET, ControlKind::Static, {315, 187, 465, 200}, false},
            {IDC_STATIC_STATISTICS_TOTAL_RX_PACKET, ControlKind::Static, {315, 200, 465, 213}, false},
            {IDC_STATIC_STATISTICS_RX_ERROR, ControlKind::Static, {315, 213, 465, 226}, false},
            {IDC_STATIC_STATISTICS_RX_BPS_VALUE, ControlKind::Static, {468, 174, 573, 187}, false},
            {IDC_STATIC_STATISTICS_RX_PACKET_VALUE, ControlKind::Static, {468, 187, 573, 200}, false},
            {IDC_STATIC_STATISTICS_TOTAL_RX_PACKET_VALUE, ControlKind::Static, {468, 200, 573, 213}, false},
            {IDC_STATIC_STATISTICS_RX_ERROR_VALUE, ControlKind::Static, {468, 213, 573, 226}, false},
            {IDC_STATIC_STATISTICS_GROUP_HELP, ControlKind::Button, {6, 234, 594, 364}, false},
            {IDC_RICHEDIT_PAGE_HELP, ControlKind::RichText, {15, 250, 585, 358}, false},
        });
}

platform::InterfaceRow Row(uint32_t txOctets, uint32_t rxOctets) {
    platform::InterfaceRow row;
    row.outOctets = txOctets;
    row.inOctets = rxOctets;
    row.outUnicastPackets = 10;
    row.inUnicastPackets = 20;
    row.physicalAddressLength = 6;
    return row;
}

const ui::ControlId kValues[] = {
    IDC_STATIC_STATISTICS_TX_BPS_VALUE,          IDC_STATIC_STATISTICS_RX_BPS_VALUE,
    IDC_STATIC_STATISTICS_TX_PACKET_VALUE,       IDC_STATIC_STATISTICS_RX_PACKET_VALUE,
    IDC_STATIC_STATISTICS_TOTAL_TX_PACKET_VALUE, IDC_STATIC_STATISTICS_TOTAL_RX_PACKET_VALUE,
    IDC_STATIC_STATISTICS_TX_ERROR_VALUE,        IDC_STATIC_STATISTICS_RX_ERROR_VALUE,
};

class StatisticsDlgTest : public ::testing::Test {
protected:
    StatisticsDlgTest() {
        ResetAppGlobals();
        ResetLanguage();
        base::IniFile::ClearCache();
        mainwnd::ResetLinkStatus();
        RegisterStatisticsTemplate();
        page.SetStartSamplerThread(false);
        host.Strict();
    }
    ~StatisticsDlgTest() override {
        if (!host.destroyed()) {
            host.Destroy();
        }
        fakes::ForgetTemplates();
        mainwnd::ResetLinkStatus();
    }

    // One sampler round at the given row, a second after the previous one.
    void Sample(const platform::InterfaceRow& row) {
        counters.SetRow(kIndex, row);
        page.Sampler().Step();
        clock.Advance(networks::kSamplePeriodMs - networks::kSampleSettleMs);
    }
    std::u16string Text(ui::ControlId id) { return host.control(id).text; }
    std::u16string Percent() { return host.control(IDC_STATIC_STATISTICS_PERCENT).picture.JoinedTexts(); }
    // Lit segments of the bar.
    int LitSegments() {
        int lit = 0;
        for (const ui::PictureItem& item : host.control(IDC_STATIC_STATISTICS_BAR).picture.items) {
            if (const auto* fill = std::get_if<ui::PictureFill>(&item);
                fill && fill->color == networks::kMeterLit) {
                ++lit;
            }
        }
        return lit;
    }
    int Segments() { return static_cast<int>(host.control(IDC_STATIC_STATISTICS_BAR).picture.items.size()); }

    fakes::FakeInterfaceCounters counters;
    fakes::FakeClock clock;
    bool present = true;
    CStatisticsDlg page{counters, clock, {[this] { return present; }, [] { return kIndex; }}};
    // The page's own size: 400 by 156 dialog units.
    fakes::FakeHost host{page, {0, 0, 600, 254}};
};

TEST_F(StatisticsDlgTest, OpensWithItsTextsZeroesTotalChosenAndTheGraphScrolling) {
    host.Open();
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_GROUP_PERFORMANCE), u"Transmit / Receive Performance (%)");
    EXPECT_EQ(Text(IDC_BUTTON_STATISTICS_TX_RX), u"Total (TX/RX)");
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_TOTAL_RX_PACKET), u"Total Rx Packets:");
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_TX_ERROR), u"Tx Error:");
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_ADAPTER), u"Selected Adapter:");
    EXPECT_FALSE(host.control(IDC_STATIC_STATISTICS_ADAPTER).visible);
    EXPECT_FALSE(host.control(IDC_EDIT_STATISTICS_ADAPTER).visible);
    EXPECT_FALSE(host.control(IDC_STATIC_STATISTICS_GROUP_HELP).visible);

    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_TX_BPS_VALUE), u"0.00");
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_RX_BPS_VALUE), u"0.00");
    for (ui::ControlId id :
         {IDC_STATIC_STATISTICS_TX_PACKET_VALUE, IDC_STATIC_STATISTICS_TOTAL_RX_PACKET_VALUE,
          IDC_STATIC_STATISTICS_RX_ERROR_VALUE}) {
        EXPECT_EQ(Text(id), u"0") << id;
    }
    EXPECT_EQ(Percent(), u"0%");
    EXPECT_EQ(LitSegments(), 0);
    EXPECT_GT(Segments(), 0);
    EXPECT_TRUE(host.control(IDC_BUTTON_STATISTICS_TX_RX).checked);
    EXPECT_FALSE(host.control(IDC_BUTTON_STATISTICS_TRANSMIT).checked);
    EXPECT_EQ(page.Sampler().Mode(), networks::GraphMode::Total);

    EXPECT_TRUE(host.TimerRunning(CStatisticsDlg::kTimerGraph));
    EXPECT_EQ(host.TimerInterval(CStatisticsDlg::kTimerGraph), 1000u);
    // The graph fills its placeholder inside the client edge.
    const ui::Picture& graph = host.control(IDC_STATIC_STATISTICS_GRAPH).picture;
    EXPECT_EQ(graph.width, 489 - 2 * CStatisticsDlg::kGraphEdge);
    EXPECT_EQ(graph.height, 75 - 2 * CStatisticsDlg::kGraphEdge);
    EXPECT_EQ(graph.background, CHistogramCtrl::kBackground);
}

TEST_F(StatisticsDlgTest, SamplesReachTheControlsOnlyOnThePagesThread) {
    host.Open();
    Sample(Row(1000, 1000));
    Sample(Row(1000 + 5'000'000, 1000 + 125'000)); // 40 and 1 Mbit/s
    // Taken on the sampler's thread: nothing shown yet.
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_TX_BPS_VALUE), u"0.00");
    host.PumpPosted();
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_TX_BPS_VALUE), u"40.00");
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_RX_BPS_VALUE), u"1.00");
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_TOTAL_TX_PACKET_VALUE), u"10");
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_TOTAL_RX_PACKET_VALUE), u"20");
    // Total: 41 Mbit/s of 54.
    EXPECT_EQ(Percent(), u"75%");
    EXPECT_EQ(page.BarPosition(), 75);
}

TEST_F(StatisticsDlgTest, FortyMegabitsTransmitFillTheMeterAndTopTheGraph) {
    host.Open();
    host.control(IDC_BUTTON_STATISTICS_TX_RX).checked = false;
    host.control(IDC_BUTTON_STATISTICS_TRANSMIT).checked = true;
    host.Click(IDC_BUTTON_STATISTICS_TRANSMIT);
    EXPECT_EQ(page.Sampler().Mode(), networks::GraphMode::Transmit);
    Sample(Row(1000, 1000));
    host.PumpPosted();
    host.FireTimer(CStatisticsDlg::kTimerGraph); // the quiet first sample: one step above the bottom
    int bottom = page.Graph().NoLine() - 1;
    EXPECT_EQ(page.Graph().CurrentHeight(), bottom - bottom / 100);

    Sample(Row(1000 + 5'000'000, 1000));
    host.PumpPosted();
    EXPECT_EQ(Percent(), u"100%");
    EXPECT_EQ(page.BarPosition(), 148);
    EXPECT_EQ(LitSegments(), Segments());
    host.FireTimer(CStatisticsDlg::kTimerGraph);
    EXPECT_EQ(page.Graph().CurrentHeight(), 0); // 149 kept as 100
}

TEST_F(StatisticsDlgTest, AnUnreadableRowBringsTheNumbersBackToZeroAndNoAdapterKeepsThem) {
    host.Open();
    Sample(Row(1000, 1000));
    Sample(Row(1000 + 1'000'000, 1000 + 1'000'000));
    host.PumpPosted();
    ASSERT_EQ(Text(IDC_STATIC_STATISTICS_TX_BPS_VALUE), u"8.00");

    size_t queued = page.Graph().Queued();
    present = false;
    counters.RemoveRow(kIndex);
    page.Sampler().Step();
    host.PumpPosted();
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_TX_BPS_VALUE), u"8.00");
    EXPECT_EQ(Text(IDC_STATIC_STATISTICS_TOTAL_TX_PACKET_VALUE), u"10");

    present = true;
    page.Sampler().Step();
    host.PumpPosted();
    for (ui::ControlId id : kValues) {
        std::u16string expected =
            id == IDC_STATIC_STATISTICS_TX_BPS_VALUE || id == IDC_STATIC_STATISTICS_RX_BPS_VALUE ? u"0.00"
                                                                                                 : u"0";
        EXPECT_EQ(Text(id), expected) << id;
    }
    EXPECT_EQ(Percent(), u"0%");
    EXPECT_EQ(page.BarPosition(), 0);
    EXPECT_EQ(page.Graph().Queued(), queued); // nothing for the graph
}

TEST_F(StatisticsDlgTest, TheGraphScrollsOnlyWhileThePageIsShown) {
    host.Open();
    host.ShowWindow(false);
    host.FireTimer(CStatisticsDlg::kTimerGraph);
    EXPECT_EQ(page.Graph().GridPhase(), CHistogramCtrl::kGridStep);
    host.ShowWindow(true);
    host.FireTimer(CStatisticsDlg::kTimerGraph);
    EXPECT_EQ(page.Graph().GridPhase(), CHistogramCtrl::kGridStep - CHistogramCtrl::kScrollStep);
}

TEST_F(StatisticsDlgTest, TheAdapterNameIsFilledWhenTheFieldIsEmpty) {
    host.Open();
    fakes::FakeRegistry registry;
    fakes::FakeKernel kernel(registry);
    base::CopyToField(kernel.adapterState.adapterName, u"Orvelin Wireless Adapter");
    mainwnd::RefreshLinkRecords(kernel);
    page.OnAdapterArrived();
    EXPECT_EQ(Text(IDC_EDIT_STATISTICS_ADAPTER), u"Orvelin Wireless Adapter");
    base::CopyToField(kernel.adapterState.adapterName, u"Another");
    mainwnd::RefreshLinkRecords(kernel);
    page.OnAdapterArrived();
    EXPECT_EQ(Text(IDC_EDIT_STATISTICS_ADAPTER), u"Orvelin Wireless Adapter");
}

TEST_F(StatisticsDlgTest, TheHelpGroupFramesThePaneWhileTheHelpIsOpen) {
    host.Open();
    page.ShowHelp(true);
    EXPECT_TRUE(host.control(IDC_STATIC_STATISTICS_GROUP_HELP).visible);
    EXPECT_TRUE(host.control(IDC_RICHEDIT_PAGE_HELP).visible);
    ui::Rect pane = host.control(IDC_RICHEDIT_PAGE_HELP).GetRect();
    ui::Rect group = host.control(IDC_STATIC_STATISTICS_GROUP_HELP).GetRect();
    EXPECT_TRUE(group.Contains(pane));
    EXPECT_LE(group.bottom, host.window().Height());
    page.ShowHelp(false);
    EXPECT_FALSE(host.control(IDC_STATIC_STATISTICS_GROUP_HELP).visible);
}

// Holds the page in a tab's display area, as the main window does, and hears what the page forwards.
class PageHolder final : public ui::Dialog {
public:
    explicit PageHolder(CStatisticsDlg& page) : ui::Dialog(IDD_NETUI_DIALOG), m_page(page) {}
    bool OnInit() override {
        host().CreatePage(m_page, IDC_TAB_MAIN);
        host().ShowPage(m_page, true);
        return true;
    }
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t&) override {
        heard.push_back({message, wParam, lParam});
        return true;
    }
    std::vector<fakes::FakeHost::Posted> heard;

private:
    CStatisticsDlg& m_page;
};

TEST(StatisticsDlgLetters, AltLettersGoToTheMainWindowsButtons) {
    RegisterStatisticsTemplate();
    fakes::RegisterTemplate(IDD_NETUI_DIALOG, {{IDC_TAB_MAIN, ControlKind::Tab, {9, 10, 501, 296}, true}});
    fakes::FakeInterfaceCounters counters;
    fakes::FakeClock clock;
    CStatisticsDlg page(counters, clock, {[] { return false; }, [] { return kIndex; }});
    page.SetStartSamplerThread(false);
    PageHolder holder(page);
    fakes::FakeHost window(holder);
    window.Open();
    fakes::FakeHost* pageHost = window.Page(page);
    ASSERT_NE(pageHost, nullptr);
    pageHost->PressMenuKey(u'h');
    window.PumpPosted();
    ASSERT_EQ(holder.heard.size(), 1u);
    EXPECT_EQ(holder.heard[0].message, 0x8067u);
    EXPECT_EQ(holder.heard[0].wParam, 1u);
    EXPECT_EQ(holder.heard[0].lParam, u'h');
    window.Destroy();
    fakes::ForgetTemplates();
}

// The program's page samples on a thread of its own from opening to close, and the close joins it.
TEST(StatisticsDlgThread, RunsFromOpeningToClose) {
    RegisterStatisticsTemplate();
    fakes::FakeInterfaceCounters counters;
    counters.SetRow(kIndex, Row(1000, 1000));
    fakes::FakeClock clock;
    {
        CStatisticsDlg page(counters, clock, {[] { return true; }, [] { return kIndex; }});
        fakes::FakeHost host(page);
        host.Open();
        EXPECT_TRUE(page.SamplerRunning());
        host.Destroy();
        EXPECT_FALSE(page.SamplerRunning());
        host.PumpPosted(); // whatever it sent meanwhile is dropped or shown, never touches a closed page
    }
    fakes::ForgetTemplates();
}

} // namespace
