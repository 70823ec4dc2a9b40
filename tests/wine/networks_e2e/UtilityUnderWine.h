// The real KTVA7700v2.exe started from a private copy of the install tree, against the stand-in service
// library with a private control pipe and its call log mirrored to a file; the main window brought up
// through its tray message and its pages chosen with real clicks on the tab row.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "wine/ProgramUnderTest.h"
#include "wine/RemoteControls.h"
#include "wine/StoredProfiles.h"
#include "wine/networks_e2e/PngCapture.h"

namespace networks_e2e {

using namespace wineprogram;

constexpr wchar_t kMainTitle[] = L"Orvelin KTVA7700v2 Link Warden";
constexpr wchar_t kMessageBoxTitle[] = L"Orvelin Wireless Adapter";
constexpr UINT kTrayNotify = 0x80C9;
constexpr UINT kTrayIconId = 1;
constexpr int kTabControl = 1001;
constexpr int kScanButton = 1017;
constexpr int kNetworksTab = 1;
constexpr int kStatisticsTab = 2;

inline std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return out;
}

// The current profile as the profile store writes it: a WPA2 network of the given name, allowed only
// the radio modes in `modeBits` (kernel::kMode* bits).
inline void WriteCurrentProfile(const std::wstring& network, const std::u16string& passphrase,
                                uint32_t modeBits) {
    WriteWpa2Profile(std::wstring(kAppKey) + L"\\ProfileData", network, network, passphrase, modeBits);
}

class UtilityUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Dist().empty()) << "KT_DIST_DIR is not set";
        m_folder = CopyInstallTree(
            L"kt_nets_", {L"KTVA7700v2.exe", L"Skyvane.dll", L"Product.ini", L"ConnectToInternet.WAV",
                          L"Language\\English\\English.lng", L"Language\\English\\settings.rtf",
                          L"Language\\English\\networks.rtf", L"Language\\English\\statistics.rtf"});
        if (HasFailure()) {
            return;
        }
        m_pipe = L"\\\\.\\pipe\\KtNetworksTest" + std::to_wstring(GetCurrentProcessId());
        m_log = m_folder + L"calls.log";
        SetEnvironmentVariableW(L"SKYVANE_PIPE", m_pipe.c_str());
        SetEnvironmentVariableW(L"SKYVANE_LOG_FILE", m_log.c_str());
        UseDefaultWorld();

        WriteFinishedSetUp(false);
        DeleteKeyTree(std::wstring(kAppKey) + L"\\ProfileData");
        DeleteKeyTree(L"SOFTWARE\\Orvelin\\CustomParams\\Profiles");
        // Every test starts connected to the default world's HomeNet unless it stores another profile.
        WriteCurrentProfile(L"HomeNet", u"sunflower42", kernel::kModeAll);
    }

    void TearDown() override {
        m_program.reset();
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(m_folder), ignored);
        SetEnvironmentVariableW(L"SKYVANE_SCENARIO", nullptr);
        SetEnvironmentVariableW(L"SKYVANE_PIPE", nullptr);
        SetEnvironmentVariableW(L"SKYVANE_LOG_FILE", nullptr);
    }

    // The world the repository documents in data/Skyvane.ini, which is also the library's built-in one.
    void UseDefaultWorld() {
        std::wstring source = Env(L"KT_SOURCE_DIR");
        ASSERT_FALSE(source.empty()) << "KT_SOURCE_DIR is not set";
        std::wstring path = WindowsPath(source) + L"data\\Skyvane.ini";
        ASSERT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << Narrow(path);
        SetEnvironmentVariableW(L"SKYVANE_SCENARIO", path.c_str());
    }

    // A scenario of the test's own, for the program started next; returns its path.
    std::wstring WriteScenario(const std::wstring& fileName, const std::string& text, bool useNow = true) {
        std::wstring path = m_folder + fileName;
        std::ofstream out(std::filesystem::path(path), std::ios::binary);
        out << text;
        out.close();
        if (useNow) {
            SetEnvironmentVariableW(L"SKYVANE_SCENARIO", path.c_str());
        }
        return path;
    }

    HWND Start() {
        m_program = std::make_unique<Program>(m_folder + L"KTVA7700v2.exe", L"");
        EXPECT_TRUE(m_program->started());
        m_main = WaitForWindow(nullptr, kMainTitle, 30000);
        EXPECT_NE(m_main, nullptr) << "the main window did not appear";
        return m_main;
    }

    // Brings the window up as the tray click does and clicks the page's tab, as a user would.
    ::testing::AssertionResult ShowPage(int tabIndex, int pageControl) {
        PostMessageW(m_main, kTrayNotify, kTrayIconId, WM_LBUTTONDOWN);
        if (!WaitFor([&] { return IsWindowVisible(m_main) != FALSE; }, 10000)) {
            return ::testing::AssertionFailure() << "the tray message did not show the window";
        }
        HWND tab = GetDlgItem(m_main, kTabControl);
        HWND control = nullptr;
        if (tab == nullptr ||
            !WaitFor([&] { return (control = FindDescendant(m_main, pageControl)) != nullptr; }, 10000)) {
            return ::testing::AssertionFailure() << "no tab control or no page control " << pageControl;
        }
        std::optional<RECT> item = TabItemRect(tab, tabIndex);
        if (!item) {
            return ::testing::AssertionFailure() << "the tab's place could not be read";
        }
        if (!ClickUntil(*item, [&] { return IsWindowVisible(control) != FALSE; })) {
            return ::testing::AssertionFailure()
                   << "the page did not show after a click at " << item->left << "," << item->top << "-"
                   << item->right << "," << item->bottom << "; selected tab "
                   << SendMessageW(tab, TCM_GETCURSEL, 0, 0);
        }
        return ::testing::AssertionSuccess();
    }

    HWND Control(int id) { return FindDescendant(m_main, id); }
    std::wstring Text(int id) {
        wchar_t text[1024] = {};
        SendMessageW(Control(id), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
        return text;
    }
    bool Enabled(int id) { return IsWindowEnabled(Control(id)) != FALSE; }
    bool TextBecomes(int id, const std::wstring& text, int milliseconds) {
        return WaitFor([&] { return Text(id) == text; }, milliseconds);
    }

    int Skyctl(const std::wstring& command) {
        Program tool(Dist() + L"skyctl.exe", L"--pipe " + m_pipe + L" " + command);
        return tool.Wait(20000);
    }

    std::string Log() { return ReadText(m_log); }
    bool LogHas(const std::string& text, int milliseconds, size_t from = 0) {
        return WaitFor([&] { return Log().find(text, from) != std::string::npos; }, milliseconds);
    }

    // Saves the main window (or another of the program's windows, such as a dialog) as <name>.png in the
    // folder KT_DOC_SCREENSHOTS_DIR names (the repository's docs), and as a bitmap beside the other test
    // pictures when KT_SCREENSHOT_DIR is set.
    void SavePicture(const std::wstring& name, HWND window = nullptr) {
        if (window == nullptr) {
            window = m_main;
        }
        std::wstring shots = Env(L"KT_SCREENSHOT_DIR");
        if (!shots.empty()) {
            EXPECT_TRUE(CaptureWindow(window, WindowsPath(shots) + name + L".bmp"));
        }
        std::wstring docs = Env(L"KT_DOC_SCREENSHOTS_DIR");
        if (!docs.empty()) {
            EXPECT_TRUE(CaptureWindowAsPng(window, WindowsPath(docs) + name + L".png")) << Narrow(docs);
        }
    }

    std::wstring m_folder;
    std::wstring m_pipe;
    std::wstring m_log;
    std::unique_ptr<Program> m_program;
    HWND m_main = nullptr;
};

} // namespace networks_e2e
