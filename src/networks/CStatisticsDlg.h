// The Statistics page of the main window: the adapter's transmit and receive rates and counts, a load
// percentage with its bar, and the scrolling load graph.
//
// Threads: the sampler runs on a thread of its own from the page's opening to its close; it never
// touches a control. Each sample goes into a mailbox and the page, told by a posted message, applies
// it on its own thread. The graph's queue is the only thing both sides reach, under its own lock.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/CHistogramCtrl.h"
#include "mainwnd/CMainPage.h"
#include "mainwnd/WorkerThread.h"
#include "networks/TrafficSampler.h"
#include "platform/Clock.h"
#include "platform/InterfaceCounters.h"
#include "ui/Poster.h"

class CStatisticsDlg final : public CStatisticsPage {
public:
    // Timer 1: scrolls the graph once a period while the page is shown.
    static constexpr int kTimerGraph = 1;
    // The sampler has put samples in the mailbox.
    static constexpr uint32_t kMsgTrafficSample = 0x8171;
    // The graph control's client edge, on each side.
    static constexpr int kGraphEdge = 2;

    // The program's page, over the system's interface rows and clock (made with the Windows
    // implementations, in networks/win32).
    CStatisticsDlg();
    CStatisticsDlg(platform::InterfaceCounters& counters, platform::Clock& clock,
                   networks::TrafficSources sources = networks::ProgramTrafficSources());
    ~CStatisticsDlg() override;

    // Tests call the sampler's step themselves; the program lets the page run it on a thread.
    void SetStartSamplerThread(bool start) { m_startSamplerThread = start; }
    networks::TrafficSampler& Sampler() { return *m_sampler; }
    bool SamplerRunning() const { return m_samplerThread != nullptr && m_samplerThread->Running(); }
    const CHistogramCtrl& Graph() const { return m_graph; }
    // What the bar was last given (it shows 0..100 of it).
    int BarPosition() const { return m_barPosition; }

    // CStatisticsPage
    void OnAdapterArrived() override;
    void ApplyTexts() override;

    // ui::Dialog
    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnDestroy() override;

protected:
    void OnHelpShown(bool shown) override;

private:
    void CreateGraph();
    void ShowGraph();
    void ShowBar(int position);
    void ShowPercent(int percent);
    void ShowSample(const networks::TrafficSample& sample);
    networks::GraphMode CheckedMode();
    void StopSampler();

    platform::InterfaceCounters& m_counters;
    platform::Clock& m_clock;
    networks::TrafficSources m_sources;
    CHistogramCtrl m_graph;
    bool m_graphCreated = false;
    int m_barPosition = 0;
    bool m_startSamplerThread = true;
    ui::Poster m_self;
    networks::SampleMailbox m_mailbox;
    std::unique_ptr<networks::TrafficSampler> m_sampler;
    // Last, so that it is stopped before the sampler and the mailbox it uses go.
    std::unique_ptr<mainwnd::WorkerThread> m_samplerThread;
};
