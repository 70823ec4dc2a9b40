// The Networks page of the main window: the networks in range, the surveys that find them and the
// Connect command on a picked row.
//
// Threads: the service library calls the receiver operations on its own thread; each only posts to the
// page (ui::Poster), and the survey is handled on the page's thread. The scan list itself lives in
// networks/NetworkList behind its lock, because the connect worker and the wizard read it elsewhere.
#pragma once

#include <cstdint>
#include <string>

#include "kernel/INotificationReceiver.h"
#include "mainwnd/CMainPage.h"
#include "networks/NetworkRules.h"
#include "ui/Poster.h"

class CSiteSurveyDlg final : public CNetworksPage, public kernel::NotificationReceiverBase {
public:
    // Timer 2: sweeps the progress bar while a survey runs.
    static constexpr int kTimerProgress = 2;
    static constexpr uint32_t kProgressPeriod = 10;
    static constexpr int kProgressRange = 1200;
    // A receiver operation handed over to the page's thread: wParam the receiver slot, lParam its argument.
    static constexpr uint32_t kMsgSurveyEvent = 0x8170;

    CSiteSurveyDlg();

    // Starts a survey unless one is running.
    void StartScan();
    // The rows and both side tables again from the scan list.
    void FillNetworkList();
    int SortKey() const { return m_sortKey; }
    int SortOrder() const { return m_sortOrder; }
    int ProgressCounter() const { return m_progressCounter; }

    // CNetworksPage
    void Rescan() override { StartScan(); }
    void ConnectSelected() override;
    void ShowListAgain() override;
    void OnAdapterArrived() override;
    void ApplyTexts() override;

    // ui::Dialog
    bool OnInit() override;
    intptr_t OnNotify(const ui::Notify& notify) override;
    void OnTimer(int timerId) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnDestroy() override;

    // kernel::INotificationReceiver, on the library's thread: each only posts to the page.
    void OnWKRadioChanged(uint8_t on) override;
    void OnWKSiteSurveyBegun() override;
    void OnWKSiteSurveyed() override;

protected:
    void OnHelpShown(bool shown) override;

private:
    void OnSurveyBegun();
    void OnSurveyEnded();
    void ShowScanning();
    void EnableScan(bool enable);
    void TellMainWindowListChanged();
    void OnColumnClick(int column);
    void ShowRadiusMessage();

    ui::Poster m_self;
    bool m_receiverAdded = false;
    networks::RowTexts m_rowTexts;
    std::u16string m_scanningText;
    std::u16string m_completedText;
    int m_sortKey = 0;
    int m_sortOrder = 0; // 0 ascending, 1 descending
    int m_progressCounter = 0;
    int m_progressRange = kProgressRange;
};
