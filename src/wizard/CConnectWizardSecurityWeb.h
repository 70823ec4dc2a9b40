// Page 6 of the connect wizard: a WEP network's keys come from a passphrase (page 7) or are typed by
// hand (page 9). The choice is the working profile's no-passphrase flag.
#pragma once

#include "ui/Dialog.h"

class CConnectWizardSecurityWeb : public ui::Dialog {
public:
    CConnectWizardSecurityWeb();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnOK() override;

private:
    void ShowChoice();
    void Next();
    void Back();
};
