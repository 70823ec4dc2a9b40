// The real main window of KTVA7700v2.exe under Wine, against the stand-in service library: hidden start
// with its tray icon, the stored current profile connected and shown, the tray icon following the
// adapter, showing and hiding, the profile hand-over of a second copy, the Internet notice and the exit.
// The library's call log is mirrored to a file (SKYVANE_LOG_FILE), so it can be read after the exit.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/Encoding.h"
#include "wine/DebuggedProgram.h"
#include "wine/ProgramUnderTest.h"
#include "wine/StoredProfiles.h"

using namespace wineprogram;

namespace {

constexpr wchar_t kMainTitle[] = L"Orvelin KTVA7700v2 Link Warden";
constexpr wchar_t kNoticeTitle[] = L"ORVELIN LINK WARDEN";
constexpr int kStatusArea = 1013;
constexpr UINT kTrayNotify = 0x80C9;
constexpr UINT kTrayExit = 32773;
constexpr UINT kTrayIconId = 1;

// Whether the shell shows the window's icon: a change with nothing to change is refused for an icon
// that is not there.
bool TrayIconShown(HWND window) {
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V3_SIZE;
    record.hWnd = window;
    record.uID = kTrayIconId;
    record.uFlags = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

class MainWindowUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Dist().empty()) << "KT_DIST_DIR is not set";
        m_folder = CopyInstallTree(L"kt_main_", {L"KTVA7700v2.exe", L"Skyvane.dll", L"Product.ini",
                                                 L"ConnectToInternet.WAV", L"Language\\English\\English.lng",
                                                 L"Language\\English\\settings.rtf"});
        if (HasFailure()) {
            return;
        }
        m_pipe = L"\\\\.\\pipe\\KtMainTest" + std::to_wstring(GetCurrentProcessId());
        m_log = m_folder + L"calls.log";
        SetEnvironmentVariableW(L"SKYVANE_PIPE", m_pipe.c_str());
        SetEnvironmentVariableW(L"SKYVANE_LOG_FILE", m_log.c_str());
        WriteScenario();

        WriteFinishedSetUp(true);
        std::wstring key = kAppKey;
        DeleteKeyTree(key + L"\\ProfileData");
        DeleteKeyTree(L"SOFTWARE\\Orvelin\\CustomParams\\Profiles");
        WriteWpa2Profile(key + L"\\ProfileData", L"Home", L"Home Net", u"sunflower42");
    }

    void TearDown() override {
        m_program.reset();
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(m_folder), ignored);
        SetEnvironmentVariableW(L"SKYVANE_SCENARIO", nullptr);
        SetEnvironmentVariableW(L"SKYVANE_PIPE", nullptr);
        SetEnvironmentVariableW(L"SKYVANE_LOG_FILE", nullptr);
    }

    static std::string Utf8(const wchar_t* text) {
        std::wstring w(text);
        return std::string(w.begin(), w.end());
    }

    void WriteScenario() {
        std::wstring path = m_folder + L"world.ini";
        std::ofstream out(std::filesystem::path(path), std::ios::binary);
        out << "[World]\r\nInternet=1\r\nScanDelay=200\r\nAssociateDelay=200\r\nAddressDelay=200\r\n"
               "InternetDelay=300\r\nLinkPeriod=0\r\n"
               "[Adapter]\r\nPresent=1\r\nMAC=00:1C:7E:5A:77:00\r\n"
               "[HomeNet]\r\nSSID=Home Net\r\nBSSID=00:24:B2:10:20:01\r\nChannel=6\r\nModes=bg\r\n"
               "Security=WPA2-PSK\r\nPassphrase=sunflower42\r\nSignal=88\r\nAddress=192.168.1.20\r\n"
               "Gateway=192.168.1.1\r\n";
        out.close();
        SetEnvironmentVariableW(L"SKYVANE_SCENARIO", path.c_str());
    }

    HWND Start() {
        m_program = std::make_unique<Program>(m_folder + L"KTVA7700v2.exe", L"");
        EXPECT_TRUE(m_program->started());
        HWND main = WaitForWindow(nullptr, kMainTitle, 30000);
        EXPECT_NE(main, nullptr) << "the main window did not appear";
        return main;
    }

    int Skyctl(const std::wstring& command) {
        Program tool(Dist() + L"skyctl.exe", L"--pipe " + m_pipe + L" " + command);
        return tool.Wait(20000);
    }

    std::string Log() { return ReadText(m_log); }
    bool LogHas(const std::string& text, int milliseconds) {
        return WaitFor([&] { return Log().find(text) != std::string::npos; }, milliseconds);
    }

    std::wstring m_folder;
    std::wstring m_pipe;
    std::wstring m_log;
    std::unique_ptr<Program> m_program;
};

TEST_F(MainWindowUnderWine, StartsHiddenInTheTrayAndConnectsTheStoredProfile) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main)) << "the window lives in the notification area";
    EXPECT_TRUE(WaitFor([&] { return TrayIconShown(main); }, 10000)) << "no tray icon with the adapter";

    EXPECT_TRUE(LogHas("ConnectWithBlock ssid=\"Home Net\"", 10000)) << Log();
    EXPECT_NE(Log().find("psk=\"sunflower42\""), std::string::npos) << "the stored key went out";
    EXPECT_TRUE(WaitFor(
        [&] { return ControlText(main, kStatusArea).find(L"Home Net") != std::wstring::npos; }, 10000))
        << "status area: " << Utf8(ControlText(main, kStatusArea).c_str());
    EXPECT_TRUE(WaitFor(
        [&] { return ControlText(main, kStatusArea).find(L"192.168.1.20") != std::wstring::npos; }, 10000));
    EXPECT_FALSE(IsWindowVisible(main)) << "connecting does not bring the window up";

    EXPECT_EQ(Skyctl(L"unplug"), 0);
    EXPECT_TRUE(WaitFor([&] { return !TrayIconShown(main); }, 10000))
        << "the icon stayed without the adapter";
    EXPECT_EQ(Skyctl(L"plug"), 0);
    EXPECT_TRUE(WaitFor([&] { return TrayIconShown(main); }, 10000)) << "the icon did not come back";
}

TEST_F(MainWindowUnderWine, TheTrayShowsTheWindowWhichOnlyHidesAndIgnoresEnterAndEscape) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return TrayIconShown(main); }, 10000));
    PostMessageW(main, kTrayNotify, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 10000)) << "a left click shows it";
    RECT place{};
    GetWindowRect(main, &place);
    EXPECT_GE(place.left, 0) << "shown on the screen, not where it waited";
    EXPECT_GE(place.top, 0);

    // With Close as the default button, an Enter that reached the dialog manager would press it.
    SendMessageW(main, DM_SETDEFID, 1016, 0);
    HWND tab = GetDlgItem(main, 1001);
    SetForegroundWindow(main);
    for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
        PostMessageW(tab, WM_KEYDOWN, key, 0);
        PostMessageW(tab, WM_KEYUP, key, 0);
    }
    Sleep(500);
    EXPECT_TRUE(IsWindowVisible(main)) << "Enter or Escape closed the window";
    EXPECT_TRUE(m_program->Running());

    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 10000)) << "the close box did not hide it";
    Sleep(300);
    EXPECT_TRUE(m_program->Running()) << "the close box ended the program";
    EXPECT_TRUE(TrayIconShown(main)) << "the tray icon stays";

    PostMessageW(main, WM_COMMAND, kTrayExit, 0);
    EXPECT_EQ(m_program->Wait(15000), 0) << "Exit did not end the program with code 0";
    std::string log = Log();
    size_t removed = log.find("RemoveReceiver");
    size_t disconnected = log.rfind("Disconnect");
    EXPECT_NE(removed, std::string::npos) << log;
    EXPECT_NE(disconnected, std::string::npos) << log;
    EXPECT_LT(removed, disconnected) << "the receiver goes before the disconnect";
}

TEST_F(MainWindowUnderWine, ASecondCopyHandsOverAProfileNamedInAnotherCase) {
    WriteWpa2Profile(L"SOFTWARE\\Orvelin\\CustomParams\\Profiles\\Office", L"Office", L"Home Net",
                     u"sunflower42");
    HKEY list = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Orvelin\\CustomParams\\Profiles", 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &list, nullptr),
              ERROR_SUCCESS);
    WriteValue(list, L"01", std::wstring(L"Office"));
    RegCloseKey(list);

    HWND main = Start();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(LogHas("ConnectWithBlock ssid=\"Home Net\"", 10000));
    size_t before = Log().size();
    Program second(m_folder + L"KTVA7700v2.exe", L"-setProfile oFFICE");
    EXPECT_EQ(second.Wait(20000), 0);
    EXPECT_TRUE(WaitFor([&] { return Log().find("ConnectWithBlock", before) != std::string::npos; }, 10000))
        << "the handed-over profile was not connected";
    EXPECT_EQ(ReadAppValue(L"ChangeProfile"), L"oFFICE");
    EXPECT_EQ(FindWindowW(L"#32770", L"Orvelin Wireless Adapter"), nullptr) << "no \"Wrong Profile Info\"";
}

TEST_F(MainWindowUnderWine, TheInternetNoticeComesOnceWhileTheWindowIsUp) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return TrayIconShown(main); }, 10000));
    ASSERT_TRUE(LogHas("event OnWKInternetChanged 1", 15000)) << Log();
    EXPECT_EQ(FindWindowW(nullptr, kNoticeTitle), nullptr) << "hidden in the tray: no notice";

    PostMessageW(main, kTrayNotify, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 10000)) << "not shown";
    EXPECT_EQ(Skyctl(L"internet off"), 0);
    ASSERT_TRUE(LogHas("event OnWKInternetChanged 0", 10000)) << Log();
    EXPECT_EQ(Skyctl(L"internet on"), 0);
    HWND notice = WaitForWindow(nullptr, kNoticeTitle, 10000);
    ASSERT_NE(notice, nullptr) << "no Internet notice; calls:\n" << Log();
    EXPECT_TRUE(IsWindowVisible(notice));
    std::wstring shots = Env(L"KT_SCREENSHOT_DIR");
    if (!shots.empty()) {
        CaptureWindow(main, WindowsPath(shots) + L"main-window-connected.bmp");
    }
}

// The tray's icon cannot be read back from the notification area; the program's diagnostic lines say
// which one it gave.
TEST_F(MainWindowUnderWine, TheTrayIconFollowsTheSignalAcrossFiftyOne) {
    DebuggedProgram program(m_folder + L"KTVA7700v2.exe", L"");
    ASSERT_TRUE(program.started());
    auto shows = [&](int icon) {
        return WaitFor([&] { return program.CountLines("VX_GUI: tray icon " + std::to_string(icon)) > 0; },
                       10000);
    };
    ASSERT_TRUE(shows(158)) << "connected at 88: " << program.AllLines();
    EXPECT_EQ(Skyctl(L"signal \"Home Net\" 50"), 0);
    EXPECT_TRUE(shows(159)) << program.AllLines();
    EXPECT_EQ(Skyctl(L"signal \"Home Net\" 51"), 0);
    EXPECT_TRUE(WaitFor([&] { return program.CountLines("VX_GUI: tray icon 158") == 2; }, 10000))
        << program.AllLines();
}

} // namespace
