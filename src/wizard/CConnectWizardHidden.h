// Page 12 of the connect wizard: the name and security of a network that does not broadcast its name.
// It offers only the security kinds the hidden networks in range use (all four when it knows none).
#pragma once

#include "ui/Dialog.h"
#include "wizard/HiddenRules.h"

class CConnectWizardHidden final : public ui::Dialog {
public:
    CConnectWizardHidden();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnOK() override {} // Enter goes to the default button only

private:
    void PlaceChoices();
    void UpdateNext();
    bool ChosenSecurity(wizard::HiddenSecurity& choice);
    void OnNext();
};
