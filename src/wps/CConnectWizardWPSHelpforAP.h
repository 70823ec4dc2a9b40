// Help for setting up WPS on the access point: sixteen lines of steps and explanations.
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardWPSHelpforAP final : public wps::WatchedDialog {
public:
    CConnectWizardWPSHelpforAP();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
};
