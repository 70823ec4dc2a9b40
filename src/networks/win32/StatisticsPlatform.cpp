// The program's Statistics page reads the system's interface rows and tick count. Kept apart from the
// page so that the page itself builds without Windows.
#include "networks/CStatisticsDlg.h"
#include "networks/win32/WinInterfaceCounters.h"
#include "platform/win32/WinClock.h"

namespace {

platform::InterfaceCounters& SystemCounters() {
    static networks::win32::WinInterfaceCounters counters;
    return counters;
}

platform::Clock& SystemClock() {
    static platform::win32::WinClock clock;
    return clock;
}

} // namespace

CStatisticsDlg::CStatisticsDlg() : CStatisticsDlg(SystemCounters(), SystemClock()) {}
