#include "wizard/CConnectWizardMessageWeb.h"

#include "res/WizardListIds.h"
#include "wizard/WizardState.h"

CConnectWizardMessageWeb::CConnectWizardMessageWeb()
    : wizard::SecurityMessage(IDD_DLG_CONNECTWIZARD_MESSAGE_WEB, IDC_WIZARD_MESSAGE_WEB_TEXT,
                              wizard::kPageWepMessage, wizard::kPageWepOption) {}

wizard::SecurityMessageTexts CConnectWizardMessageWeb::Texts() const {
    return {u"IDD_DLG_CONNECTWIZARD_MESSAGE_WEB", u"15000", u"15010", u"15040"};
}
