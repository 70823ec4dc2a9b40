// Page 109: the exchange failed with one access point; it names the AP and lists what to check. Its
// only button sets the network list as next page and closes the page as cancelled (the run ends).
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardWPSErrorFail final : public wps::WatchedDialog {
public:
    CConnectWizardWPSErrorFail();

    bool OnInit() override;
    void OnOK() override { OnCancel(); }
    void OnCancel() override;
};
