// Page 9 of the connect wizard: one WEP key typed by hand, as hexadecimal digits or as characters,
// with the key number the network sends with and the key length.
#pragma once

#include <string>

#include "wizard/WizardKeyPage.h"

class CConnectWizardInputHex : public wizard::WizardKeyPage {
public:
    CConnectWizardInputHex();

    bool OnInit() override;
    void OnCancel() override;

private:
    bool Use128();
    int KeyNumber();
    void StoreKeyChoice();
    bool OnPageCommand(ui::ControlId id, int code) override;
    void Next() override;
    void Back() override;
};
