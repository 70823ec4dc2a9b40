// Page 9 of the connect wizard: one WEP key typed by hand, as hexadecimal digits or as characters,
// with the key number the network sends with and the key length.
#pragma once

#include <string>

#include "ui/Dialog.h"

class CConnectWizardInputHex : public ui::Dialog {
public:
    CConnectWizardInputHex();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnOK() override;
    void OnCancel() override;

private:
    bool Use128();
    int KeyNumber();
    void StoreKeyChoice();
    void Next();
    void Back();
};
