// What the wizard's thread asks of the main window. The window changes only on its own thread, so the
// driver posts these (wParam: the call) and the window hands them to the wizard's controller there.
#pragma once

#include <cstdint>

#include "mainwnd/MainWndMessages.h"

namespace wizard {

using mainwnd::kMsgWizardCall;

enum class WindowCall : uintptr_t {
    HideMainWindow = 1,  // a run begins
    StartScan = 2,       // the Networks tab starts the survey the "Please Wait" window waits for
    RestartFallback = 3, // the current profile was loaded again: the fallback clock starts over
    ReevaluateZeroConfig = 4,
    ShowSoon = 5, // the run ends before its first page: show the window in half a second (timer 3)
    RunEnded = 6, // the driver has returned: join its thread and run the end of the run
};

} // namespace wizard
