// The real program with its About page, against the stand-in service and the update library stand-in:
// setup.ini and stringtable.dat written into the program's private folder (the library reads the feed
// address from stringtable.dat each time a live update begins, so one program run can meet several
// servers one after another), the live-update dialog, its question boxes and the update notice found
// by their controls.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "UpdateTestSupport.h"
#include "res/AboutIds.h"
#include "res/AboutReportIds.h"
#include "res/LiveUpdateIds.h"
#include "wine/settings_e2e/SettingsUnderWine.h"

namespace about_e2e {

using namespace wineprogram;
using networks_e2e::Narrow;

constexpr int kAboutTab = 3;
constexpr wchar_t kLiveUpdateTitle[] = L"LiveCheck";
constexpr wchar_t kReportTitle[] = L"System Information";
constexpr wchar_t kBoxTitle[] = L"Orvelin Link Warden"; // [MESSAGEBOX] TITLE
constexpr wchar_t kInstallerName[] = L"KTVA7700v2_Setup.exe";

inline std::wstring TempFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return temp;
}

inline std::wstring DownloadedInstaller() { return TempFolder() + L"OrvlUpdate\\" + kInstallerName; }

inline bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline long long Now() { return static_cast<long long>(std::time(nullptr)); }

// A message box of the program with this button, whatever its caption: the live update's questions
// carry the program's message-box caption.
inline HWND FindBoxWith(int button) {
    struct Search {
        int button;
        HWND found;
    } search{button, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t cls[32] = {}, title[128] = {};
            GetClassNameW(window, cls, 32);
            GetWindowTextW(window, title, 128);
            if (std::wstring(cls) == L"#32770" && std::wstring(title) != kLiveUpdateTitle &&
                IsWindowVisible(window) && GetDlgItem(window, s->button) != nullptr &&
                GetDlgItem(window, 0xFFFF) != nullptr) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether the window's thread takes a message within a second: a hung dialog does not.
inline bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

class AboutUnderWine : public settings_e2e::SettingsUnderWine {
protected:
    void SetUp() override {
        settings_e2e::SettingsUnderWine::SetUp();
        if (HasFailure()) {
            return;
        }
        for (const wchar_t* file : {L"OrvlAdapterUpdate.dll", L"Language\\English\\About.rtf"}) {
            std::wstring name(file);
            ASSERT_TRUE(CopyFileW((Dist() + name).c_str(), (m_folder + name).c_str(), FALSE)) << Narrow(name);
        }
        // The library's own Internet report decides; the background check stays off unless a test wants it.
        WriteAppValue(L"CountryDomain", L"9");
        WriteAppValue(L"ShowInternet", L"1");
        WriteAppValue(L"ShowInternetMsgBox", L"0");
        WriteAppValue(L"AutoUpdate", L"0");
        WriteAppValue(L"Language", L"0");
        m_setupLog = TempFolder() + L"OrvlUpdate\\setup-commands.log";
        DeleteFileW(m_setupLog.c_str());
        DeleteFileW(DownloadedInstaller().c_str());
        WriteProgramFiles(L"http://127.0.0.1:9/feed.ini");
    }

    void TearDown() override {
        settings_e2e::SettingsUnderWine::TearDown();
        // The next program started, by this or another test program, reads its texts in English again
        // and does not meet the background check.
        WriteAppValue(L"Language", L"0");
        WriteAppValue(L"AutoUpdate", L"0");
    }

    void WriteProgramFiles(const std::wstring& feed) {
        std::ofstream(std::filesystem::path(m_folder + L"setup.ini"), std::ios::binary)
            << "[MenuItem]\r\nversion=1.0.0.0\r\n";
        std::ofstream(std::filesystem::path(m_folder + L"stringtable.dat"), std::ios::binary)
            << "[LiveUpdate]\r\nFeed=" << Narrow(feed) << "\r\n";
    }

    // The stand-in reports the Internet once connected with an address; the Update button asks for it.
    ::testing::AssertionResult WaitForInternetReport(bool reachable, size_t from = 0) {
        std::string line = std::string("event OnWKInternetChanged ") + (reachable ? "1" : "0");
        if (!LogHas(line, 30000, from)) {
            return ::testing::AssertionFailure() << "no \"" << line << "\" in the call log:\n" << Log();
        }
        return ::testing::AssertionSuccess();
    }

    // Presses Update; the live-update dialog once it is there (nullptr when it does not come).
    HWND OpenLiveUpdate() {
        HWND dialog = nullptr;
        ClickControl(Control(IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE),
                     [&] { return (dialog = FindWindowW(L"#32770", kLiveUpdateTitle)) != nullptr; });
        return dialog;
    }

    // Answers the question box of the live update that has this button, once it comes.
    ::testing::AssertionResult AnswerBox(int button, int milliseconds) {
        HWND box = nullptr;
        if (!WaitFor([&] { return (box = FindBoxWith(button)) != nullptr; }, milliseconds)) {
            return ::testing::AssertionFailure() << "no question box with button " << button;
        }
        PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        if (!WaitFor([&] { return !IsWindow(box); }, 5000)) {
            return ::testing::AssertionFailure() << "the question box stayed";
        }
        return ::testing::AssertionSuccess();
    }

    static std::vector<std::wstring> LogLines(HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_LIST_ABOUT_LIVE_UPDATE_LOG);
        std::vector<std::wstring> lines;
        int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t line[1024] = {};
            if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 1024) {
                SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
            }
            lines.emplace_back(line);
        }
        return lines;
    }
    static std::string Joined(const std::vector<std::wstring>& lines) {
        std::string all;
        for (const std::wstring& line : lines) {
            all += Narrow(line) + "\n";
        }
        return all;
    }
    static std::wstring Percent(HWND dialog) { return ControlText(dialog, IDC_STATIC_ABOUT_LIVE_UPDATE_PERCENT); }
    // The live update has ended by itself: at 100% (nothing to offer, or done), or back at 0% after an
    // offered download failed (checking, the offer and the failure logged). Exit is enabled throughout,
    // so it tells nothing; the bar is at 20% or more from the offer until the download ends.
    static bool Finished(HWND dialog) {
        std::wstring percent = Percent(dialog);
        return percent == L"100%" || (percent == L"0%" && LogLines(dialog).size() >= 3);
    }

    // Closes the live-update dialog with its Exit button.
    static ::testing::AssertionResult Close(HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        if (!WaitFor([&] { return !IsWindow(dialog); }, 2000)) {
            return ::testing::AssertionFailure() << "Exit did not close the live-update dialog";
        }
        return ::testing::AssertionSuccess();
    }

    // The text of a tab of the main window, read through memory of the program's own.
    std::wstring TabCaption(int index) {
        HWND tab = GetDlgItem(m_main, networks_e2e::kTabControl);
        RemoteBuffer remote(tab, sizeof(TCITEMW) + 256 * sizeof(wchar_t));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(remote.at(sizeof(TCITEMW)));
        item.cchTextMax = 256;
        wchar_t text[256] = {};
        if (!remote.Write(&item, sizeof item) ||
            !SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(index), remote.param()) ||
            !remote.Read(text, sizeof text - sizeof(wchar_t), sizeof(TCITEMW))) {
            return L"<unreadable>";
        }
        // The main window centres its captions with blanks.
        std::wstring caption(text);
        caption.erase(0, caption.find_first_not_of(L' '));
        caption.erase(caption.find_last_not_of(L' ') + 1);
        return caption;
    }

    std::wstring m_setupLog;
};

} // namespace about_e2e
