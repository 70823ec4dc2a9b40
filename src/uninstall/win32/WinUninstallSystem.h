// UninstallSystem on the ANSI registry functions and WinExec.
#pragma once

#include "uninstall/UninstallSystem.h"

namespace uninstall::win32 {

class WinUninstallSystem final : public UninstallSystem {
public:
    bool ReadUninstallString(std::string_view identifier, std::string& out) override;
    bool Exec(std::string_view commandLine) override;
};

} // namespace uninstall::win32
