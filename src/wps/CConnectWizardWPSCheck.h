// Page 100: does the access point support WPS? Yes leads to the method choice (102), no and Back to
// the network list; Cancel and the watchdog leave a mark that makes a later Back end the run.
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardWPSCheck final : public wps::WatchedDialog {
public:
    CConnectWizardWPSCheck();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnOK() override {} // Enter goes to the default button only
    void OnCancel() override;

protected:
    void OnWatchdogFired() override { OnCancel(); }

private:
    void OnNext();
    void LeaveForList(int result);
};
