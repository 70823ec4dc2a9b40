// The system-information report of the About page: a worker builds it (console commands, the utility's
// version, the Networks tab's list) while a time bar runs; then it can be saved as a UTF-16 text file.
// Save and close wait for the report, which a hung command cannot hold up for longer than the builder's
// time limit. The report closes by itself when the adapter goes.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "about/ReportText.h"
#include "about/SystemReportBuilder.h"
#include "ui/Dialog.h"

class CAboutExSysinfoListDlg final : public ui::Dialog {
public:
    // `softwareLine`: the About page's version and driver line, as the report shows it.
    CAboutExSysinfoListDlg(about::ReportPlatform platform, std::u16string softwareLine);
    ~CAboutExSysinfoListDlg() override;
    CAboutExSysinfoListDlg(const CAboutExSysinfoListDlg&) = delete;
    CAboutExSysinfoListDlg& operator=(const CAboutExSysinfoListDlg&) = delete;

    // The text of the report as it stands (also what Save writes).
    std::u16string ReportSoFar() const { return m_report.Peek(); }

    // ui::Dialog
    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnOK() override {}
    void OnCancel() override;
    void OnDestroy() override;

    // Timers. The bar measures time, not work: one percent per tick, holding at 99 until the report is
    // complete.
    static constexpr int kTimerProgress = 1;
    static constexpr uint32_t kProgressStepMs = 80;
    // The report has no use once the adapter is gone (or its button started a run), so it closes.
    static constexpr int kTimerCloseWatch = 2;
    static constexpr uint32_t kCloseWatchMs = 1000;

    // Posted by the builder's threads.
    static constexpr uint32_t kMsgReportChanged = ui::kFirstPrivateMessage + 0x101;
    static constexpr uint32_t kMsgReportDone = ui::kFirstPrivateMessage + 0x102;

private:
    void ApplyTexts();
    void StartBuilder();
    void StopBuilder();
    void ShowReport();
    void OnReportDone();
    void SaveToFile();

    about::ReportPlatform m_platform;
    std::u16string m_softwareLine;
    about::ReportText m_report;
    std::unique_ptr<about::SystemReportBuilder> m_builder;
    std::thread m_builderThread;
    bool m_done = false;
    int m_progress = 0;
};
