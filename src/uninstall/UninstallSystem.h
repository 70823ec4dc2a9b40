// What the uninstall launcher asks of Windows, in the ANSI text it works with.
#pragma once

#include <string>
#include <string_view>

namespace uninstall {

class UninstallSystem {
public:
    virtual ~UninstallSystem() = default;
    // "UninstallString" of the product's key under the system's list of installed programs; false when
    // it cannot be read (no key, no value, not text, longer than 255 characters).
    virtual bool ReadUninstallString(std::string_view identifier, std::string& out) = 0;
    // Starts a command line shown, not waited for; false when it could not be started.
    virtual bool Exec(std::string_view commandLine) = 0;
};

} // namespace uninstall
