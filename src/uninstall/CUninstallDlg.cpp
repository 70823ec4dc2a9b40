#include "uninstall/CUninstallDlg.h"

#include "base/Trace.h"
#include "uninstall/SetupCommand.h"

namespace uninstall {

namespace {
constexpr int kApplicationIcon = 32512; // the system's default program icon
} // namespace

bool CUninstallDlg::OnInit() {
    // The dressing of a dialog application, in place before the launcher runs.
    host().AddSystemMenuItem(IDM_ABOUTBOX, u"&About Uninstall...");
    host().SetIcon(kApplicationIcon);

    std::string identifier = ProductIdentifier(m_commandLine);
    std::string uninstallString;
    // An empty identifier would name the list of installed programs itself, not a product.
    if (identifier.empty() || !m_system.ReadUninstallString(identifier, uninstallString)) {
        uninstallString.clear();
    }
    m_started = SetupCommand(uninstallString, m_commandLine);
    if (!m_system.Exec(m_started)) {
        // Nothing to tell the user with: the launcher has no window of its own.
        base::Trace(u"Uninstall: the setup program could not be started");
    }
    host().EndDialog(0);
    return true;
}

} // namespace uninstall
