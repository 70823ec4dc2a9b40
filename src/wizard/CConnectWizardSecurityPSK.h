// Page 11 of the connect wizard: the WPA-PSK or WPA2-PSK passphrase (8-63 characters) or the 64-digit
// hexadecimal key.
#pragma once

#include <string>

#include "ui/Dialog.h"

class CConnectWizardSecurityPSK : public ui::Dialog {
public:
    CConnectWizardSecurityPSK();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnOK() override;

private:
    std::u16string KeyText();
    void Next();
    void Back();
};
