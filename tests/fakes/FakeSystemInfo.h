// A system whose version, rights, paths and command line are whatever the test sets; locale calls are
// recorded.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "platform/SystemInfo.h"

namespace fakes {

class FakeSystemInfo final : public platform::SystemInfo {
public:
    platform::OsVersion Version() override { return version; }
    bool IsWow64() override { return wow64; }
    bool IsAdministrator() override { return administrator; }
    std::u16string ModulePath() override { return modulePath; }
    std::u16string CommandLine() override { return commandLine; }
    void SetThreadLocale(uint32_t localeId) override { locales.push_back(localeId); }
    bool SetThreadUiLanguage(uint32_t languageId) override {
        uiLanguages.push_back(languageId);
        return hasUiLanguageCall;
    }

    void LowerCurrentThreadPriority() override { ++lowered; }
    uint32_t ActiveConsoleSession() override { return consoleSession; }

    std::atomic<int> lowered{0};
    std::atomic<uint32_t> consoleSession{1};
    platform::OsVersion version{true, platform::kPlatformNt, 5, 1}; // XP
    bool wow64 = false;
    bool administrator = true;
    std::u16string modulePath = u"C:\\Program Files\\Orvelin\\KTVA7700v2.exe";
    std::u16string commandLine;
    bool hasUiLanguageCall = true;
    std::vector<uint32_t> locales;
    std::vector<uint32_t> uiLanguages;
};

} // namespace fakes
