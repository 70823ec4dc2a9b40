// "WEP security has been detected": shown by the network list for a WEP network; OK leads to the WEP
// input option page.
#pragma once

#include "wizard/WizardSecurityMessage.h"

class CConnectWizardMessageWeb final : public wizard::SecurityMessage {
public:
    CConnectWizardMessageWeb();

protected:
    wizard::SecurityMessageTexts Texts() const override;
};
