// The launcher's dialog with its window dressing: the system menu's About entry and the window icons,
// set up before the launcher runs, as a dialog application does.
#pragma once

#include "uninstall/CUninstallDlg.h"

namespace uninstall::win32 {

class CUninstallWinDlg final : public CUninstallDlg {
public:
    using CUninstallDlg::CUninstallDlg;
    void OnInit() override;
};

} // namespace uninstall::win32
