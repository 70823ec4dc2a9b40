// The main window's two notices on real windows, from the program's own templates: every control is
// there, no text is cut at the control's width, the auto radio buttons and the picture work, and a
// confirmed choice closes by its timer while the window keeps running. With KT_SCREENSHOT_DIR set, a
// picture of each dialog is saved there as it appears.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/AppGlobals.h"
#include "mainwnd/CConnectInternetMsgDlg.h"
#include "mainwnd/CSelectWizardMsgDlg.h"
#include "res/MainWndIds.h"
#include "ui/win32/DialogWindow.h"
#include "wine/ProgramUnderTest.h"

using wineprogram::PumpUntil;

namespace {

void Capture(HWND window, const std::wstring& name) {
    std::wstring shots = wineprogram::Env(L"KT_SCREENSHOT_DIR");
    if (shots.empty()) {
        return;
    }
    std::wstring folder = wineprogram::WindowsPath(shots);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntil([] { return false; }, 300); // let every control paint before the picture is taken
    EXPECT_TRUE(wineprogram::CaptureWindow(window, folder + name + L".bmp"))
        << "screenshot " << std::filesystem::path(name).string();
}

// How tall the control's text is when wrapped at the width the control gives it (less the box of a
// check box or radio button), against the control's height.
void ExpectTextFits(HWND dialog, int id, bool hasBox) {
    HWND control = GetDlgItem(dialog, id);
    ASSERT_NE(control, nullptr) << "control " << id;
    wchar_t text[1024] = {};
    GetWindowTextW(control, text, 1024);
    ASSERT_NE(text[0], L'\0') << "control " << id << " has no text";
    RECT client{};
    GetClientRect(control, &client);
    int boxWidth = hasBox ? GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE) + 4 : 0;
    RECT need{0, 0, client.right - boxWidth, 0};
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    EXPECT_LE(need.right, client.right - boxWidth)
        << "control " << id << ": a word is wider than the control";
    EXPECT_LE(need.bottom, client.bottom)
        << "control " << id << " cuts its text: needs " << need.bottom << " px, has " << client.bottom;
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

} // namespace

class NoticeDialogs : public testing::Test {
protected:
    static void SetUpTestSuite() { ui::win32::InitControls(); }
    void SetUp() override {
        ResetAppGlobals();
        g_pnKernel = nullptr; // the settings go nowhere: only the windows are under test here
        DevicePresent = true;
    }
    void TearDown() override { ResetAppGlobals(); }
};

TEST_F(NoticeDialogs, SelectUtilityQuestionOnEachSystem) {
    struct Case {
        int osClass;
        bool seven;
        const wchar_t* name;
    } cases[] = {{kOsXp, false, L"select-utility-xp"},
                 {kOsVista, false, L"select-utility-vista"},
                 {kOsVista64, true, L"select-utility-7"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::filesystem::path(c.name).string());
        OsClass = c.osClass;
        g_bWindows7 = c.seven;
        CSelectWizardMsgDlg dialog;
        HWND hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), nullptr, dialog);
        ASSERT_NE(hwnd, nullptr) << "dialog 160 was not created, error " << GetLastError();
        ShowWindow(hwnd, SW_SHOW);
        ExpectTextFits(hwnd, IDC_STATIC_SELECTWIZARD, false);
        ExpectTextFits(hwnd, IDC_RADIO_SELECTWIZARD_USERUI, true);
        ExpectTextFits(hwnd, IDC_RADIO_SELECTWIZARD_ZERO, true);
        ExpectTextFits(hwnd, IDC_CHECK_SELECTWIZARD_MESSAGE, true);
        ExpectTextFits(hwnd, IDOK, false);
        EXPECT_TRUE(Checked(hwnd, IDC_RADIO_SELECTWIZARD_USERUI));
        Capture(hwnd, c.name);

        // The radios are one group on the real window: choosing the system unchecks the utility.
        SendMessageW(GetDlgItem(hwnd, IDC_RADIO_SELECTWIZARD_ZERO), BM_CLICK, 0, 0);
        EXPECT_TRUE(Checked(hwnd, IDC_RADIO_SELECTWIZARD_ZERO));
        EXPECT_FALSE(Checked(hwnd, IDC_RADIO_SELECTWIZARD_USERUI));
        SendMessageW(GetDlgItem(hwnd, IDOK), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindow(hwnd)) << "open while the choice settles";
        EXPECT_TRUE(PumpUntil([&] { return IsWindow(hwnd) == FALSE; }, 5000)) << "the close timer never came";
        EXPECT_FALSE(dialog.m_utilityChosen);
        if (IsWindow(hwnd)) {
            DestroyWindow(hwnd);
        }
    }
}

TEST_F(NoticeDialogs, InternetNoticeWithItsPictureAboveEveryWindow) {
    CConnectInternetMsgDlg dialog;
    HWND hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), nullptr, dialog);
    ASSERT_NE(hwnd, nullptr) << "dialog 161 was not created, error " << GetLastError();
    ShowWindow(hwnd, SW_SHOW);
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_NE(SendDlgItemMessageW(hwnd, IDC_STATIC_MESSAGE_CONNECT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0), 0)
        << "bitmap 172 is not on the picture control";
    ExpectTextFits(hwnd, IDC_STATIC_MESSAGE_CONNECT_TEXT, false);
    ExpectTextFits(hwnd, IDC_CHECK_MESSAGE_CONNECT_STATUS, true);
    ExpectTextFits(hwnd, IDC_BUTTON_MESSAGE_CONNECT_OK, false);
    Capture(hwnd, L"internet-notice");
    SendMessageW(GetDlgItem(hwnd, IDC_BUTTON_MESSAGE_CONNECT_OK), BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return IsWindow(hwnd) == FALSE; }, 5000)) << "the notice did not end itself";
    if (IsWindow(hwnd)) {
        DestroyWindow(hwnd);
    }
}
