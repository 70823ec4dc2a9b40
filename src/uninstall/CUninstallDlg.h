// The launcher's dialog. It starts the product's setup program while it initialises and ends before it
// is ever shown.
#pragma once

#include <string>

#include "ui/Dialog.h"
#include "uninstall/UninstallIds.h"
#include "uninstall/UninstallSystem.h"

namespace uninstall {

class CUninstallDlg : public ui::Dialog {
public:
    CUninstallDlg(UninstallSystem& system, std::string commandLine)
        : ui::Dialog(IDD_UNINSTALL_DIALOG), m_system(system), m_commandLine(std::move(commandLine)) {}

    bool OnInit() override;

    // The command that was started (empty before OnInit).
    const std::string& StartedCommand() const { return m_started; }

private:
    UninstallSystem& m_system;
    std::string m_commandLine;
    std::string m_started;
};

} // namespace uninstall
