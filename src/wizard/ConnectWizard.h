// The connect wizard as the main window sees it: it starts runs (Find a Network, the Networks tab's
// Connect, the set-up check, the hardware button), runs the driver on a thread of its own, carries out
// on the window's thread what the driver asks of the window, and ends each run there: stores and
// applies the profile, shows the window again. One run at a time; every thread it starts is joined.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "kernel/BssEntry.h"
#include "platform/AnsiCodePage.h"
#include "platform/Clock.h"
#include "ui/Dialog.h"
#include "ui/Poster.h"
#include "wizard/WizardDriver.h"

class CNetUIDlg;
struct MainWindowHooks;

namespace wizard {

struct WizardLinks {
    // Shows a page modally, as a top-level window without owner, on the calling (wizard) thread.
    std::function<int(ui::Dialog& page)> runPage;
    platform::Clock& clock;
    const platform::AnsiCodePage& codePage;
    // The WPS pages and steps (100-111); empty until WPS is there, and then such a page ends the run.
    std::function<bool(int page, RunOutcome& outcome)> wpsStep;
};

class ConnectWizard {
public:
    explicit ConnectWizard(WizardLinks links);
    ~ConnectWizard(); // an open run's pages close (their watchdog) and its thread is joined
    ConnectWizard(const ConnectWizard&) = delete;
    ConnectWizard& operator=(const ConnectWizard&) = delete;

    // The main window the runs belong to; its hooks call the functions below.
    void Attach(CNetUIDlg& window);
    void FillHooks(MainWindowHooks& hooks);

    // --- on the window's thread ---
    // Find a Network and the set-up check: a run that begins with the survey.
    void StartFindNetwork();
    // The Networks tab's Connect for the network at `listIndex` of the scan list.
    void StartForNetwork(const kernel::BssEntry& network, bool wps, int listIndex);
    // The adapter's push button: an open run ends (its page closes within a second, its thread is
    // joined, nothing of it is stored) and a new run begins at the push-button page.
    void StartHardwareButtonRun();
    // What the driver asked for (kMsgWizardCall).
    void OnWindowCall(uintptr_t call);
    bool Running() const;

    // Tests: waits until the run's thread has returned (its RunEnded is then posted to the window).
    void WaitUntilRunReturns();

private:
    void StartRun();
    void RunOnThread();
    void EndRun();
    int ShowPage(int page, bool& listCancelUsed);

    WizardLinks m_links;
    CNetUIDlg* m_window = nullptr;
    ui::Poster m_windowPoster;
    std::thread m_thread;
    mutable std::mutex m_mutex; // m_outcome
    RunOutcome m_outcome;
    bool m_hardwareRunPending = false;
};

// True while a run's thread exists (the About page's live update waits for it).
bool ConnectWizardRunning();

} // namespace wizard
