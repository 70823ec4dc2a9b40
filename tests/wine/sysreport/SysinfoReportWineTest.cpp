// The system-information report on a real window from the program's template, with the program's own
// command runner: under Wine systeminfo prints nothing and ipconfig/all fails, and each section must
// say so in one line instead of staying empty, before Save and Exit come on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "about/CAboutExSysinfoListDlg.h"
#include "app/AppGlobals.h"
#include "app/Language.h"
#include "res/AboutReportIds.h"
#include "ui/win32/DialogWindow.h"
#include "wine/ProgramUnderTest.h"

namespace {

std::wstring TextOf(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The text between a section's header and the blank lines before the next one.
std::wstring Section(const std::wstring& text, const std::wstring& header) {
    size_t begin = text.find(header);
    if (begin == std::wstring::npos) {
        return L"<no section>";
    }
    begin += header.size();
    size_t end = text.find(L"\r\n\r\n\r\n---", begin);
    return text.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
}

} // namespace

TEST(SysinfoReport, EverySectionSaysSomethingAndSaveAndExitComeOnAtTheEnd) {
    ui::win32::InitControls();
    std::wstring folder = wineprogram::WindowsPath(wineprogram::Env(L"KT_SOURCE_DIR") + L"/lang");
    ProgramFolder.assign(folder.begin(), folder.end());
    ASSERT_GT(ProgramFolder.size(), 4u) << "KT_SOURCE_DIR is not set";
    SelectLanguage();
    DevicePresent = true;
    OsClass = kOsXp;

    CAboutExSysinfoListDlg report(about::ProgramReportPlatform(), u"Version:2.1/Driver Version:3.3");
    HWND hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), nullptr, report);
    ASSERT_NE(hwnd, nullptr) << "dialog 207 was not created, error " << GetLastError();
    HWND edit = GetDlgItem(hwnd, IDC_EDIT_ABOUT_SYSINFO_LIST);
    LONG style = GetWindowLongW(edit, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDCANCEL))) << "Exit waits for the report";
    EXPECT_EQ(TextOf(hwnd, IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE), L"Save to File");

    // Two commands of at most a minute each.
    bool complete =
        wineprogram::PumpUntil([&] { return IsWindowEnabled(GetDlgItem(hwnd, IDCANCEL)) != FALSE; }, 130000);
    ASSERT_TRUE(complete) << "the report was not complete after two minutes";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hwnd, IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE)));
    std::wstring text = TextOf(hwnd, IDC_EDIT_ABOUT_SYSINFO_LIST);
    EXPECT_EQ(text.rfind(L"---System Information---\r\n", 0), 0u);
    EXPECT_FALSE(Section(text, L"---System Information---\r\n").empty()) << "systeminfo";
    EXPECT_FALSE(Section(text, L"---System Network Information---\r\n").empty()) << "ipconfig/all";
    EXPECT_EQ(Section(text, L"---Software Information---\r\n"), L"Version:2.1/Driver Version:3.3");
    EXPECT_EQ(Section(text, L"---Site survey Information---\r\n").rfind(L"Network Name (SSID)", 0), 0u);
    DestroyWindow(hwnd);
}
