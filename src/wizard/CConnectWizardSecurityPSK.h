// Page 11 of the connect wizard: the WPA-PSK or WPA2-PSK passphrase (8-63 characters) or the 64-digit
// hexadecimal key.
#pragma once

#include <string>

#include "wizard/WizardKeyPage.h"

class CConnectWizardSecurityPSK : public wizard::WizardKeyPage {
public:
    CConnectWizardSecurityPSK();

    bool OnInit() override;

private:
    std::u16string KeyText();
    bool OnPageCommand(ui::ControlId id, int code) override;
    void Next() override;
    void Back() override;
};
