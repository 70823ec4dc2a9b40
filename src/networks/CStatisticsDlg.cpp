#include "networks/CStatisticsDlg.h"

#include <vector>

#include "app/Language.h"
#include "base/Format.h"
#include "base/Text.h"
#include "mainwnd/LinkStatus.h"
#include "mainwnd/MainWndMessages.h"
#include "networks/StatisticsMeter.h"
#include "res/MainWndIds.h"
#include "res/StatisticsIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_STATISTICS";

struct TextItem {
    ui::ControlId id;
    std::u16string_view key;
    std::u16string_view defaultText;
};

// The page's texts: each control's key is its resource name.
constexpr TextItem kTexts[] = {
    {IDC_STATIC_STATISTICS_GROUP_PERFORMANCE, u"IDC_STATIC_STATISTICS_GROUP_PERFORMANCE",
     u"Transmit / Receive Performance (%)"},
    {IDC_STATIC_STATISTICS_GROUP_TRANSMIT, u"IDC_STATIC_STATISTICS_GROUP_TRANSMIT", u"Transmit Statistics"},
    {IDC_STATIC_STATISTICS_GROUP_RECEIVE, u"IDC_STATIC_STATISTICS_GROUP_RECEIVE", u"Receive Statistics"},
    {IDC_STATIC_STATISTICS_GROUP_HELP, u"IDC_STATIC_STATISTICS_GROUP_HELP", u"Help"},
    {IDC_BUTTON_STATISTICS_TRANSMIT, u"IDC_BUTTON_STATISTICS_TRANSMIT", u"Transmit"},
    {IDC_BUTTON_STATISTICS_RECEIVE, u"IDC_BUTTON_STATISTICS_RECEIVE", u"Receive"},
    {IDC_BUTTON_STATISTICS_TX_RX, u"IDC_BUTTON_STATISTICS_TX_RX", u"Total (TX/RX)"},
    {IDC_STATIC_STATISTICS_TX_BPS, u"IDC_STATIC_STATISTICS_TX_BPS", u"Tx Mbps:"},
    {IDC_STATIC_STATISTICS_TX_PACKET, u"IDC_STATIC_STATISTICS_TX_PACKET", u"Tx Packets/s:"},
    {IDC_STATIC_STATISTICS_TOTAL_TX_PACKET, u"IDC_STATIC_STATISTICS_TOTAL_TX_PACKET", u"Total Tx Packets:"},
    {IDC_STATIC_STATISTICS_TX_ERROR, u"IDC_STATIC_STATISTICS_TX_ERROR", u"Tx Error:"},
    {IDC_STATIC_STATISTICS_RX_BPS, u"IDC_STATIC_STATISTICS_RX_BPS", u"Rx Mbps:"},
    {IDC_STATIC_STATISTICS_RX_PACKET, u"IDC_STATIC_STATISTICS_RX_PACKET", u"Rx Packets/s:"},
    {IDC_STATIC_STATISTICS_TOTAL_RX_PACKET, u"IDC_STATIC_STATISTICS_TOTAL_RX_PACKET", u"Total Rx Packets:"},
    {IDC_STATIC_STATISTICS_RX_ERROR, u"IDC_STATIC_STATISTICS_RX_ERROR", u"Rx Error:"},
};

std::u16string Count(uint64_t value) {
    return base::Format(u"%llu", {static_cast<unsigned long long>(value)});
}

} // namespace

CStatisticsDlg::CStatisticsDlg(platform::InterfaceCounters& counters, platform::Clock& clock,
                               networks::TrafficSources sources)
    : CStatisticsPage(IDD_DIALOG_STATISTICS, mainwnd::kMsgStatisticsPageKey, u"statistics.rtf",
                      IDC_RICHEDIT_PAGE_HELP),
      m_counters(counters), m_clock(clock), m_sources(std::move(sources)) {
    m_sampler = std::make_unique<networks::TrafficSampler>(m_counters, m_clock, m_sources,
                                                           [this](networks::TrafficSample sample) {
                                                               m_mailbox.Put(std::move(sample));
                                                               m_self.Post(kMsgTrafficSample);
                                                           });
}

CStatisticsDlg::~CStatisticsDlg() {
    StopSampler();
}

bool CStatisticsDlg::OnInit() {
    CStatisticsPage::OnInit();
    m_self = host().MakePoster();
    host().Show(IDC_STATIC_STATISTICS_GROUP_HELP, false);
    host().Show(IDC_STATIC_STATISTICS_ADAPTER, false);
    host().Show(IDC_EDIT_STATISTICS_ADAPTER, false);
    ApplyTexts();
    m_sampler->Forget();

    CreateGraph();
    ShowBar(0);
    ShowPercent(0);

    host().Button(IDC_BUTTON_STATISTICS_TRANSMIT).SetCheck(false);
    host().Button(IDC_BUTTON_STATISTICS_RECEIVE).SetCheck(false);
    host().Button(IDC_BUTTON_STATISTICS_TX_RX).SetCheck(true);
    m_sampler->SetMode(networks::GraphMode::Total);
    ShowSample(networks::TrafficSample{});

    if (m_startSamplerThread) {
        m_samplerThread = std::make_unique<mainwnd::WorkerThread>([this] { return m_sampler->Step(); });
        m_samplerThread->Start();
    }
    return true;
}

void CStatisticsDlg::OnDestroy() {
    // Joined while the host still works: a sample taken meanwhile is posted to a window that drops it.
    StopSampler();
    host().KillTimer(kTimerGraph);
}

void CStatisticsDlg::StopSampler() {
    if (m_samplerThread) {
        m_samplerThread->Stop();
        m_samplerThread.reset();
    }
}

void CStatisticsDlg::ApplyTexts() {
    host().SetText(IDC_STATIC_STATISTICS_ADAPTER,
                   LangString(u"MAIN", u"SelectedAdapter", u"Selected Adapter:"));
    for (const TextItem& item : kTexts) {
        host().SetText(item.id, LangString(kSection, item.key, item.defaultText, 256));
    }
    ForgetHelp();
}

void CStatisticsDlg::OnAdapterArrived() {
    if (!host().GetText(IDC_EDIT_STATISTICS_ADAPTER).empty()) {
        return;
    }
    kernel::AdapterState adapter = mainwnd::CopyLinkRecords().adapter;
    host().SetText(IDC_EDIT_STATISTICS_ADAPTER, base::FieldText(adapter.adapterName));
}

void CStatisticsDlg::OnHelpShown(bool shown) {
    // The group frames the pane, which the page base has just placed and sized.
    if (shown) {
        ui::Rect pane = host().Item(IDC_RICHEDIT_PAGE_HELP).GetRect();
        ui::Control& group = host().Item(IDC_STATIC_STATISTICS_GROUP_HELP);
        ui::Rect frame = group.GetRect();
        frame.bottom = pane.bottom + 4;
        group.Move(frame);
    }
    host().Show(IDC_STATIC_STATISTICS_GROUP_HELP, shown);
}

void CStatisticsDlg::CreateGraph() {
    ui::CanvasControl& canvas = host().Canvas(IDC_STATIC_STATISTICS_GRAPH);
    if (!canvas.Exists()) {
        return; // no place for the graph: the page goes without it
    }
    ui::Rect place = canvas.GetRect();
    m_graphCreated = m_graph.Create(place.Width() - 2 * kGraphEdge, place.Height() - 2 * kGraphEdge,
                                    [this](uint32_t period) {
                                        if (period == 0) {
                                            host().KillTimer(kTimerGraph);
                                        } else {
                                            host().SetTimer(kTimerGraph, period);
                                        }
                                    });
    if (!m_graphCreated) {
        return;
    }
    m_graph.SetRange(1, 100);
    m_graph.Reset();
    m_graph.SetPen(1, CHistogramCtrl::kDefaultPen);
    ShowGraph();
}

void CStatisticsDlg::ShowGraph() {
    host().Canvas(IDC_STATIC_STATISTICS_GRAPH).SetPicture(m_graph.Picture());
}

void CStatisticsDlg::ShowBar(int position) {
    m_barPosition = position;
    ui::Rect place = host().Item(IDC_STATIC_STATISTICS_BAR).GetRect();
    host()
        .Canvas(IDC_STATIC_STATISTICS_BAR)
        .SetPicture(networks::LoadBarPicture(place.Width(), place.Height(), position));
}

void CStatisticsDlg::ShowPercent(int percent) {
    ui::Rect place = host().Item(IDC_STATIC_STATISTICS_PERCENT).GetRect();
    host()
        .Canvas(IDC_STATIC_STATISTICS_PERCENT)
        .SetPicture(networks::PercentPicture(place.Width(), place.Height(), networks::PercentText(percent)));
}

void CStatisticsDlg::ShowSample(const networks::TrafficSample& sample) {
    host().SetText(IDC_STATIC_STATISTICS_TX_BPS_VALUE, sample.txRate);
    host().SetText(IDC_STATIC_STATISTICS_RX_BPS_VALUE, sample.rxRate);
    host().SetText(IDC_STATIC_STATISTICS_TX_PACKET_VALUE, Count(sample.txPerSecond));
    host().SetText(IDC_STATIC_STATISTICS_RX_PACKET_VALUE, Count(sample.rxPerSecond));
    host().SetText(IDC_STATIC_STATISTICS_TOTAL_TX_PACKET_VALUE, Count(sample.totalTx));
    host().SetText(IDC_STATIC_STATISTICS_TOTAL_RX_PACKET_VALUE, Count(sample.totalRx));
    host().SetText(IDC_STATIC_STATISTICS_TX_ERROR_VALUE, Count(sample.txErrors));
    host().SetText(IDC_STATIC_STATISTICS_RX_ERROR_VALUE, Count(sample.rxErrors));
}

networks::GraphMode CStatisticsDlg::CheckedMode() {
    networks::GraphMode mode = networks::GraphMode::None;
    if (host().Button(IDC_BUTTON_STATISTICS_TRANSMIT).IsChecked()) {
        mode = networks::GraphMode::Transmit;
    }
    if (host().Button(IDC_BUTTON_STATISTICS_RECEIVE).IsChecked()) {
        mode = networks::GraphMode::Receive;
    }
    if (host().Button(IDC_BUTTON_STATISTICS_TX_RX).IsChecked()) {
        mode = networks::GraphMode::Total;
    }
    return mode;
}

void CStatisticsDlg::OnCommand(ui::ControlId id, int code) {
    if (code == ui::kClicked && (id == IDC_BUTTON_STATISTICS_TRANSMIT ||
                                 id == IDC_BUTTON_STATISTICS_RECEIVE || id == IDC_BUTTON_STATISTICS_TX_RX)) {
        // The sampler reads the choice on its own thread, so it is handed over rather than read there.
        m_sampler->SetMode(CheckedMode());
        return;
    }
    CStatisticsPage::OnCommand(id, code);
}

void CStatisticsDlg::OnTimer(int timerId) {
    if (timerId != kTimerGraph || !m_graphCreated) {
        return;
    }
    // A hidden graph (another tab, the window in the tray) does not scroll; its queue keeps only the
    // newest values meanwhile.
    if (!host().IsWindowVisible()) {
        return;
    }
    m_graph.Step();
    ShowGraph();
}

bool CStatisticsDlg::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    if (message != kMsgTrafficSample) {
        return CStatisticsPage::OnMessage(message, wParam, lParam, result);
    }
    for (const networks::TrafficSample& sample : m_mailbox.TakeAll()) {
        ShowSample(sample);
        ShowBar(sample.bar);
        ShowPercent(sample.percent);
        if (!sample.zeroed && m_graphCreated) {
            m_graph.AddValue(sample.graphValue);
        }
    }
    return true;
}
