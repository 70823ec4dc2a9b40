// The Statistics page on a real window, from the program's own template, over the system's interface
// rows: a row that GetIfTable lists shows its totals as the test's own GetIfEntry reads them, and no
// text is cut at its control's width. With KT_SCREENSHOT_DIR set, a picture of the page is saved there.
#include <iphlpapi.h>
#include <windows.h>
#include <winsock2.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "networks/CStatisticsDlg.h"
#include "networks/win32/WinInterfaceCounters.h"
#include "platform/win32/WinClock.h"
#include "res/MainWndIds.h"
#include "res/StatisticsIds.h"
#include "ui/win32/DialogWindow.h"
#include "wine/ProgramUnderTest.h"

using wineprogram::PumpUntil;

namespace {

std::wstring TextOf(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

// The width the control's text needs on one line (less a radio button's box) against the control's.
void ExpectTextFits(HWND dialog, int id, bool hasBox) {
    HWND control = GetDlgItem(dialog, id);
    ASSERT_NE(control, nullptr) << "control " << id;
    std::wstring text = TextOf(dialog, id);
    ASSERT_FALSE(text.empty()) << "control " << id << " has no text";
    RECT client{};
    GetClientRect(control, &client);
    int boxWidth = hasBox ? GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE) + 4 : 0;
    RECT need{0, 0, 0, 0};
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    EXPECT_LE(need.right, client.right - boxWidth) << "control " << id << " cuts its text";
    EXPECT_LE(need.bottom, client.bottom) << "control " << id << " is lower than its text";
}

bool FindEthernetRow(MIB_IFROW& found) {
    ULONG size = 0;
    if (GetIfTable(nullptr, &size, FALSE) != ERROR_INSUFFICIENT_BUFFER) {
        return false;
    }
    std::string buffer(size, '\0');
    auto* table = reinterpret_cast<MIB_IFTABLE*>(buffer.data());
    if (table == nullptr || GetIfTable(table, &size, FALSE) != NO_ERROR) {
        return false;
    }
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        if (table->table[i].dwPhysAddrLen == 6) {
            found = table->table[i];
            return true;
        }
    }
    return false;
}

uint64_t TotalOut(DWORD index) {
    MIB_IFROW row{};
    row.dwIndex = index;
    GetIfEntry(&row);
    return static_cast<uint64_t>(row.dwOutUcastPkts) + row.dwOutNUcastPkts;
}

} // namespace

TEST(StatisticsPage, ShowsTheTotalsOfTheSystemsRowWithEveryTextWhole) {
    ui::win32::InitControls();
    MIB_IFROW listed{};
    if (!FindEthernetRow(listed)) {
        GTEST_SKIP() << "no interface with a six-byte address";
    }
    DWORD index = listed.dwIndex;
    uint64_t before = TotalOut(index);

    HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 20, 20, 720, 320, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    networks::win32::WinInterfaceCounters counters;
    platform::win32::WinClock clock;
    CStatisticsDlg page(counters, clock,
                        {[] { return true; }, [index] { return static_cast<uint32_t>(index); }});
    HWND hwnd = ui::win32::DialogWindow::CreateModeless(GetModuleHandleW(nullptr), parent, page);
    ASSERT_NE(hwnd, nullptr) << "dialog 132 was not created, error " << GetLastError();
    ShowWindow(hwnd, SW_SHOW);
    EXPECT_TRUE(page.SamplerRunning());

    // The first sample arrives a moment after the opening.
    uint64_t shown = 0;
    bool inRange = PumpUntil(
        [&] {
            shown = std::stoull(TextOf(hwnd, IDC_STATIC_STATISTICS_TOTAL_TX_PACKET_VALUE));
            return shown >= before && shown <= TotalOut(index) && shown != 0;
        },
        5000);
    EXPECT_TRUE(inRange || before == 0) << "shown " << shown << ", the system had " << before;
    EXPECT_NE(TextOf(hwnd, IDC_STATIC_STATISTICS_TX_BPS_VALUE).find(L'.'), std::wstring::npos);
    EXPECT_EQ(TextOf(hwnd, IDC_STATIC_STATISTICS_PERCENT).back(), L'%');

    for (int id : {IDC_STATIC_STATISTICS_TX_BPS, IDC_STATIC_STATISTICS_TX_PACKET,
                   IDC_STATIC_STATISTICS_TOTAL_TX_PACKET, IDC_STATIC_STATISTICS_TX_ERROR,
                   IDC_STATIC_STATISTICS_RX_BPS, IDC_STATIC_STATISTICS_RX_PACKET,
                   IDC_STATIC_STATISTICS_TOTAL_RX_PACKET, IDC_STATIC_STATISTICS_RX_ERROR}) {
        ExpectTextFits(hwnd, id, false);
    }
    for (int id :
         {IDC_BUTTON_STATISTICS_TRANSMIT, IDC_BUTTON_STATISTICS_RECEIVE, IDC_BUTTON_STATISTICS_TX_RX}) {
        ExpectTextFits(hwnd, id, true);
    }
    EXPECT_EQ(IsDlgButtonChecked(hwnd, IDC_BUTTON_STATISTICS_TX_RX), static_cast<UINT>(BST_CHECKED));

    std::wstring shots = wineprogram::Env(L"KT_SCREENSHOT_DIR");
    if (!shots.empty()) {
        PumpUntil([] { return false; }, 2500); // two graph steps
        EXPECT_TRUE(
            wineprogram::CaptureWindow(hwnd, wineprogram::WindowsPath(shots) + L"statistics-page.bmp"));
    }
    DestroyWindow(hwnd);
    EXPECT_FALSE(page.SamplerRunning()) << "the close joins the sampler";
    DestroyWindow(parent);
}
