// Page 101: after a survey that saw an access point with its push button active, the wizard offers
// Express WPS. Yes leads to the push-button page (103), no and Back to the network list; Cancel ends
// the run. The page stands in the middle of the screen.
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardWPSExpressCheck final : public wps::WatchedDialog {
public:
    CConnectWizardWPSExpressCheck();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnOK() override {} // Enter goes to the default button only

private:
    void CentreOnScreen();
    void OnNext();
};
