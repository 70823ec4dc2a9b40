// The reminder that the adapter's push button has not been pressed, shown by the push-button page.
// The WPS watchdog closes it when the button is pressed, the adapter goes or zero configuration
// takes the adapter over; OK closes it too.
#pragma once

#include "wps/WpsDialog.h"

class CHWPBCDetect final : public wps::WatchedDialog {
public:
    CHWPBCDetect();

    bool OnInit() override;
};
