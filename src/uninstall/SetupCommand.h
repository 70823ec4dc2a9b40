// The uninstall launcher's command-line rules: which product key to read, and the setup command to start.
//
// Text here is the ANSI command line and registry text the launcher works with, byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace uninstall {

// Everything after "-GUID" and the one separator character that follows it. Without "-GUID" the
// identifier is the command line from its sixth character on, which names no product.
std::string ProductIdentifier(std::string_view commandLine);

// The product's uninstall command reduced to its setup program (the text up to the first "setup.exe",
// then "setup.exe"; "setup.exe" alone when there is none), followed by a blank and the command line
// from "-L" on when "-L" appears after its first character.
std::string SetupCommand(std::string_view uninstallString, std::string_view commandLine);

} // namespace uninstall
