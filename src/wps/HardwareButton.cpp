#include "wps/HardwareButton.h"

#include <utility>

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "mainwnd/CNetUIDlg.h"
#include "wizard/WizardState.h"
#include "wps/CHWPBCCancelDlg.h"
#include "wps/WpsPageGraph.h"

namespace wps {

HardwareButton::HardwareButton(HardwareButtonLinks links) : m_links(std::move(links)) {}

void HardwareButton::FillHooks(MainWindowHooks& hooks) {
    hooks.startHardwareButtonRun = [this] { OnPressed(); };
    hooks.showHardwareCancel = [this] { ShowCancelNotice(); };
    hooks.pushButtonRunActive = [] { return PushButtonRunActive(); };
}

void HardwareButton::OnPressed() {
    if (OsClass == kOsVista || OsClass == kOsVista64) {
        // The utility, not the system, must own the adapter for the exchange.
        SetAppValue(appvalue::kAutoConfiguration, u"4");
        if (m_links.reevaluateZeroConfig) {
            m_links.reevaluateZeroConfig();
        }
    }
    HwButtonPressed = true;
    if (WizardPage == kPagePushButton) {
        return; // the open push-button page follows the exchange the adapter started
    }
    // A run that is scanning or showing another page ends first (its page closes at its watchdog
    // tick, the driver returns between pages); the wizard then starts the new run at page 103.
    if (m_links.startWizardRun) {
        m_links.startWizardRun();
    }
}

void HardwareButton::ShowCancelNotice() {
    if (m_noticeOpen || !m_links.runModal) {
        return;
    }
    m_noticeOpen = true;
    CHWPBCCancelDlg notice;
    m_links.runModal(notice);
    m_noticeOpen = false;
}

bool HardwareButton::PushButtonRunActive() {
    return WpsRunning;
}

} // namespace wps
