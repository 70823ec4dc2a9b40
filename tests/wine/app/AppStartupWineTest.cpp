// KTVA7700v2.exe started for real under Wine, from a private copy of the install tree, with the
// stand-in service library and the WSKTVA7700 service of the session: single instance, the close and
// profile hand-over switches, the clear stops (library, service) and the first-run duties.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "wine/ProgramUnderTest.h"

using namespace wineprogram;

namespace {

constexpr wchar_t kMainTitle[] = L"Orvelin KTVA7700v2 Link Warden";
// Window captions match without regard to case, so this one must differ from the main title in more than
// case.
constexpr wchar_t kInsertTitle[] = L"ORVELIN KTVA7700v2 - INSERT ADAPTER";
constexpr int kNextButton = 1172;
constexpr int kInsertText01 = 1173;

class AppStartup : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Dist().empty()) << "KT_DIST_DIR is not set";
        ASSERT_NE(GetFileAttributesW((Dist() + L"KTVA7700v2.exe").c_str()), INVALID_FILE_ATTRIBUTES);
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        m_folder = std::wstring(temp) + L"kt_app_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                   std::to_wstring(counter++) + L"\\";
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(m_folder), ignored); // left by an earlier run
        CreateDirectoryW(m_folder.c_str(), nullptr);
        CreateDirectoryW((m_folder + L"Language").c_str(), nullptr);
        CreateDirectoryW((m_folder + L"Language\\English").c_str(), nullptr);
        Copy(L"KTVA7700v2.exe");
        Copy(L"Skyvane.dll");
        Copy(L"Product.ini");
        Copy(L"Language\\English\\English.lng");
        // The driver data tool's place is taken by a program that records how it was started.
        CopyFileW((Dist() + L"setup.exe").c_str(), (m_folder + L"DrvSeed64.exe").c_str(), FALSE);

        m_pipe = L"\\\\.\\pipe\\KtAppTest" + std::to_wstring(GetCurrentProcessId());
        SetEnvironmentVariableW(L"SKYVANE_PIPE", m_pipe.c_str());
        UseScenario(true);

        DeleteAppValue(L"ChangeProfile");
        DeleteAppValue(L"Upgread");
        WriteAppValue(L"FirstRun", L"255");
        WriteAppValue(L"VIDPID", L"VID_1234&PID_9999");
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(m_folder), ignored);
        SetEnvironmentVariableW(L"SKYVANE_SCENARIO", nullptr);
        SetEnvironmentVariableW(L"SKYVANE_PIPE", nullptr);
    }

    void Copy(const std::wstring& name) {
        ASSERT_TRUE(CopyFileW((Dist() + name).c_str(), (m_folder + name).c_str(), FALSE))
            << "copy of " << name.size();
    }

    void UseScenario(bool adapterPresent) {
        std::wstring path = m_folder + L"world.ini";
        std::ofstream out(std::filesystem::path(path), std::ios::binary);
        out << "[World]\r\nInternet=1\r\nScanDelay=200\r\n[Adapter]\r\nPresent=" << (adapterPresent ? 1 : 0)
            << "\r\nMAC=00:1C:7E:5A:77:00\r\n[HomeNet]\r\nSSID=Home Net\r\nChannel=6\r\nSecurity=None\r\n";
        out.close();
        SetEnvironmentVariableW(L"SKYVANE_SCENARIO", path.c_str());
    }

    std::wstring Exe() const { return m_folder + L"KTVA7700v2.exe"; }

    int Skyctl(const std::wstring& command) {
        Program tool(Dist() + L"skyctl.exe", L"--pipe " + m_pipe + L" " + command);
        return tool.Wait(20000);
    }

    // A first copy that has reached its main window.
    std::unique_ptr<Program> StartRunningCopy() {
        auto first = std::make_unique<Program>(Exe(), L"");
        EXPECT_TRUE(first->started());
        EXPECT_NE(WaitForWindow(nullptr, kMainTitle, 30000), nullptr) << "the main window did not appear";
        return first;
    }

    std::wstring m_folder;
    std::wstring m_pipe;
};

TEST_F(AppStartup, ASecondCopyEndsAtOnceWithExitCodeZero) {
    auto first = StartRunningCopy();
    Program second(Exe(), L"");
    EXPECT_EQ(second.Wait(10000), 0);
    EXPECT_TRUE(first->Running()) << "the first copy must be untouched";
}

TEST_F(AppStartup, CloseSwitchClosesTheRunningCopy) {
    auto first = StartRunningCopy();
    Program closer(Exe(), L"-c");
    EXPECT_EQ(closer.Wait(10000), 0);
    EXPECT_EQ(first->Wait(10000), 0) << "the running copy did not close";
}

TEST_F(AppStartup, SetProfileHandsTheNameToTheRunningCopy) {
    auto first = StartRunningCopy();
    HWND main = FindWindowW(nullptr, kMainTitle);
    Program second(Exe(), L"-SETPROFILE   Home Net ");
    EXPECT_EQ(second.Wait(20000), 0);
    EXPECT_EQ(ReadAppValue(L"ChangeProfile"), L"Home Net");
    // No profile of that name is stored: the running copy says so.
    HWND box = WaitForWindow(L"#32770", L"Orvelin Wireless Adapter", 10000);
    ASSERT_NE(box, nullptr) << "the running copy did not receive 0x812E";
    EXPECT_EQ(ControlText(box, 0xFFFF), L"Wrong Profile Info");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(first->Running());
    EXPECT_NE(main, nullptr);
}

// Another process asks for the window; the window shows itself on its own thread. A close request
// right behind it, while the show request is still being settled, ends the program instead of hanging
// it on the way out, so the single-instance mutex goes with it and the next start is a first copy.
TEST_F(AppStartup, AShowRequestShowsTheWindowAndACloseRightAfterItEndsTheProgram) {
    auto first = StartRunningCopy();
    HWND main = FindWindowW(nullptr, kMainTitle);
    ASSERT_NE(main, nullptr);
    ShowWindow(main, SW_HIDE); // hidden, as the main window is while it sits in the notification area
    ASSERT_FALSE(IsWindowVisible(main));
    HANDLE show = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"Global\\KTA7X00_WaitToShow_KTVA7700v2");
    ASSERT_NE(show, nullptr);
    SetEvent(show);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 10000)) << "the window was not shown";
    Program closer(Exe(), L"-C");
    EXPECT_EQ(closer.Wait(10000), 0);
    EXPECT_EQ(first->Wait(15000), 0) << "the running copy did not end";
    CloseHandle(show);
    auto next = StartRunningCopy();
    EXPECT_TRUE(next->Running()) << "the next start took itself for a second copy";
}

TEST_F(AppStartup, MissingServiceLibraryStopsWithAClearMessage) {
    DeleteFileW((m_folder + L"Skyvane.dll").c_str());
    Program program(Exe(), L"");
    HWND box = WaitForWindow(L"#32770", L"Orvelin Link Warden", 15000);
    ASSERT_NE(box, nullptr) << "no message box";
    std::wstring text = ControlText(box, 0xFFFF);
    EXPECT_NE(text.find(L"Skyvane.dll"), std::wstring::npos);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.Wait(10000), 1);
    EXPECT_EQ(FindWindowW(nullptr, kMainTitle), nullptr);
}

TEST_F(AppStartup, ALibraryWithoutTheExportStopsWithAClearMessage) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    ASSERT_TRUE(CopyFileW((std::wstring(system) + L"\\version.dll").c_str(),
                          (m_folder + L"Skyvane.dll").c_str(), FALSE));
    Program program(Exe(), L"");
    HWND box = WaitForWindow(L"#32770", L"Orvelin Link Warden", 15000);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_NE(ControlText(box, 0xFFFF).find(L"GetSkyvaneInstance"), std::wstring::npos);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.Wait(10000), 1);
}

TEST_F(AppStartup, UpgradeNoticeShowsOnce) {
    WriteAppValue(L"Upgread", L"1");
    {
        Program program(Exe(), L"");
        HWND box = WaitForWindow(L"#32770", L"Orvelin Wireless Adapter", 30000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ControlText(box, 0xFFFF), L"Reinstall/Upgrade complete.");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        HWND main = WaitForWindow(nullptr, kMainTitle, 15000);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(ReadAppValue(L"Upgread"), L"0");
        PostMessageW(main, 0x8069, 0, 0);
        EXPECT_EQ(program.Wait(10000), 0);
    }
    Program again(Exe(), L"");
    ASSERT_NE(WaitForWindow(nullptr, kMainTitle, 30000), nullptr);
    EXPECT_EQ(FindWindowW(L"#32770", L"Orvelin Wireless Adapter"), nullptr) << "the notice came twice";
}

TEST_F(AppStartup, FirstRunDoneSkipsTheAdapterDialogAndTheDriverTool) {
    UseScenario(false);
    auto first = StartRunningCopy();
    EXPECT_EQ(FindWindowW(nullptr, kInsertTitle), nullptr);
    EXPECT_EQ(GetFileAttributesW((m_folder + L"setup-commands.log").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(AppStartup, FirstRunWithTheAdapterPresentOnlyStartsTheDriverToolHidden) {
    DeleteAppValue(L"FirstRun");
    auto first = StartRunningCopy();
    EXPECT_EQ(FindWindowW(nullptr, kInsertTitle), nullptr);
    EXPECT_TRUE(
        WaitFor([&] { return ReadText(m_folder + L"setup-commands.log").find("EU -0") != std::string::npos; },
                10000));
    EXPECT_NE(ReadText(m_folder + L"setup-commands.log").find("DrvSeed64.exe"), std::string::npos)
        << ReadText(m_folder + L"setup-commands.log");
    // The stand-in in the tool's place records the window state it was given: 0 is hidden.
    EXPECT_EQ(ReadText(m_folder + L"setup-show.log"), "0\r\n");
    EXPECT_EQ(ReadAppValue(L"FirstRun"), L"255");
}

TEST_F(AppStartup, FirstRunWithoutTheAdapterWaitsForItThenStartsTheDriverTool) {
    DeleteAppValue(L"FirstRun");
    UseScenario(false);
    Program program(Exe(), L"");
    HWND dialog = WaitForWindow(nullptr, kInsertTitle, 30000);
    ASSERT_NE(dialog, nullptr) << "the insert-adapter dialog did not appear";
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dialog) != FALSE; }, 5000));
    EXPECT_EQ(ControlText(dialog, kInsertText01),
              L"<B>Insert the wireless USB adapter</B> into your laptop or desktop.");
    Sleep(500); // let the mark-up controls paint before the picture is taken
    std::wstring shots = WindowsPath(Env(L"KT_SCREENSHOT_DIR"));
    if (shots.size() > 1) {
        EXPECT_TRUE(CaptureWindow(dialog, shots + L"insert-adapter.bmp"));
    }
    EXPECT_EQ(ReadAppValue(L"FirstRun"), L"<none>");

    SendMessageW(GetDlgItem(dialog, kNextButton), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, kNextButton)) == FALSE; }, 2000));
    EXPECT_EQ(Skyctl(L"plug"), 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindow(dialog) == FALSE; }, 10000)) << "the dialog did not close";
    ASSERT_NE(WaitForWindow(nullptr, kMainTitle, 15000), nullptr);
    EXPECT_TRUE(WaitFor(
        [&] { return ReadText(m_folder + L"setup-commands.log").find("EU -0") != std::string::npos; }, 10000))
        << "driver tool started with: " << ReadText(m_folder + L"setup-commands.log");
    EXPECT_EQ(ReadAppValue(L"FirstRun"), L"255");
}

// Takes the 45 seconds the dialog waits before it says that the adapter is not there.
TEST_F(AppStartup, AnAdapterArrivingWhileTheNotFoundMessageIsOpenClosesBoth) {
    DeleteAppValue(L"FirstRun");
    UseScenario(false);
    Program program(Exe(), L"");
    HWND dialog = WaitForWindow(nullptr, kInsertTitle, 30000);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dialog) != FALSE; }, 5000));
    SendMessageW(GetDlgItem(dialog, kNextButton), BM_CLICK, 0, 0);
    HWND box = WaitForWindow(L"#32770", L"Orvelin Link Warden", 70000);
    ASSERT_NE(box, nullptr) << "no not-found message after 45 s";
    EXPECT_EQ(ControlText(box, 0xFFFF), L"The Orvelin KTVA7700v2 adapter is not found.");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kNextButton))) << "Next comes back with the message";
    EXPECT_EQ(Skyctl(L"plug"), 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindow(box) == FALSE && IsWindow(dialog) == FALSE; }, 10000))
        << "the message box or the dialog stayed open";
    EXPECT_NE(WaitForWindow(nullptr, kMainTitle, 15000), nullptr) << "the dialog did not end with OK";
    EXPECT_TRUE(WaitFor([&] { return ReadAppValue(L"FirstRun") == L"255"; }, 5000));
}

TEST_F(AppStartup, CancelledAdapterDialogEndsAndAsksAgainNextTime) {
    DeleteAppValue(L"FirstRun");
    UseScenario(false);
    Program program(Exe(), L"");
    HWND dialog = WaitForWindow(nullptr, kInsertTitle, 30000);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dialog) != FALSE; }, 5000));
    SendMessageW(GetDlgItem(dialog, 1171), BM_CLICK, 0, 0);
    EXPECT_EQ(program.Wait(10000), 0);
    EXPECT_EQ(ReadAppValue(L"FirstRun"), L"<none>");
    EXPECT_EQ(GetFileAttributesW((m_folder + L"setup-commands.log").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Last: takes the session's service away and puts it back.
TEST_F(AppStartup, UninstalledServiceShowsFailedToRunService) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    ASSERT_NE(manager, nullptr);
    SC_HANDLE service = OpenServiceW(manager, L"WSKTVA7700", SERVICE_ALL_ACCESS);
    ASSERT_NE(service, nullptr) << "the session has no WSKTVA7700 service";
    SERVICE_STATUS status{};
    ControlService(service, SERVICE_CONTROL_STOP, &status);
    ASSERT_TRUE(DeleteService(service));
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    WaitFor(
        [] {
            SC_HANDLE m = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
            SC_HANDLE s = OpenServiceW(m, L"WSKTVA7700", SERVICE_QUERY_STATUS);
            if (s != nullptr) {
                CloseServiceHandle(s);
            }
            CloseServiceHandle(m);
            return s == nullptr;
        },
        10000);

    {
        Program program(Exe(), L"");
        HWND box = WaitForWindow(L"#32770", L"Message", 30000);
        EXPECT_NE(box, nullptr);
        if (box != nullptr) {
            EXPECT_EQ(ControlText(box, 0xFFFF), L"Failed to run Service");
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        EXPECT_EQ(program.Wait(10000), 0);
        EXPECT_EQ(FindWindowW(nullptr, kMainTitle), nullptr);
    }

    Program reinstall(Dist() + L"WSKTVA7700.exe", L"install");
    EXPECT_EQ(reinstall.Wait(60000), 0) << "the service could not be put back";
}

} // namespace
