// The About page on a real window, from the program's own template and the English language file of
// the source tree: every label, group, button and value fits its control on one line, the widest
// values included. With KT_SCREENSHOT_DIR set, a picture of the page is saved there.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "about/AboutRules.h"
#include "about/CAboutExDlg.h"
#include "app/AppGlobals.h"
#include "app/Language.h"
#include "res/AboutIds.h"
#include "res/MainWndIds.h"
#include "ui/win32/DialogWindow.h"
#include "wine/ProgramUnderTest.h"

namespace {

std::wstring TextOf(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

int TextWidth(HWND control, const std::wstring& text) {
    RECT need{0, 0, 0, 0};
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return need.right;
}

// `reserved`: what the control keeps for itself beside the text (a check box's box, a group's edges).
void ExpectTextFits(HWND dialog, int id, int reserved) {
    HWND control = GetDlgItem(dialog, id);
    ASSERT_NE(control, nullptr) << "control " << id;
    std::wstring text = TextOf(dialog, id);
    ASSERT_FALSE(text.empty()) << "control " << id << " has no text";
    RECT client{};
    GetClientRect(control, &client);
    EXPECT_LE(TextWidth(control, text), client.right - reserved) << "control " << id << " cuts its text";
}

class FixedCalendar final : public platform::WallClock {
public:
    int64_t SecondsSince1970() override { return 1'700'000'000; }
};

} // namespace

TEST(AboutPage, EveryTextFitsItsControl) {
    ui::win32::InitControls();
    std::wstring folder = wineprogram::WindowsPath(wineprogram::Env(L"KT_SOURCE_DIR") + L"/lang");
    ProgramFolder.assign(folder.begin(), folder.end());
    ASSERT_GT(ProgramFolder.size(), 4u) << "KT_SOURCE_DIR is not set";
    SelectLanguage();

    HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 20, 20, 720, 320, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    FixedCalendar calendar;
    CAboutExDlg page(calendar);
    HWND hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), parent, page);
    ASSERT_NE(hwnd, nullptr) << "dialog 135 was not created, error " << GetLastError();
    ShowWindow(hwnd, SW_SHOW);
    ASSERT_EQ(TextOf(hwnd, IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE), L"Update") << "the English file was not read";

    // The widest values each field takes.
    SetDlgItemTextW(hwnd, IDC_STATIC_ABOUT_REGIONAL_DOMAIN_VALUE, L"Central America");
    SetDlgItemTextW(hwnd, IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE, L"10.100.1234.5678");
    SetDlgItemTextW(hwnd, IDC_STATIC_ABOUT_DRIVER_DATE_VALUE, L"May. 28, 2009");
    SetDlgItemTextW(hwnd, IDC_STATIC_ABOUT_MAC_ADDRESS_VALUE, L"DD:DD:DD:DD:DD:DD");
    SetDlgItemTextW(hwnd, IDC_STATIC_ABOUT_IP_ADDRESS_VALUE, L"255.255.255.255");
    SetDlgItemTextW(hwnd, IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION_VALUE, L"10.100.1234.5678");
    SetDlgItemTextW(hwnd, IDC_STATIC_ABOUT_CLEAR_WAVE_DATE_VALUE, L"Dec. 28, 2009");
    SetDlgItemTextW(hwnd, IDC_STATIC_ABOUT_DAYS_LEFT, L"Next automatic check in -10000 days");

    for (int id : {IDC_STATIC_ABOUT_REGIONAL_DOMAIN, IDC_STATIC_ABOUT_DRIVER_VERSION, IDC_STATIC_ABOUT_DRIVER_DATE,
                   IDC_STATIC_ABOUT_MAC_ADDRESS, IDC_STATIC_ABOUT_IP_ADDRESS, IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION,
                   IDC_STATIC_ABOUT_CLEAR_WAVE_DATE, IDC_STATIC_ABOUT_LANGUAGE,
                   IDC_STATIC_ABOUT_SUPPORT_TROUBLESHOOTING, IDC_STATIC_ABOUT_SUPPORT_UPGRADE,
                   IDC_STATIC_ABOUT_REGIONAL_DOMAIN_VALUE, IDC_STATIC_ABOUT_DRIVER_VERSION_VALUE,
                   IDC_STATIC_ABOUT_DRIVER_DATE_VALUE, IDC_STATIC_ABOUT_MAC_ADDRESS_VALUE,
                   IDC_STATIC_ABOUT_IP_ADDRESS_VALUE, IDC_STATIC_ABOUT_CLEAR_WAVE_VERSION_VALUE,
                   IDC_STATIC_ABOUT_CLEAR_WAVE_DATE_VALUE, IDC_STATIC_ABOUT_DAYS_LEFT}) {
        ExpectTextFits(hwnd, id, 0);
    }
    // Buttons keep a frame and a margin on each side.
    int buttonMargin = 2 * (GetSystemMetrics(SM_CXEDGE) + 3);
    ExpectTextFits(hwnd, IDC_BUTTON_ABOUT_CLEAR_WAVE_TROUBLESHOOTING, buttonMargin);
    ExpectTextFits(hwnd, IDC_BUTTON_ABOUT_CLEAR_WAVE_UPGRADE, buttonMargin);
    ExpectTextFits(hwnd, IDC_CHECK_ABOUT_CLEAR_WAVE_AUTOUPGRADE,
                   GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE) + 4);
    // A group's caption sits on its frame, a few pixels in from each edge.
    for (int id : {IDC_STATIC_ABOUT_GROUP_DEVICE, IDC_STATIC_ABOUT_GROUP_UTILITY, IDC_STATIC_ABOUT_GROUP_SUPPORT,
                   IDC_STATIC_ABOUT_GROUP_HELP}) {
        ExpectTextFits(hwnd, id, 16);
    }
    // Every language of the list fits the closed box beside its drop-down arrow.
    HWND combo = GetDlgItem(hwnd, IDC_COMBO_ABOUT_LANGUAGE);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), about::kOfferedLanguageCount);
    RECT comboClient{};
    GetClientRect(combo, &comboClient);
    for (int i = 0; i < about::kOfferedLanguageCount; ++i) {
        wchar_t item[128] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        EXPECT_LE(TextWidth(combo, item), comboClient.right - GetSystemMetrics(SM_CXVSCROLL) - 8) << i;
    }

    std::wstring shots = wineprogram::Env(L"KT_SCREENSHOT_DIR");
    if (!shots.empty()) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        wineprogram::PumpUntil([] { return false; }, 500);
        EXPECT_TRUE(wineprogram::CaptureWindow(hwnd, wineprogram::WindowsPath(shots) + L"about-page.bmp"));
    }
    DestroyWindow(hwnd);
    DestroyWindow(parent);
}
