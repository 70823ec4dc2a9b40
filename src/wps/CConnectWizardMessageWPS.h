// The WPS information dialog, opened from the WPS check page's "Leam More". Its OK leads back to the
// check page.
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardMessageWPS final : public wps::WatchedDialog {
public:
    CConnectWizardMessageWPS();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
};
