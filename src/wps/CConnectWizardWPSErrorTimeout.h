// Page 110: the exchange failed with several access points involved (a PIN exchange that ran out of
// time); it lists their BSSIDs and what to check. Its only button closes it as cancelled.
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardWPSErrorTimeout final : public wps::WatchedDialog {
public:
    // `beforePinChoice`: the PIN choice page has not been shown in this run yet, so the first detail
    // line explains more.
    explicit CConnectWizardWPSErrorTimeout(bool beforePinChoice = true);

    bool OnInit() override;
    void OnOK() override { host().EndDialog(ui::kIdCancel); }

private:
    bool m_beforePinChoice;
};
