// The mark-up control's window under Wine: it parses its window text on the first paint after a
// change, lays the text out with the fonts it draws with, and follows application-command links.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/win32/CMarkupStatic.h"

namespace {

constexpr UINT kHelpCommand = WM_APP + 7;

class MarkupWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CMarkupStatic::Register(GetModuleHandleW(nullptr)));
        WNDCLASSW owner{};
        owner.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == kHelpCommand) {
                s_helpRequests.push_back(wParam);
                return 0;
            }
            return DefWindowProcW(hwnd, message, wParam, lParam);
        };
        owner.hInstance = GetModuleHandleW(nullptr);
        owner.lpszClassName = L"KtMarkupOwner";
        RegisterClassW(&owner);
        m_owner = CreateWindowW(L"KtMarkupOwner", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 500,
                                300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_owner, nullptr);
        m_control = CreateWindowW(CMarkupStatic::kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 400, 200,
                                  m_owner, reinterpret_cast<HMENU>(100), GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_control, nullptr);
        SendMessageW(m_control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
        s_helpRequests.clear();
    }
    void TearDown() override { DestroyWindow(m_owner); }

    CMarkupStatic& Control() { return *CMarkupStatic::FromWindow(m_control); }
    void Show(const wchar_t* markup) {
        SetWindowTextW(m_control, markup);
        UpdateWindow(m_control);
    }
    void Click(int x, int y) { SendMessageW(m_control, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

    HWND m_owner = nullptr;
    HWND m_control = nullptr;
    static std::vector<WPARAM> s_helpRequests;
};

std::vector<WPARAM> MarkupWindow::s_helpRequests;

TEST_F(MarkupWindow, ParsesOnTheFirstPaintAfterANewText) {
    ASSERT_NE(CMarkupStatic::FromWindow(m_control), nullptr);
    EXPECT_EQ(CMarkupStatic::FromWindow(m_owner), nullptr);
    Show(L"Click <B>Next</B> to continue.");
    const MarkupLayout& layout = Control().layout();
    ASSERT_EQ(layout.texts.size(), 3u);
    EXPECT_TRUE(layout.texts[1].style.IsBold());
    // The bold word is measured with the bold font: wider than the same word in the plain font.
    int boldWidth = layout.texts[1].rect.right - layout.texts[1].rect.left;
    Show(L"Click Next to continue.");
    ASSERT_EQ(Control().layout().texts.size(), 1u);
    HDC dc = GetDC(m_control);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE plain{};
    GetTextExtentPoint32W(dc, L"Next", 4, &plain);
    SelectObject(dc, old);
    ReleaseDC(m_control, dc);
    EXPECT_GT(boldWidth, plain.cx) << "bold " << boldWidth << " plain " << plain.cx;
}

TEST_F(MarkupWindow, WrapsAtTheControlWidth) {
    Show(L"one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen sixteen "
         L"seventeen eighteen nineteen twenty twenty-one twenty-two twenty-three twenty-four");
    const MarkupLayout& layout = Control().layout();
    ASSERT_GE(layout.texts.size(), 2u);
    for (const auto& text : layout.texts) {
        EXPECT_LE(text.rect.right, 400);
    }
    EXPECT_GT(layout.texts.back().rect.top, layout.texts.front().rect.top);
}

TEST_F(MarkupWindow, AppLinksReachTheirWindowOnlyWhileItExists) {
    Control().SetAppCommands({{reinterpret_cast<platform::WindowHandle>(m_owner), kHelpCommand, 5, u"Help"}});
    Show(L"Press <A HREF=\"APP:help\">here</A> for help.");
    const MarkupLayout& layout = Control().layout();
    ASSERT_EQ(layout.hotRects.size(), 1u);
    const MarkupRect& hot = layout.hotRects[0].rect;
    EXPECT_TRUE(Control().ClickAt(hot.left + 1, hot.top + 1));
    EXPECT_EQ(s_helpRequests, std::vector<WPARAM>{5});
    EXPECT_FALSE(Control().ClickAt(0, hot.bottom + 50)) << "outside every link";

    HWND gone = CreateWindowW(L"KtMarkupOwner", L"gone", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    Control().SetAppCommands({{reinterpret_cast<platform::WindowHandle>(gone), kHelpCommand, 6, u"Help"}});
    DestroyWindow(gone);
    Click(hot.left + 1, hot.top + 1);
    EXPECT_FALSE(Control().ClickAt(hot.left + 1, hot.top + 1));
    EXPECT_EQ(s_helpRequests.size(), 1u);
}

TEST_F(MarkupWindow, ColourSettersReturnThePreviousValue) {
    CNamedColors first = Control().SetBackgroundColour(u"White");
    EXPECT_EQ(first.value(), CNamedColors::kSystemColourFlag | COLOR_WINDOW);
    EXPECT_EQ(Control().SetBackgroundColour(u"#102030").value(), RGB(255, 255, 255));
    EXPECT_EQ(Control().SetTextColour(u"Red").value(), CNamedColors::kSystemColourFlag | COLOR_WINDOWTEXT);
    Show(L"<FONT COLOR=Blue>x</FONT>");
    UpdateWindow(m_control);
    HDC dc = GetDC(m_control);
    EXPECT_EQ(GetPixel(dc, 399, 199), RGB(0x10, 0x20, 0x30)) << "background painted with the set colour";
    ReleaseDC(m_control, dc);
}

} // namespace
