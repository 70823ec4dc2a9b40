// The main window's side of the adapter's push button: a press brings the wizard to the push-button
// page wherever the user was, a cancelled hardware exchange may show a notice, and the main window's
// fallback asks whether a push-button exchange runs. Everything here runs on the window's thread.
#pragma once

#include <functional>

#include "ui/Dialog.h"

struct MainWindowHooks;

namespace wps {

struct HardwareButtonLinks {
    // The main window applies the zero-configuration setting again ("AutoConfiguration" changed).
    std::function<void()> reevaluateZeroConfig;
    // wizard::ConnectWizard::StartHardwareButtonRun: an open run ends at its page's next watchdog tick
    // and a new one begins at the push-button page.
    std::function<void()> startWizardRun;
    // Shows a dialog modally on the window's thread.
    std::function<int(ui::Dialog&)> runModal;
};

class HardwareButton {
public:
    explicit HardwareButton(HardwareButtonLinks links);

    // MainWindowHooks: startHardwareButtonRun, showHardwareCancel, pushButtonRunActive.
    void FillHooks(MainWindowHooks& hooks);

    // WPS status 5: the service started a push-button exchange itself.
    void OnPressed();
    // 0x806E with the notice wanted: the cancel notice, unless it is already open.
    void ShowCancelNotice();
    static bool PushButtonRunActive();

private:
    HardwareButtonLinks m_links;
    bool m_noticeOpen = false;
};

} // namespace wps
