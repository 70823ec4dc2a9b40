// Questions about the running system and process that start-up asks once.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The platform ids of the version query.
constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWindows9x = 1;
constexpr uint32_t kPlatformNt = 2;

constexpr uint32_t kNoConsoleSession = 0xFFFFFFFF;

struct OsVersion {
    bool queried = false; // false: the query failed
    uint32_t platformId = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual OsVersion Version() = 0;
    // Whether Windows is 64-bit: for the 32-bit program, whether it runs under 32-bit emulation (no when
    // the query is absent); a 64-bit build answers yes.
    virtual bool IsWow64() = 0;
    // The network user database's privilege level of the current user is the administrator level.
    virtual bool IsAdministrator() = 0;
    // Full path of the running program file, never cut: a caller that cannot work with a long path
    // must see that it is long.
    virtual std::u16string ModulePath() = 0;
    // The whole process command line, program name included.
    virtual std::u16string CommandLine() = 0;
    virtual void SetThreadLocale(uint32_t localeId) = 0;
    // Through "SetThreadUILanguage" looked up by name; false when the lookup finds nothing.
    virtual bool SetThreadUiLanguage(uint32_t languageId) = 0;
    // The calling thread gives way to everything else (helpers that only poll).
    virtual void LowerCurrentThreadPriority() = 0;
    // The session attached to the physical console (the one a user switch or a remote connection
    // takes away); kNoConsoleSession while none is attached, as during the switch itself.
    virtual uint32_t ActiveConsoleSession() = 0;
};

} // namespace platform
