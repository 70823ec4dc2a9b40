// The WPS pages by number, for the wizard's driver.
#include "wps/CConnectWizardWPSCheck.h"
#include "wps/CConnectWizardWPSErrorFail.h"
#include "wps/CConnectWizardWPSErrorMessage.h"
#include "wps/CConnectWizardWPSErrorTimeout.h"
#include "wps/CConnectWizardWPSExpressCheck.h"
#include "wps/CConnectWizardWPSPINProcess.h"
#include "wps/CConnectWizardWPSPushButtonProcess.h"
#include "wps/CConnectWizardWPSRetry.h"
#include "wps/CConnectWizardWPSSelPIN.h"
#include "wps/CConnectWizardWPSSelectPsuhButton.h"
#include "wps/WpsPageGraph.h"
#include "wps/WpsStep.h"

namespace wps {

std::unique_ptr<ui::Dialog> MakeWpsPage(int page, const PageContext& context, const PagePlatform& platform) {
    switch (page) {
    case kPageCheck:
        return std::make_unique<CConnectWizardWPSCheck>();
    case kPageExpressCheck:
        return std::make_unique<CConnectWizardWPSExpressCheck>();
    case kPageSelectMethod:
        return std::make_unique<CConnectWizardWPSSelectPsuhButton>();
    case kPagePushButton:
        return std::make_unique<CConnectWizardWPSPushButtonProcess>(platform.clock);
    case kPagePinChoice:
        return std::make_unique<CConnectWizardWPSSelPIN>();
    case kPageAdapterPin:
        return std::make_unique<CConnectWizardWPSPINProcess>(CConnectWizardWPSPINProcess::kModeAdapterPin,
                                                             platform.random);
    case kPageApPin:
        return std::make_unique<CConnectWizardWPSPINProcess>(CConnectWizardWPSPINProcess::kModeApPin,
                                                             platform.random);
    case kPageErrorMessage:
        return std::make_unique<CConnectWizardWPSErrorMessage>();
    case kPageErrorFail:
        return std::make_unique<CConnectWizardWPSErrorFail>();
    case kPageErrorTimeout:
        return std::make_unique<CConnectWizardWPSErrorTimeout>(context.beforePinChoice);
    case kPageRetry:
        return std::make_unique<CConnectWizardWPSRetry>();
    default:
        return nullptr;
    }
}

} // namespace wps
