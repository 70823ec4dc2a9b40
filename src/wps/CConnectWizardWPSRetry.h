// Page 111: after a push-button exchange ran out of time, Retry starts a new one at once (OK; the
// wizard sets its retry request and shows page 103); Cancel ends the run.
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardWPSRetry final : public wps::WatchedDialog {
public:
    CConnectWizardWPSRetry();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnOK() override {} // Enter goes to the default button only
};
