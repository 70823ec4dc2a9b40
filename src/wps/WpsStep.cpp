#include "wps/WpsStep.h"

#include <utility>

#include "app/AppGlobals.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "profiles/settings/SettingsRules.h"
#include "ui/Types.h"
#include "wizard/WizardState.h"
#include "wps/WpsPageGraph.h"
#include "wps/WpsState.h"

namespace wps {

std::u16string WpsProfileName(std::u16string_view ssid) {
    std::u16string name(ssid);
    name += u"-WPS";
    return settings::RemoveBackslashes(name, 0).text;
}

WpsStep::WpsStep(PageRunner runPage, PageFactory makePage)
    : m_runPage(std::move(runPage)), m_makePage(std::move(makePage)) {}

bool WpsStep::operator()(int page, wizard::RunOutcome& /*outcome*/) {
    if (page == kPageSuccess) {
        return SuccessStep();
    }
    if (page == kPagePushButton) {
        // Only a Retry of this run skips the button-press step; nothing of an earlier run does.
        WpsRetryRequested = m_retryPending;
        m_retryPending = false;
    }
    if (page == kPagePinChoice) {
        m_pinChoiceShown = true;
    }
    return ShowPage(page);
}

bool WpsStep::ShowPage(int page) {
    std::unique_ptr<ui::Dialog> dialog = m_makePage(page, PageContext{!m_pinChoiceShown});
    if (!dialog) {
        base::Trace(base::Format(u"WPS: no page %d, the run ends", {page}));
        return false;
    }
    const bool pinProcess = page == kPageAdapterPin || page == kPageApPin;
    if (pinProcess) {
        WpsRunning = true;
    }
    const int result = m_runPage(*dialog);
    dialog.reset();
    if (pinProcess || page == kPagePushButton) {
        WpsRunning = false;
    }
    if (page == kPagePushButton && g_pnKernel != nullptr && g_pnKernel->GetZeroConfigState() == 1) {
        g_pnKernel->ZeroConfigControl(0);
    }

    const int next = WizardPage;
    const GraphContext context{WizardState.directRun, WpsCheckCancelled.load(), DevicePresent.load()};
    if (HandsOverForManualSetUp(page, result, next, context)) {
        WizardState.manualSetupRequested = true;
        return false;
    }
    if (page == kPageRetry && result == ui::kIdOk) {
        m_retryPending = true;
        WizardPage = kPagePushButton;
        return true;
    }
    return GoesOn(page, result, next, context);
}

bool WpsStep::SuccessStep() {
    base::CopyToField(WizardProfile.ConfigurationName, WpsProfileName(wizard::SelectedSsid()));
    SaveAtEnd = true;
    WizardPage = wizard::kPageSummary;
    return true;
}

StepFunction MakeWpsStep(PageRunner runPage, PagePlatform platform) {
    PageFactory makePage = [platform](int page, const PageContext& context) {
        return MakeWpsPage(page, context, platform);
    };
    return WpsStep(std::move(runPage), std::move(makePage));
}

} // namespace wps
