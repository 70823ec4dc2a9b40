// The WPS pages and steps (100-111) as the wizard's driver runs them: shows the page of the number,
// applies what the page graph does around it (the running flag, zero configuration after the
// push-button page, the retry request, the hand-over to the Settings tab) and tells the driver
// whether the run goes on. Step 108 has no page: the result becomes the profile "<SSID>-WPS".
//
// One WpsStep serves one run: the run-local flags live in it, and wizard::ConnectWizard copies the
// program's step function for every run it starts, so each run begins with them clear.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ui/Dialog.h"
#include "wizard/WizardDriver.h"

namespace platform {
class Clock;
class AnsiCodePage;
class RandomSource;
} // namespace platform

namespace wps {

// What a page of the run needs beyond the shared state.
struct PageContext {
    // Page 110's first detail line says more while the PIN choice page has not been shown in the run.
    bool beforePinChoice = true;
};

// Makes the page of a number; null for a number without a page (the run then ends).
using PageFactory = std::function<std::unique_ptr<ui::Dialog>(int page, const PageContext& context)>;
// Shows a page modally on the wizard's thread and returns its result.
using PageRunner = std::function<int(ui::Dialog& page)>;
using StepFunction = std::function<bool(int page, wizard::RunOutcome& outcome)>;

// The profile name a WPS result is saved under: the network's name and "-WPS", without the
// backslashes a registry key name cannot hold (the save page's rule).
std::u16string WpsProfileName(std::u16string_view ssid);

class WpsStep {
public:
    WpsStep(PageRunner runPage, PageFactory makePage);

    // One step of the driver's loop for a page of 100-111: false when the run ends.
    bool operator()(int page, wizard::RunOutcome& outcome);

private:
    bool SuccessStep();
    bool ShowPage(int page);

    PageRunner m_runPage;
    PageFactory m_makePage;
    bool m_retryPending = false;   // page 111's Retry: the next push-button page starts at once
    bool m_pinChoiceShown = false; // page 104 has been shown in this run
};

// What the process pages need of the platform: the clock, the system's code page (WEP keys of a
// result) and the cryptographic random source (the registrar's network name and passphrase).
struct PagePlatform {
    platform::Clock& clock;
    const platform::AnsiCodePage& codePage;
    platform::RandomSource& random;
};

// The pages of WPS by number.
std::unique_ptr<ui::Dialog> MakeWpsPage(int page, const PageContext& context, const PagePlatform& platform);

// The step function the program hands the wizard (wizard::WizardLinks::wpsStep).
StepFunction MakeWpsStep(PageRunner runPage, PagePlatform platform);

} // namespace wps
