#include "wizard/ConnectWizard.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "app/AppGlobals.h"
#include "base/Text.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/CQueryTabCtrl.h"
#include "mainwnd/MainWndMessages.h"
#include "networks/NetworkList.h"
#include "wizard/CConnectWizardSiteSurveyEx.h"
#include "wizard/WizardPages.h"
#include "wizard/WizardState.h"

namespace wizard {

namespace {

std::atomic<bool> s_runThreadExists{false};

} // namespace

bool ConnectWizardRunning() {
    return s_runThreadExists;
}

ConnectWizard::ConnectWizard(WizardLinks links) : m_links(std::move(links)) {}

ConnectWizard::~ConnectWizard() {
    if (m_thread.joinable()) {
        // The open page sees the flag at its next watchdog tick and closes; the driver then returns.
        HwButtonPressed = true;
        m_thread.join();
        HwButtonPressed = false;
    }
    s_runThreadExists = false;
}

void ConnectWizard::Attach(CNetUIDlg& window) {
    m_window = &window;
}

void ConnectWizard::FillHooks(MainWindowHooks& hooks) {
    hooks.startConnectWizard = [this] { StartFindNetwork(); };
    hooks.startWizardForNetwork = [this](const kernel::BssEntry& network, bool wps, int listIndex) {
        StartForNetwork(network, wps, listIndex);
    };
    hooks.wizardCall = [this](uintptr_t call) { OnWindowCall(call); };
}

bool ConnectWizard::Running() const {
    return m_thread.joinable();
}

void ConnectWizard::StartFindNetwork() {
    if (Running()) {
        return;
    }
    WizardState.fromList = false;
    WizardState.directRun = false;
    WpsMode = false;
    WizardPage = kPageNone;
    StartRun();
}

void ConnectWizard::StartForNetwork(const kernel::BssEntry& network, bool wps, int listIndex) {
    if (Running()) {
        return;
    }
    WizardPage = kPageNone;
    WpsMode = wps;
    const std::u16string_view name = base::FieldText(network.ssid);
    SetSelectedSsid(name);
    std::copy(std::begin(network.bssid), std::end(network.bssid), WizardProfile.block.BSSID);
    WizardProfile.block.adHocChannel = network.channel;
    WizardState.fromList = !wps;
    WizardState.directRun = true;
    if (!wps) {
        WizardProfile.block.securityFlags = network.security;
    }
    WizardState.selectedNetwork = listIndex;
    StartRun();
}

void ConnectWizard::StartHardwareButtonRun() {
    if (Running()) {
        // The old run's page closes at its next watchdog tick and its driver returns; the new run
        // starts when its end arrives (EndRun), so two runs never share the wizard's state.
        HwButtonPressed = true;
        m_hardwareRunPending = true;
        return;
    }
    HwButtonPressed = true; // the push-button page waits for the exchange the adapter started
    WizardState.fromList = false;
    WizardState.directRun = false;
    WizardPage = kPageWpsPushButton;
    StartRun();
}

void ConnectWizard::StartRun() {
    if (m_window == nullptr) {
        return;
    }
    m_windowPoster = m_window->WindowPoster();
    WizardState.wpsCheckDeclined = false; // each run offers the WPS check page again
    m_window->SetBusy(true);
    s_runThreadExists = true;
    m_thread = std::thread([this] { RunOnThread(); });
}

void ConnectWizard::RunOnThread() {
    DriverLinks links;
    links.showPage = [this](int page, bool& listCancelUsed) { return ShowPage(page, listCancelUsed); };
    links.callWindow = [poster = m_windowPoster](WindowCall call) {
        poster.Post(kMsgWizardCall, static_cast<uintptr_t>(call), 0);
    };
    links.wpsStep = m_links.wpsStep;
    links.clock = &m_links.clock;
    WizardDriver driver(std::move(links));
    RunOutcome outcome = driver.Run();
    {
        std::lock_guard lock(m_mutex);
        m_outcome = outcome;
    }
    m_windowPoster.Post(kMsgWizardCall, static_cast<uintptr_t>(WindowCall::RunEnded), 0);
}

int ConnectWizard::ShowPage(int page, bool& listCancelUsed) {
    if (page == kPageList) {
        CConnectWizardSiteSurveyEx list;
        const int result = m_links.runPage(list);
        listCancelUsed = list.CancelUsed();
        return result;
    }
    std::unique_ptr<ui::Dialog> dialog = MakeWizardPage(page, m_links.codePage);
    return dialog ? m_links.runPage(*dialog) : ui::kIdCancel;
}

void ConnectWizard::WaitUntilRunReturns() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void ConnectWizard::OnWindowCall(uintptr_t call) {
    if (m_window == nullptr) {
        return;
    }
    switch (static_cast<WindowCall>(call)) {
    case WindowCall::HideMainWindow:
        m_window->HideWindow();
        m_window->SetBusy(true);
        break;
    case WindowCall::StartScan:
        m_window->Pages().networks.Rescan();
        break;
    case WindowCall::RestartFallback:
        m_window->RestartFallbackClock();
        break;
    case WindowCall::ReevaluateZeroConfig:
        m_window->ReevaluateZeroConfig();
        break;
    case WindowCall::ShowSoon:
        m_window->ShowAfter(500);
        break;
    case WindowCall::RunEnded:
        EndRun();
        break;
    }
}

void ConnectWizard::EndRun() {
    if (m_thread.joinable()) {
        m_thread.join(); // it has posted its end and returns
    }
    s_runThreadExists = false;
    RunOutcome outcome;
    {
        std::lock_guard lock(m_mutex);
        outcome = m_outcome;
    }
    if (m_hardwareRunPending) {
        m_hardwareRunPending = false;
        StartHardwareButtonRun();
        return;
    }
    if (outcome.replaced) {
        return;
    }
    // Nothing of this run may steer the next one: a page closed by an unplug can leave the button's mark
    // or the push-button page's number behind.
    HwButtonPressed = false;
    WizardPage = kPageNone;
    FinishRun(*m_window, outcome);
}

} // namespace wizard
