// Page 107: why the WPS attempt ended (WpsErrorKind): a red headline and a detail. Its only button
// closes it as cancelled, which ends the run. The PIN choice page also shows it for a wrong AP PIN.
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardWPSErrorMessage final : public wps::WatchedDialog {
public:
    CConnectWizardWPSErrorMessage();

    bool OnInit() override;
    void OnOK() override { host().EndDialog(ui::kIdCancel); }
};
