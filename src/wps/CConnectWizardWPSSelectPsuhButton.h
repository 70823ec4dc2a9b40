// Page 102: push button (103) or PIN (104). Back returns to the WPS check page with OK; Cancel ends
// the run.
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardWPSSelectPsuhButton final : public wps::WatchedDialog {
public:
    CConnectWizardWPSSelectPsuhButton();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnOK() override {} // Enter goes to the default button only
    void OnCancel() override;
};
