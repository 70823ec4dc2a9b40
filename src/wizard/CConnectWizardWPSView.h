// Page 15 of the connect wizard: the summary after a successful set-up, also the end of the WPS pages.
// It shows the network, its security and the profile, lets the user drop the profile ("Save this
// network"), and on Finish completes the working profile's security for storing and applying. A stored
// profile of the same name is replaced only when the user agrees.
#pragma once

#include "ui/Dialog.h"

class CConnectWizardWPSView final : public ui::Dialog {
public:
    CConnectWizardWPSView();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnOK() override; // Finish

private:
    void ShowProfileValue();
    bool ReplaceAgreed();
};
