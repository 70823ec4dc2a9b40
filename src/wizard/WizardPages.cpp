#include "wizard/WizardPages.h"

#include "wizard/CConnectWizardHidden.h"
#include "wizard/CConnectWizardInputHex.h"
#include "wizard/CConnectWizardInputPhrase.h"
#include "wizard/CConnectWizardPleaseWait.h"
#include "wizard/CConnectWizardSaveProfile.h"
#include "wizard/CConnectWizardSecurityPSK.h"
#include "wizard/CConnectWizardSecurityWeb.h"
#include "wizard/CConnectWizardWPSView.h"
#include "wizard/WizardState.h"

namespace wizard {

std::unique_ptr<ui::Dialog> MakeWizardPage(int page, const platform::AnsiCodePage& codePage) {
    switch (page) {
    case kPageScan:
        return std::make_unique<CConnectWizardPleaseWait>();
    case kPageWepOption:
        return std::make_unique<CConnectWizardSecurityWeb>();
    case kPageWepPhrase:
        return std::make_unique<CConnectWizardInputPhrase>(codePage);
    case kPageWepHex:
        return std::make_unique<CConnectWizardInputHex>();
    case kPagePsk:
        return std::make_unique<CConnectWizardSecurityPSK>();
    case kPageHidden:
        return std::make_unique<CConnectWizardHidden>();
    case kPageSaveProfile:
        return std::make_unique<CConnectWizardSaveProfile>();
    case kPageSummary:
        return std::make_unique<CConnectWizardWPSView>();
    default:
        return nullptr;
    }
}

} // namespace wizard
