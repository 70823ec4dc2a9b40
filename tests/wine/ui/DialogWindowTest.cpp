// The real host: dialogs from their templates, positions read back from the windows, timers, posted
// private messages and the modal loop, on Wine's window manager-less desktop.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/CSysMessageYesDlg.h"
#include "res/AppIds.h"
#include "ui/win32/DialogWindow.h"

namespace {

struct Placement {
    RECT window;
    RECT ok; // client coordinates of the dialog
    std::wstring text;
};

Placement Measure(int flag, int variant) {
    CSysMessageYesDlg dialog;
    dialog.m_message = u"Reinstall/Upgrade complete.";
    dialog.m_layoutFlag = flag;
    dialog.m_layoutVariant = variant;
    HWND hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), nullptr, dialog);
    Placement p{};
    if (hwnd == nullptr) {
        ADD_FAILURE() << "dialog 176 was not created, error " << GetLastError();
        return p;
    }
    GetWindowRect(hwnd, &p.window);
    HWND ok = GetDlgItem(hwnd, IDOK);
    GetWindowRect(ok, &p.ok);
    MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&p.ok), 2);
    wchar_t text[256] = {};
    GetDlgItemTextW(hwnd, IDC_STATIC_SYSMESSAGE_TEXT, text, 256);
    p.text = text;
    DestroyWindow(hwnd);
    return p;
}

int Width(const RECT& r) {
    return r.right - r.left;
}

} // namespace

class DialogWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ui::win32::InitControls(); }
};

TEST_F(DialogWindowTest, SysMessageDialogLayoutOnARealWindow) {
    Placement plain = Measure(0, 0);
    EXPECT_EQ(plain.text, L"Reinstall/Upgrade complete.");

    Placement narrow = Measure(1, 0);
    EXPECT_EQ(narrow.window.left, plain.window.left + 100);
    EXPECT_EQ(narrow.window.top, plain.window.top + 100);
    EXPECT_EQ(Width(narrow.window), Width(plain.window) - 100);
    EXPECT_EQ(narrow.ok.left, plain.ok.left - 50);
    EXPECT_EQ(narrow.ok.top, plain.ok.top);

    Placement nudged = Measure(1, 1);
    EXPECT_EQ(nudged.window.left, plain.window.left + 100);
    EXPECT_EQ(nudged.window.top, plain.window.top + 100);
    EXPECT_EQ(Width(nudged.window), Width(plain.window));
    EXPECT_EQ(nudged.ok.left, plain.ok.left - 10);
    EXPECT_EQ(nudged.ok.top, plain.ok.top - 2);
}

TEST_F(DialogWindowTest, ModalRunEndsWithOkWhenTheButtonIsClicked) {
    CSysMessageYesDlg dialog;
    dialog.m_message = u"Click me";
    std::atomic<bool> clicked{false};
    std::thread user([&] {
        // Wait until the dialog and its button exist, as a user would.
        for (int i = 0; i < 200 && !clicked; ++i) {
            Sleep(25);
            HWND hwnd = FindWindowW(nullptr, L"Orvelin Wireless Adapter");
            HWND ok = hwnd ? GetDlgItem(hwnd, IDOK) : nullptr;
            if (ok != nullptr && IsWindowVisible(hwnd)) {
                PostMessageW(ok, BM_CLICK, 0, 0);
                clicked = true;
            }
        }
    });
    int result = ui::win32::DialogWindow::RunModal(GetModuleHandleW(nullptr), nullptr, dialog);
    user.join();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(result, IDOK);
}

namespace {

// Uses the message dialog's template to exercise timers, private messages and child message boxes.
class TimerProbe : public ui::Dialog {
public:
    TimerProbe() : ui::Dialog(IDD_DIALOG_SYSMESSAGE_YES) {}
    bool OnInit() override {
        host().SetCaption(u"Timer probe");
        host().SetTimer(7, 50);
        return true;
    }
    void OnTimer(int id) override {
        if (id == kCloseBoxTimer) {
            // Runs in the message box's own loop, as the insert-adapter dialog's detection timer does.
            host().KillTimer(id);
            closedByTimer = host().CloseMessageBox(ui::kAnswerOk);
            return;
        }
        ++ticks;
        if (ticks == 3) {
            host().KillTimer(id);
            host().PostToSelf(0x8123, 5, -9);
        }
    }
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t&) override {
        if (message != 0x8123) {
            return false;
        }
        received = static_cast<int>(wParam) * 100 + static_cast<int>(lParam);
        if (closeFromTimer) {
            host().SetTimer(kCloseBoxTimer, 100);
        }
        answer = host().ShowMessageBox(u"Continue?", u"Probe question", ui::kBoxYesNo);
        host().EndDialog(40 + ticks);
        return true;
    }
    static constexpr int kCloseBoxTimer = 9;
    int ticks = 0;
    int received = 0;
    int answer = 0;
    bool closeFromTimer = false;
    bool closedByTimer = false;
};

} // namespace

TEST_F(DialogWindowTest, TimersPostedMessagesAndMessageBoxesReachTheDialog) {
    TimerProbe probe;
    std::atomic<bool> answered{false};
    std::thread user([&] {
        for (int i = 0; i < 400 && !answered; ++i) {
            Sleep(25);
            HWND box = FindWindowW(nullptr, L"Probe question");
            if (box != nullptr) {
                // "No" in a yes/no message box.
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
                answered = true;
            }
        }
    });
    int result = ui::win32::DialogWindow::RunModal(GetModuleHandleW(nullptr), nullptr, probe);
    user.join();
    EXPECT_EQ(probe.ticks, 3) << "the timer went on after KillTimer";
    EXPECT_EQ(probe.received, 491);
    EXPECT_TRUE(answered);
    EXPECT_EQ(probe.answer, IDNO);
    EXPECT_EQ(result, 43);
}

TEST_F(DialogWindowTest, AHandlerRunningWhileAMessageBoxIsOpenCanCloseIt) {
    TimerProbe probe;
    probe.closeFromTimer = true;
    int result = ui::win32::DialogWindow::RunModal(GetModuleHandleW(nullptr), nullptr, probe);
    EXPECT_TRUE(probe.closedByTimer);
    EXPECT_EQ(probe.answer, IDOK) << "the box did not end with the answer its closer chose";
    EXPECT_EQ(result, 43);
}
