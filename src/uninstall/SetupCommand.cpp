#include "uninstall/SetupCommand.h"

#include <algorithm>

namespace uninstall {
namespace {

constexpr std::string_view kGuidSwitch = "-GUID";
constexpr std::string_view kLanguageSwitch = "-L";
constexpr std::string_view kSetupProgram = "setup.exe";

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// File names are not case-sensitive: "Setup.exe" names the same program.
size_t FindNoCase(std::string_view text, std::string_view word) {
    auto it = std::search(text.begin(), text.end(), word.begin(), word.end(),
                          [](char a, char b) { return Lower(a) == Lower(b); });
    return it == text.end() ? std::string_view::npos : static_cast<size_t>(it - text.begin());
}

} // namespace

std::string ProductIdentifier(std::string_view commandLine) {
    size_t guid = commandLine.find(kGuidSwitch);
    // Without the switch the position counts as -1, so the identifier starts at 5.
    size_t start = guid == std::string_view::npos ? kGuidSwitch.size() : guid + kGuidSwitch.size() + 1;
    return start < commandLine.size() ? std::string(commandLine.substr(start)) : std::string();
}

std::string SetupCommand(std::string_view uninstallString, std::string_view commandLine) {
    std::string command;
    size_t setup = FindNoCase(uninstallString, kSetupProgram);
    if (setup != std::string_view::npos) {
        command = uninstallString.substr(0, setup);
    }
    command += kSetupProgram;
    // A quoted path ("C:\Program Files\...\setup.exe" -args) lost its closing quote with the arguments;
    // without it the program name would run on into the appended language part.
    if (std::count(command.begin(), command.end(), '"') % 2 != 0) {
        command += '"';
    }
    size_t language = commandLine.find(kLanguageSwitch);
    if (language != std::string_view::npos && language > 0) {
        command += ' ';
        command += commandLine.substr(language);
    }
    return command;
}

} // namespace uninstall
