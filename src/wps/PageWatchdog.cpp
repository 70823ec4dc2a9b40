#include "wps/PageWatchdog.h"

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "wizard/WizardState.h"

namespace wps {

bool ZeroConfigOwnsAdapter() {
    if (g_bZeroConfig) {
        return true;
    }
    return (OsClass == kOsVista || OsClass == kOsVista64) && AppValue(appvalue::kAutoConfiguration) == u"2";
}

CloseReason PageWatchdog::Reason() const {
    if (!DevicePresent) {
        return CloseReason::AdapterGone;
    }
    if (ZeroConfigOwnsAdapter()) {
        return CloseReason::ZeroConfigOwns;
    }
    if (HwButtonPressed && !m_ignoresHardwareButton) {
        return CloseReason::HardwareButton;
    }
    return CloseReason::None;
}

} // namespace wps
