#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "base/Text.h"
#include "platform/win32/WinProcesses.h"

TEST(WinProcesses, SnapshotListsThisProgram) {
    platform::win32::WinProcesses processes;
    auto list = processes.Snapshot();
    uint32_t self = processes.CurrentProcessId();
    auto it =
        std::find_if(list.begin(), list.end(), [&](const platform::ProcessInfo& p) { return p.id == self; });
    ASSERT_NE(it, list.end());
    EXPECT_TRUE(base::EqualsAsciiNoCase(it->exeName, u"wine_platform_tests.exe")) << "got another name";
}

TEST(WinProcesses, StartedProgramRunsAndCanBeEnded) {
    platform::win32::WinProcesses processes;
    uint32_t id = processes.Start(u"", u"cmd.exe /c ping -n 30 127.0.0.1 >nul");
    ASSERT_NE(id, 0u);
    EXPECT_TRUE(processes.Terminate(id, 3));
    HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id);
    if (h != nullptr) {
        EXPECT_EQ(WaitForSingleObject(h, 5000), WAIT_OBJECT_0);
        DWORD code = 0;
        GetExitCodeProcess(h, &code);
        EXPECT_EQ(code, 3u);
        CloseHandle(h);
    }
}

TEST(WinProcesses, StartingAMissingProgramFails) {
    platform::win32::WinProcesses processes;
    EXPECT_FALSE(processes.StartHidden(u"open", u"C:\\no\\such\\DrvSeed64.exe", u"EU -0", u""));
    EXPECT_EQ(processes.Start(u"C:\\no\\such.exe", u"C:\\no\\such.exe"), 0u);
    EXPECT_FALSE(processes.Exec(u"C:\\no\\such.exe /x", false));
}
