// The background check of the real program with its window hidden: with the last check 31 days back
// and a newer version on the server, the update notice slides in at the bottom right of the screen.
// No leaves the check's time as it was (so the next run offers again); No with "don't remind" ticked
// writes it.
#include "AboutUnderWine.h"

namespace {

using namespace about_e2e;

class UpdateNotice : public AboutUnderWine {
protected:
    // The notice, once it has slid in to its full height.
    HWND WaitForNotice() {
        HWND notice = WaitForDialogWith(IDC_BUTTON_MESSAGE_AUTOUPDATE_UPDATE, 60000);
        if (notice == nullptr) {
            ADD_FAILURE() << "no update notice came" << DescribeWindows() << "\n" << Log();
            return nullptr;
        }
        // At rest: grown to its full height (its lowest button wholly inside it), and no longer moving.
        // A busy machine can hold the slide's timer back for longer than one look, so an unchanged
        // place alone does not say the slide is over.
        RECT last{};
        HWND lowest = GetDlgItem(notice, IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL);
        EXPECT_TRUE(WaitFor(
            [&] {
                RECT now{}, button{};
                GetWindowRect(notice, &now);
                GetWindowRect(lowest, &button);
                bool still = EqualRect(&now, &last) && button.bottom <= now.bottom;
                last = now;
                Sleep(200);
                return still;
            },
            10000))
            << "the notice did not come to rest";
        return notice;
    }
    void ExpectBottomRight(HWND notice) {
        RECT place{}, work{};
        GetWindowRect(notice, &place);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_EQ(place.right, GetSystemMetrics(SM_CXSCREEN)) << "right edge";
        // Wine gives each process its own work area: the program's may end at the screen's bottom
        // while the taskbar of the virtual desktop takes the last rows of this process's one.
        EXPECT_GE(place.bottom, work.bottom) << "bottom edge";
        EXPECT_LE(place.bottom, GetSystemMetrics(SM_CYSCREEN)) << "bottom edge";
        EXPECT_FALSE(IsWindowVisible(m_main)) << "the main window stays hidden";
        EXPECT_EQ(FindWindowW(L"#32770", kLiveUpdateTitle), nullptr) << "the notice comes first";
    }
};

TEST_F(UpdateNotice, NoKeepsTheCheckTimeAndNoWithTheTickWritesIt) {
    updatetest::UpdateServer server(L"newer");
    ASSERT_TRUE(server.running());
    WriteProgramFiles(server.FeedUrl());
    WriteAppValue(L"AutoUpdate", L"1");
    std::wstring monthAgo = std::to_wstring(Now() - 31 * 86400);
    WriteAppValue(L"AutoUpdateTime", monthAgo.c_str());

    ASSERT_NE(Start(), nullptr);
    HWND notice = WaitForNotice();
    ASSERT_NE(notice, nullptr);
    ExpectBottomRight(notice);
    EXPECT_EQ(ControlText(notice, IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT), L"Latest application is available for");
    SavePicture(L"update-notice", notice);
    ASSERT_TRUE(Answer(notice, IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL));
    Sleep(3000); // the time would be written as the answer arrives
    EXPECT_EQ(ReadAppValue(L"AutoUpdateTime"), monthAgo) << "No without the tick changed the check's time";
    EXPECT_EQ(FindWindowW(L"#32770", kLiveUpdateTitle), nullptr) << "No opened the live update";

    // The next run finds the check still due and offers again. The first run's notice must be gone
    // first, or the wait below could find it while it is being destroyed.
    m_program.reset();
    ASSERT_TRUE(WaitFor([&] { return IsWindow(notice) == FALSE; }, 10000)) << "the first run's notice stayed";
    long long restarted = Now();
    ASSERT_NE(Start(), nullptr);
    notice = WaitForNotice();
    ASSERT_NE(notice, nullptr);
    ExpectBottomRight(notice);
    HWND tick = GetDlgItem(notice, IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT);
    ASSERT_NE(tick, nullptr) << DescribeWindows();
    ASSERT_TRUE(ClickControl(tick, [&] { return SendMessageW(tick, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    ASSERT_TRUE(Answer(notice, IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL));
    EXPECT_TRUE(WaitFor([&] { return _wtoi64(ReadAppValue(L"AutoUpdateTime").c_str()) >= restarted; }, 10000))
        << "the tick did not write the check's time: " << Narrow(ReadAppValue(L"AutoUpdateTime"));
    EXPECT_EQ(FindWindowW(L"#32770", kLiveUpdateTitle), nullptr) << "No opened the live update";
}

} // namespace
