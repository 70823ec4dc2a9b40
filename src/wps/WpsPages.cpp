// The WPS pages by number, for the wizard's driver.
#include "wps/CConnectWizardWPSCheck.h"
#include "wps/CConnectWizardWPSErrorFail.h"
#include "wps/CConnectWizardWPSErrorMessage.h"
#include "wps/CConnectWizardWPSErrorTimeout.h"
#include "wps/CConnectWizardWPSExpressCheck.h"
#include "wps/CConnectWizardWPSRetry.h"
#include "wps/CConnectWizardWPSSelectPsuhButton.h"
#include "wps/WpsPageGraph.h"
#include "wps/WpsStep.h"

namespace wps {

std::unique_ptr<ui::Dialog> MakeWpsPage(int page, const PageContext& context, platform::Clock& /*clock*/,
                                        const platform::AnsiCodePage& /*codePage*/) {
    switch (page) {
    case kPageCheck:
        return std::make_unique<CConnectWizardWPSCheck>();
    case kPageExpressCheck:
        return std::make_unique<CConnectWizardWPSExpressCheck>();
    case kPageSelectMethod:
        return std::make_unique<CConnectWizardWPSSelectPsuhButton>();
    case kPageErrorMessage:
        return std::make_unique<CConnectWizardWPSErrorMessage>();
    case kPageErrorFail:
        return std::make_unique<CConnectWizardWPSErrorFail>();
    case kPageErrorTimeout:
        return std::make_unique<CConnectWizardWPSErrorTimeout>(context.beforePinChoice);
    case kPageRetry:
        return std::make_unique<CConnectWizardWPSRetry>();
    default:
        // The process pages 103-106 come with their group.
        return nullptr;
    }
}

} // namespace wps
