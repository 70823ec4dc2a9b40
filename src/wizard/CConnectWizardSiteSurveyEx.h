// Page 4 of the connect wizard: the networks of the last survey, from which the user picks the one to
// join. Next fills the wizard's state from the chosen entry and decides the next page; Refresh runs a
// new survey; Back and Cancel both close with Cancel, and the driver tells them apart by CancelUsed().
//
// Threads: the service library calls OnWKSiteSurveyed on its own thread; it only posts to the page.
// The Networks tab makes the new list on its own handling of the same event, so the page refills only
// once that list is in place (networks::SurveysApplied() has moved), checking again on a short timer.
#pragma once

#include <cstdint>
#include <vector>

#include "kernel/BssEntry.h"
#include "kernel/INotificationReceiver.h"
#include "networks/NetworkRules.h"
#include "ui/Dialog.h"
#include "ui/Poster.h"

class CConnectWizardSiteSurveyEx final : public ui::Dialog, public kernel::NotificationReceiverBase {
public:
    // Timer 1: the watchdog, every second.
    static constexpr int kTimerWatchdog = 1;
    // Timer 2: a preselected row gets the focus once the page is up (one tick).
    static constexpr int kTimerFocusList = 2;
    static constexpr uint32_t kFocusListDelay = 10;
    // Timer 3: the survey has ended but the Networks tab has not made the new list yet; look again.
    static constexpr int kTimerListWait = 3;
    static constexpr uint32_t kListWaitPeriod = 100;
    // After this many looks the page shows what the list holds rather than wait for ever.
    static constexpr int kMaxListWaits = 30;
    // Timer 4: Next's short pause before the page closes (one tick).
    static constexpr int kTimerClose = 4;
    static constexpr uint32_t kCloseDelay = 250;
    // OnWKSiteSurveyed handed over to the page's thread.
    static constexpr uint32_t kMsgSurveyed = 0x8181;

    CConnectWizardSiteSurveyEx();

    // True when the page was left with its Cancel button (or closed by its watchdog): the run ends.
    // False after Back, which may lead to the WPS page.
    bool CancelUsed() const { return m_cancelUsed; }
    bool Busy() const { return m_busy; }

    // ui::Dialog
    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    intptr_t OnNotify(const ui::Notify& notify) override;
    void OnTimer(int timerId) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;

    // kernel::INotificationReceiver, on the library's thread.
    void OnWKSiteSurveyed() override;

private:
    void ApplyTexts();
    void Fill();
    void SortAndFill();
    void Preselect();
    void CentreOnScreen();
    void OnColumnClick(int column);
    void Refresh();
    void OnSurveyed();
    void LookForNewList();
    void EndRefresh();
    void Next();
    void ChooseNextPage(const kernel::BssEntry& entry);
    void Close(int result);

    ui::Poster m_self;
    bool m_receiverAdded = false;
    networks::RowTexts m_rowTexts;
    bool m_busy = false;
    bool m_cancelUsed = false;
    bool m_closing = false;
    // The entries the rows show (WizardRowMap indexes them), kept so that Next reads what the row showed.
    std::vector<kernel::BssEntry> m_entries;
    // networks::SurveysApplied() when the rows were filled or Refresh was pressed: a new list is one
    // made after that.
    uint32_t m_surveysBefore = 0;
    int m_listWaits = 0;
    bool m_waitingForList = false;
};
