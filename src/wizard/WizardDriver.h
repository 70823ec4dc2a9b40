// The connect wizard's driver: prepares the working profile and the set-up state, then shows one page
// after another as WizardPage says until a page ends the run. It runs on the wizard's own thread;
// everything it needs of the main window goes through `callWindow` (a posted message), and the end of
// the run (storing and applying the profile) runs on the window's thread after the driver returned
// (WizardRunEnd).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "kernel/BssEntry.h"
#include "platform/Clock.h"
#include "wizard/WizardMessages.h"
#include "wizard/WizardState.h"

namespace wizard {

// What the run leaves for its end on the window's thread.
struct RunOutcome {
    bool storeAtEnd = false;  // the summary page or the silent save step asked for the profile
    bool replaced = false;    // the hardware button ended the run: a new one starts, nothing else
    bool wpsFallback = false; // a WPS page asked for the fallback to a normal connection
};

struct DriverLinks {
    // Shows wizard page `page` modally and returns its result (ui::kIdOk / kIdCancel). For the network
    // list, `listCancelUsed` tells whether its own Cancel button (not Back) closed it.
    std::function<int(int page, bool& listCancelUsed)> showPage;
    std::function<void(WindowCall)> callWindow;
    // The WPS pages and steps (100-111): returns false when the run ends. Without it such a page ends
    // the run.
    std::function<bool(int page, RunOutcome& outcome)> wpsStep;
    platform::Clock* clock = nullptr;
};

class WizardDriver {
public:
    explicit WizardDriver(DriverLinks links);

    // The whole run: the start, then the loop. What is left for the end on the window's thread.
    RunOutcome Run();

    // The start: working profile, set-up state and the first page. False when no page is to be shown.
    bool Start();
    // One page of the loop. False when the run ends.
    bool Step();
    const RunOutcome& Outcome() const { return m_outcome; }
    bool AnyWps() const { return m_anyWps; }

private:
    void PrepareProfile();
    void HandleSetUp();
    void ChooseFirstPage();
    void FinishSetUpWithoutPages();
    bool ScanStep();
    bool ListStep();
    bool SummaryStep();
    bool SilentSaveStep();

    DriverLinks m_links;
    RunOutcome m_outcome;
    bool m_running = true;
    bool m_beganWithScan = true;
    bool m_anyWps = false;
    // What the starting command left, kept across the adapter's defaults.
    std::u16string m_startSsid;
    uint32_t m_startSecurity = 0;
    uint8_t m_startBssid[6] = {};
    uint16_t m_startChannel = 0;
};

// A WPA-PSK or WPA2-PSK network as a survey reports it carries only the authentication bit; a profile
// needs the cipher with it (WPA2 with AES when the network offers both). Other flags stay.
uint32_t ProfileSecurityOf(uint32_t scanSecurity);

// The security kinds of the hidden networks among the entries the wizard's list would show (neither
// ad hoc nor 802.1X): open first, else WEP, else WPA-PSK and WPA2-PSK as the entry has them.
HiddenMarks HiddenMarksOf(const std::vector<kernel::BssEntry>& entries);

} // namespace wizard
