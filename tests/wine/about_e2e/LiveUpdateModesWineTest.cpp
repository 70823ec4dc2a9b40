// The live update of the real program, one program run meeting the update server's failures one after
// another: no Internet, a server that is down, a feed that is not one, a download that breaks off or
// arrives damaged, and a slow download that the user leaves (the dialog and the main window keep
// answering, Exit closes the dialog while the library still downloads, nothing is started, and the
// program ends from the tray at once).
#include "AboutUnderWine.h"

#include "res/MainWndIds.h"

namespace {

using namespace about_e2e;

constexpr wchar_t kNotConnected[] = L"You are not connected to the Internet for software update. Please check "
                                    L"your Internet connection and try again later.";

class LiveUpdateModes : public AboutUnderWine {
protected:
    // Opens the live update against `server` and waits for it to end by itself.
    HWND CheckUntilFinished(const updatetest::UpdateServer& server) {
        WriteProgramFiles(server.FeedUrl());
        return CheckUntilFinished();
    }
    HWND CheckUntilFinished() {
        HWND dialog = OpenLiveUpdate();
        EXPECT_NE(dialog, nullptr) << "the live-update dialog did not open" << DescribeWindows();
        if (dialog != nullptr) {
            EXPECT_TRUE(WaitFor([&] { return Finished(dialog); }, 60000)) << Joined(LogLines(dialog));
        }
        return dialog;
    }
    // An offered download that fails: the bar drops to 0, nothing is asked and no file is left.
    void ExpectFailedDownload(const wchar_t* mode, const std::wstring& messagePart) {
        SCOPED_TRACE(Narrow(mode));
        updatetest::UpdateServer server(mode);
        ASSERT_TRUE(server.running());
        WriteProgramFiles(server.FeedUrl());
        HWND dialog = OpenLiveUpdate();
        ASSERT_NE(dialog, nullptr) << "the live-update dialog did not open" << DescribeWindows();
        ASSERT_TRUE(AnswerBox(IDOK, 60000)) << "no offer; log:\n" << Joined(LogLines(dialog));
        ASSERT_TRUE(WaitFor([&] { return Finished(dialog); }, 60000)) << Joined(LogLines(dialog));
        EXPECT_EQ(Percent(dialog), L"0%");
        EXPECT_EQ(FindBoxWith(IDYES), nullptr) << "a failed download asks to install";
        std::wstring message = ControlText(dialog, IDC_STATIC_ABOUT_LIVE_UPDATE_MESSAGE);
        EXPECT_NE(message.find(messagePart), std::wstring::npos) << Narrow(message);
        EXPECT_NE(Joined(LogLines(dialog)).find(Narrow(message)), std::string::npos);
        EXPECT_FALSE(Exists(DownloadedInstaller())) << "the damaged download was left";
        EXPECT_FALSE(Exists(m_setupLog)) << "something was started";
        EXPECT_TRUE(Close(dialog));
    }
};

TEST_F(LiveUpdateModes, FailuresAreLoggedAndASlowDownloadCanBeLeft) {
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(ShowPage(kAboutTab, IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE));
    ASSERT_TRUE(WaitForInternetReport(true));

    {
        SCOPED_TRACE("no Internet");
        size_t mark = Log().size();
        ASSERT_EQ(Skyctl(L"internet off"), 0);
        ASSERT_TRUE(WaitForInternetReport(false, mark));
        HWND box = nullptr;
        ASSERT_TRUE(ClickControl(Control(IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE),
                                 [&] { return (box = FindWindowW(L"#32770", kBoxTitle)) != nullptr; }))
            << DescribeWindows();
        EXPECT_EQ(ControlText(box, 0xFFFF), kNotConnected);
        EXPECT_EQ(FindWindowW(L"#32770", kLiveUpdateTitle), nullptr);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
        mark = Log().size();
        ASSERT_EQ(Skyctl(L"internet on"), 0);
        ASSERT_TRUE(WaitForInternetReport(true, mark));
    }
    {
        SCOPED_TRACE("server down");
        std::wstring feed;
        {
            updatetest::UpdateServer server(L"none");
            ASSERT_TRUE(server.running());
            feed = server.FeedUrl();
        }
        WriteProgramFiles(feed);
        HWND dialog = CheckUntilFinished();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(ControlText(dialog, IDC_STATIC_ABOUT_LIVE_UPDATE_MESSAGE), L"The update server could not be reached.");
        EXPECT_NE(Joined(LogLines(dialog)).find(" : The update server could not be reached."), std::string::npos)
            << Joined(LogLines(dialog));
        EXPECT_EQ(Percent(dialog), L"100%");
        EXPECT_EQ(FindBoxWith(IDOK), nullptr) << "nothing is offered";
        EXPECT_TRUE(Close(dialog));
    }
    {
        SCOPED_TRACE("junk");
        updatetest::UpdateServer server(L"junk");
        ASSERT_TRUE(server.running());
        HWND dialog = CheckUntilFinished(server);
        ASSERT_NE(dialog, nullptr);
        std::vector<std::wstring> lines = LogLines(dialog);
        ASSERT_EQ(lines.size(), 2u) << Joined(lines);
        std::wstring message = ControlText(dialog, IDC_STATIC_ABOUT_LIVE_UPDATE_MESSAGE);
        EXPECT_NE(message.find(L"The update"), std::wstring::npos) << "not the library's text: " << Narrow(message);
        EXPECT_NE(lines[1].find(L" : " + message), std::wstring::npos) << Joined(lines);
        EXPECT_EQ(Percent(dialog), L"100%");
        EXPECT_EQ(FindBoxWith(IDOK), nullptr) << "nothing is offered";
        EXPECT_TRUE(Close(dialog));
    }
    ExpectFailedDownload(L"truncated", L"");
    ExpectFailedDownload(L"corrupt", L"MD5");

    // The slow download: about 20 s in 40 pieces.
    updatetest::UpdateServer slow(L"slow");
    ASSERT_TRUE(slow.running());
    WriteProgramFiles(slow.FeedUrl());
    HWND dialog = OpenLiveUpdate();
    ASSERT_NE(dialog, nullptr) << DescribeWindows();
    ASSERT_TRUE(AnswerBox(IDOK, 60000)) << "no offer; log:\n" << Joined(LogLines(dialog));
    std::vector<int> seen;
    bool answered = true;
    WaitFor(
        [&] {
            answered = answered && Answers(dialog) && Answers(m_main);
            int percent = _wtoi(Percent(dialog).c_str());
            if (percent > 20 && percent < 100 && (seen.empty() || percent > seen.back())) {
                seen.push_back(percent);
            }
            return seen.size() >= 3;
        },
        30000);
    EXPECT_TRUE(answered) << "a window did not answer within a second during the download";
    ASSERT_GE(seen.size(), 3u) << "1218 did not rise during the download: " << Narrow(Percent(dialog)) << "\n"
                               << Joined(LogLines(dialog));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDCANCEL))) << "Exit is available during the download";
    SavePicture(L"live-update-downloading", dialog);
    EXPECT_TRUE(Close(dialog));
    EXPECT_TRUE(Answers(m_main));
    PostMessageW(m_main, WM_COMMAND, ID_TRAY_EXIT, 0);
    EXPECT_EQ(m_program->Wait(5000), 0) << "the tray's Exit did not end the program while the library downloads";
    EXPECT_EQ(FindBoxWith(IDYES), nullptr);
    EXPECT_FALSE(Exists(m_setupLog)) << "the left download started its installer: " << ReadText(m_setupLog);
}

} // namespace
