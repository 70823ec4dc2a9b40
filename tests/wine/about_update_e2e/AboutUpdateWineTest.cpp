// The About page's Update button in the real program, with OrvlAdapterUpdate.dll beside it and
// UpdateServer.exe answering: the live-update dialog logs that there is no news, or offers the newer
// version, downloads it and starts its installer (the setup stand-in records its command line).
#include "wine/networks_e2e/UtilityUnderWine.h"

#include "UpdateTestSupport.h"

namespace {

using namespace networks_e2e;

constexpr int kAboutTab = 3;
constexpr int kUpdateButton = 1193;
constexpr int kLogList = 1217;
constexpr int kPercentText = 1218;
constexpr int kMessageText = 1242;
constexpr wchar_t kLiveUpdateTitle[] = L"LiveCheck";
constexpr wchar_t kBoxTitle[] = L"Orvelin Link Warden"; // [MESSAGEBOX] TITLE

// A message box of the program with this button, whatever its caption: the live update's questions
// carry the program's message-box caption.
HWND FindBoxWith(int button) {
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

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return temp;
}

class AboutUpdateUnderWine : public UtilityUnderWine {
protected:
    void SetUp() override {
        UtilityUnderWine::SetUp();
        if (HasFailure()) {
            return;
        }
        for (const wchar_t* file : {L"OrvlAdapterUpdate.dll", L"Language\\English\\About.rtf"}) {
            std::wstring name(file);
            CopyFileW((Dist() + name).c_str(), (m_folder + name).c_str(), FALSE);
        }
        // The library's own Internet report decides; no background check beside the button's.
        WriteAppValue(L"CountryDomain", L"9");
        WriteAppValue(L"ShowInternet", L"1");
        WriteAppValue(L"AutoUpdate", L"0");
        m_setupLog = TempFolder() + L"OrvlUpdate\\setup-commands.log";
        DeleteFileW(m_setupLog.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"ORVL_UPDATE_FEED", nullptr);
        UtilityUnderWine::TearDown();
    }
    void WriteProgramFiles(const std::wstring& feed) {
        std::ofstream(std::filesystem::path(m_folder + L"setup.ini"), std::ios::binary)
            << "[MenuItem]\r\nversion=1.0.0.0\r\n";
        std::ofstream(std::filesystem::path(m_folder + L"stringtable.dat"), std::ios::binary)
            << "[LiveUpdate]\r\nFeed=" << Narrow(feed) << "\r\n";
    }
    // Presses Update until the live-update dialog opens; while the library has not yet reported the
    // Internet, the not-connected message comes instead and is closed.
    HWND OpenLiveUpdate() {
        HWND button = Control(kUpdateButton);
        if (button == nullptr) {
            return nullptr;
        }
        for (int attempt = 0; attempt < 15; ++attempt) {
            RECT rect{};
            GetWindowRect(button, &rect);
            HWND dialog = nullptr, box = nullptr;
            ClickUntil(rect, [&] {
                dialog = FindWindowW(L"#32770", kLiveUpdateTitle);
                box = FindWindowW(L"#32770", kBoxTitle);
                return dialog != nullptr || box != nullptr;
            });
            if (dialog != nullptr) {
                return dialog;
            }
            if (box != nullptr) {
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                WaitFor([&] { return !IsWindow(box); }, 5000);
            }
            Sleep(1000);
        }
        return nullptr;
    }
    // Answers the message box the live update shows with `answer` (its button's id); false when none
    // came.
    bool Answer(int answer, const std::wstring& containing, int milliseconds) {
        HWND box = nullptr;
        if (!WaitFor([&] {
                box = FindBoxWith(answer);
                return box != nullptr;
            }, milliseconds)) {
            return false;
        }
        std::wstring text = ControlText(box, 0xFFFF);
        EXPECT_NE(text.find(containing), std::wstring::npos) << Narrow(text);
        PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
        return WaitFor([&] { return !IsWindow(box); }, 5000);
    }
    std::vector<std::wstring> LogLines(HWND dialog) {
        HWND list = GetDlgItem(dialog, kLogList);
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
    std::string Joined(const std::vector<std::wstring>& lines) {
        std::string all;
        for (const std::wstring& line : lines) {
            all += Narrow(line) + "\n";
        }
        return all;
    }

    std::wstring m_setupLog;
};

TEST_F(AboutUpdateUnderWine, NoNewsIsLoggedAndTheDialogEndsAtHundred) {
    updatetest::UpdateServer server(L"none");
    ASSERT_TRUE(server.running());
    WriteProgramFiles(server.FeedUrl());
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(ShowPage(kAboutTab, kUpdateButton));
    HWND dialog = OpenLiveUpdate();
    ASSERT_NE(dialog, nullptr) << "the live-update dialog did not open";
    EXPECT_TRUE(WaitFor([&] { return ControlText(dialog, kPercentText) == L"100%"; }, 60000))
        << Narrow(ControlText(dialog, kPercentText));
    std::vector<std::wstring> lines = LogLines(dialog);
    ASSERT_EQ(lines.size(), 2u) << Joined(lines);
    EXPECT_NE(lines[0].find(L" : Checking for a newer version..."), std::wstring::npos) << Joined(lines);
    EXPECT_NE(lines[1].find(L" : You already have the latest version."), std::wstring::npos) << Joined(lines);
    EXPECT_EQ(ControlText(dialog, kMessageText), L"You already have the latest version.");
    EXPECT_EQ(FindWindowW(L"#32770", kBoxTitle), nullptr) << "nothing is offered";
    SavePicture(L"about-live-update-none", dialog);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
}

TEST_F(AboutUpdateUnderWine, ANewerVersionIsDownloadedAndItsInstallerStartedToModify) {
    updatetest::UpdateServer server(L"newer");
    ASSERT_TRUE(server.running());
    WriteProgramFiles(server.FeedUrl());
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(ShowPage(kAboutTab, kUpdateButton));
    HWND dialog = OpenLiveUpdate();
    ASSERT_NE(dialog, nullptr) << "the live-update dialog did not open";
    ASSERT_TRUE(Answer(IDOK, L"", 60000)) << "no offer came; log:\n" << Joined(LogLines(dialog));
    ASSERT_TRUE(Answer(IDYES, L"Install the new version now?", 120000))
        << "no install question came; log:\n" << Joined(LogLines(dialog));
    EXPECT_EQ(ControlText(dialog, kPercentText), L"100%");
    ASSERT_TRUE(WaitFor([&] { return ReadText(m_setupLog).find("/z\"-MODIFY\"") != std::string::npos; }, 20000))
        << "setup's command lines: " << ReadText(m_setupLog) << "\nlog:\n" << Joined(LogLines(dialog));
    std::vector<std::wstring> lines = LogLines(dialog);
    std::string all = Joined(lines);
    EXPECT_NE(all.find("A newer version is available."), std::string::npos) << all;
    EXPECT_EQ(all.find("could not be started"), std::string::npos) << all;
    EXPECT_EQ(updatetest::Md5OfFile(TempFolder() + L"OrvlUpdate\\KTVA7700v2_Setup.exe"),
              updatetest::Md5OfFile(Dist() + L"setup.exe"))
        << "the installer started is not the file the server sent";
    SavePicture(L"about-live-update-newer", dialog);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    EXPECT_NE(ReadAppValue(L"AutoUpdateTime"), L"") << "the check's time is written";
}

} // namespace
