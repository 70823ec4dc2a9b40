// The Express WPS information dialog, from page 101's "Learn more" or from a push-button exchange.
#pragma once

#include "wps/WpsDialog.h"

class CConnectWizardMessageExpressWPS final : public wps::WatchedDialog {
public:
    // `fromRunningExchange`: opened while a push-button exchange runs; the adapter's button, which
    // may have started that exchange, does not close it then.
    explicit CConnectWizardMessageExpressWPS(bool fromRunningExchange = false);

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
};
