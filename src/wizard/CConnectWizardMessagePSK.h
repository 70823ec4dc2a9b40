// "WPA-PSK (or WPA2-PSK) security has been detected": shown by the network list for a WPA-PSK or
// WPA2-PSK network; OK leads to the passphrase page.
#pragma once

#include "wizard/WizardSecurityMessage.h"

class CConnectWizardMessagePSK final : public wizard::SecurityMessage {
public:
    CConnectWizardMessagePSK();

protected:
    wizard::SecurityMessageTexts Texts() const override;
};
