// The console session as the system reports it, against the session of the test process itself,
// which runs on the console.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/WinAppPlatform.h"

using platform::win32::WinSystemInfo;

namespace {

TEST(WinConsoleSession, IsTheSessionOfAProcessOnTheConsole) {
    WinSystemInfo system;
    uint32_t session = system.ActiveConsoleSession();
    EXPECT_NE(session, platform::kNoConsoleSession);
    DWORD own = 0xA5A5A5A5;
    ASSERT_TRUE(ProcessIdToSessionId(GetCurrentProcessId(), &own));
    EXPECT_EQ(session, own);
    EXPECT_EQ(system.ActiveConsoleSession(), session) << "asked again, nothing changed";
}

} // namespace
