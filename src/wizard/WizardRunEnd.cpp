// The end of a connect-wizard run, on the main window's thread.
#include "app/AppGlobals.h"
#include "mainwnd/CNetUIDlg.h"
#include "mainwnd/CQueryTabCtrl.h"
#include "networks/NetworkList.h"
#include "wizard/ManualSetUp.h"
#include "wizard/WizardPages.h"
#include "wizard/WizardState.h"

namespace wizard {

void FinishRun(CNetUIDlg& window, const RunOutcome& outcome) {
    window.SetBusy(false);
    window.Pages().networks.ShowListAgain();
    if (WpsMode) {
        WpsMode = false;
        WpsRunning = false;
    }

    if (outcome.storeAtEnd) {
        window.Pages().settings.TakeWizardProfile(WizardProfile, SaveAtEnd);
    } else if (!DevicePresent) {
        window.ClearTrayIcon();
        window.HideWindow();
    } else {
        if (window.ShownBefore()) {
            window.RaiseAndShow();
        } else {
            window.RaiseInOrder();
        }
        if (!outcome.wpsFallback && window.ConnectionLost()) {
            window.RestartFallbackClock();
        }
    }

    if (WizardState.manualSetupRequested) {
        // A WPS page sent the user to set the network up by hand.
        WizardState.manualSetupRequested = false;
        window.ShowPage(CQueryTabCtrl::kSettings);
        window.Pages().settings.ShowNetworkForManualSetUp(ManualSetUpNetwork(networks::CopyNetworkList()));
    }
    WizardState.firstRun = false;
    WizardState.fromList = false;
}

} // namespace wizard
