// Plain static controls of a dialog template taken over as mark-up: what the static was (its text,
// font, alignment and notifications) survives, and its links work whether or not the static lets
// the mouse through to the dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/win32/CMarkupStatic.h"

namespace {

constexpr WORD kLeftPlain = 201;    // SS_LEFT, no SS_NOTIFY
constexpr WORD kCentreNotify = 202; // SS_CENTER | SS_NOTIFY
constexpr WORD kRight = 203;        // SS_RIGHT
constexpr WORD kIcon = 204;         // SS_ICON: nothing to take over
constexpr UINT kHelpCommand = WM_APP + 7;
constexpr wchar_t kLinkText[] = L"Press <A HREF=\"APP:help\">here</A> now";

// An in-memory dialog template, as the resource compiler would write it.
class Template {
public:
    Template(DWORD style, short cx, short cy) {
        Align();
        Dword(style | DS_SETFONT);
        Dword(0);
        m_countAt = m_words.size();
        Word(0);
        Word(0), Word(0), Word(static_cast<WORD>(cx)), Word(static_cast<WORD>(cy));
        Word(0); // no menu
        Word(0); // the dialog class
        Text(L"Markup attach");
        Word(8);
        Text(L"MS Shell Dlg");
    }
    void Static(WORD id, DWORD style, short x, short y, short cx, short cy, const wchar_t* text) {
        Align();
        Dword(WS_CHILD | WS_VISIBLE | style);
        Dword(0);
        Word(static_cast<WORD>(x)), Word(static_cast<WORD>(y)), Word(static_cast<WORD>(cx)),
            Word(static_cast<WORD>(cy));
        Word(id);
        Word(0xFFFF), Word(0x0082); // the static class atom
        Text(text);
        Word(0); // no creation data
        ++m_words[m_countAt];
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Word(WORD value) { m_words.push_back(value); }
    void Dword(DWORD value) { Word(LOWORD(value)), Word(HIWORD(value)); }
    void Text(const wchar_t* text) {
        for (; *text != 0; ++text) {
            Word(static_cast<WORD>(*text));
        }
        Word(0);
    }
    void Align() {
        while (m_words.size() % 2 != 0) {
            Word(0);
        }
    }

    std::vector<WORD> m_words;
    size_t m_countAt = 0;
};

struct Recorded {
    std::vector<std::pair<WORD, WORD>> commands; // control id, notification
    std::vector<WPARAM> helpRequests;
    bool destroyOnHelp = false;
};
Recorded g_recorded;

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND) {
        g_recorded.commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    if (message == kHelpCommand) {
        g_recorded.helpRequests.push_back(wParam);
        if (g_recorded.destroyOnHelp) {
            DestroyWindow(dialog);
        }
        return TRUE;
    }
    return FALSE;
}

class MarkupAttach : public ::testing::Test {
protected:
    void SetUp() override {
        g_recorded = {};
        Template dialog(WS_POPUP | WS_VISIBLE | WS_CAPTION, 220, 120);
        dialog.Static(kLeftPlain, SS_LEFT, 5, 5, 200, 20, kLinkText);
        dialog.Static(kCentreNotify, SS_CENTER | SS_NOTIFY, 5, 30, 200, 20, kLinkText);
        dialog.Static(kRight, SS_RIGHT, 5, 55, 200, 20, L"<B>Right</B>");
        dialog.Static(kIcon, SS_ICON, 5, 80, 20, 20, L"");
        m_dialog =
            CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), nullptr, DialogProcedure, 0);
        ASSERT_NE(m_dialog, nullptr) << "error " << GetLastError();
        SetWindowPos(m_dialog, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    }
    void TearDown() override {
        if (IsWindow(m_dialog)) {
            DestroyWindow(m_dialog);
        }
    }

    HWND Item(WORD id) const { return GetDlgItem(m_dialog, id); }
    // Takes the static over and paints it once, which lays the mark-up out.
    CMarkupStatic* Take(WORD id) {
        CMarkupStatic* control = CMarkupStatic::Attach(Item(id));
        if (control != nullptr) {
            control->SetAppCommands({{reinterpret_cast<platform::WindowHandle>(m_dialog), kHelpCommand,
                                      static_cast<uintptr_t>(id), u"help"}});
            UpdateWindow(Item(id));
        }
        return control;
    }
    int ClientWidth(WORD id) const {
        RECT client{};
        GetClientRect(Item(id), &client);
        return client.right;
    }
    // The middle of the link, in screen coordinates.
    POINT LinkPoint(const CMarkupStatic& control, WORD id) const {
        const MarkupRect& hot = control.layout().hotRects.at(0).rect;
        POINT point{(hot.left + hot.right) / 2, (hot.top + hot.bottom) / 2};
        ClientToScreen(Item(id), &point);
        return point;
    }

    HWND m_dialog = nullptr;
};

TEST_F(MarkupAttach, TheStaticKeepsItsTextAndFontAndShowsItAsMarkup) {
    HWND item = Item(kLeftPlain);
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(m_dialog, WM_GETFONT, 0, 0));
    ASSERT_NE(dialogFont, nullptr);
    CMarkupStatic* control = Take(kLeftPlain);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(CMarkupStatic::FromWindow(item), control);
    EXPECT_EQ(CMarkupStatic::Attach(item), control) << "taken over once";

    wchar_t text[64];
    wmemset(text, 0xA5A5, 64);
    int length = GetWindowTextW(item, text, 64);
    EXPECT_EQ(std::wstring(text, static_cast<size_t>(length)), kLinkText);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(item, WM_GETFONT, 0, 0)), dialogFont);

    const MarkupLayout& layout = control->layout();
    ASSERT_EQ(layout.texts.size(), 3u);
    EXPECT_EQ(layout.texts[1].text, u"here");
    ASSERT_EQ(layout.hotRects.size(), 1u);
    EXPECT_EQ(layout.hotRects[0].target, u"APP:help");

    // A new text is mark-up too.
    SetWindowTextW(item, L"<B>one</B> two");
    UpdateWindow(item);
    ASSERT_EQ(control->layout().texts.size(), 2u);
    EXPECT_TRUE(control->layout().texts[0].style.IsBold());
}

TEST_F(MarkupAttach, LinesSitWhereTheStaticsAlignmentPutsThem) {
    CMarkupStatic* left = Take(kLeftPlain);
    CMarkupStatic* centre = Take(kCentreNotify);
    CMarkupStatic* right = Take(kRight);
    ASSERT_TRUE(left != nullptr && centre != nullptr && right != nullptr);
    EXPECT_EQ(GetWindowLongW(Item(kCentreNotify), GWL_STYLE) & (SS_TYPEMASK | SS_NOTIFY),
              SS_CENTER | SS_NOTIFY);
    EXPECT_EQ(GetWindowLongW(Item(kRight), GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);

    EXPECT_EQ(left->layout().texts.front().rect.left, 0);
    const auto& centred = centre->layout().texts;
    ASSERT_FALSE(centred.empty());
    int spareLeft = centred.front().rect.left;
    int spareRight = ClientWidth(kCentreNotify) - centred.back().rect.right;
    EXPECT_GT(spareLeft, 0);
    EXPECT_LE(abs(spareLeft - spareRight), 1) << "left " << spareLeft << " right " << spareRight;
    ASSERT_EQ(right->layout().texts.size(), 1u);
    EXPECT_EQ(right->layout().texts[0].rect.right, ClientWidth(kRight));
    EXPECT_GT(right->layout().texts[0].rect.left, 0);
}

TEST_F(MarkupAttach, ALinkIsClickableWhetherOrNotTheStaticNotifies) {
    CMarkupStatic* plain = Take(kLeftPlain);
    CMarkupStatic* notify = Take(kCentreNotify);
    ASSERT_TRUE(plain != nullptr && notify != nullptr);

    // Without SS_NOTIFY the static lets the mouse through to the dialog, except over its link.
    POINT overLink = LinkPoint(*plain, kLeftPlain);
    POINT overText{1, 1};
    ClientToScreen(Item(kLeftPlain), &overText);
    LRESULT hit = SendMessageW(Item(kLeftPlain), WM_NCHITTEST, 0, MAKELPARAM(overLink.x, overLink.y));
    EXPECT_EQ(hit, HTCLIENT);
    hit = SendMessageW(Item(kLeftPlain), WM_NCHITTEST, 0, MAKELPARAM(overText.x, overText.y));
    EXPECT_EQ(hit, HTTRANSPARENT);
    EXPECT_EQ(WindowFromPoint(overLink), Item(kLeftPlain));
    EXPECT_EQ(WindowFromPoint(overText), m_dialog);
    // With SS_NOTIFY the whole static takes the mouse, as before.
    POINT notifyCorner{1, 1};
    ClientToScreen(Item(kCentreNotify), &notifyCorner);
    hit = SendMessageW(Item(kCentreNotify), WM_NCHITTEST, 0, MAKELPARAM(notifyCorner.x, notifyCorner.y));
    EXPECT_EQ(hit, HTCLIENT);

    // A click on the link of the notifying static: the dialog hears STN_CLICKED, the command goes out.
    POINT link = LinkPoint(*notify, kCentreNotify);
    ScreenToClient(Item(kCentreNotify), &link);
    SendMessageW(Item(kCentreNotify), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(link.x, link.y));
    SendMessageW(Item(kCentreNotify), WM_LBUTTONUP, 0, MAKELPARAM(link.x, link.y));
    ASSERT_EQ(g_recorded.commands.size(), 1u);
    EXPECT_EQ(g_recorded.commands[0].first, kCentreNotify);
    EXPECT_EQ(g_recorded.commands[0].second, STN_CLICKED);
    EXPECT_EQ(g_recorded.helpRequests, std::vector<WPARAM>{kCentreNotify});

    // The plain static tells the dialog nothing, but its link still works.
    link = LinkPoint(*plain, kLeftPlain);
    ScreenToClient(Item(kLeftPlain), &link);
    SendMessageW(Item(kLeftPlain), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(link.x, link.y));
    SendMessageW(Item(kLeftPlain), WM_LBUTTONUP, 0, MAKELPARAM(link.x, link.y));
    EXPECT_EQ(g_recorded.commands.size(), 1u);
    EXPECT_EQ(g_recorded.helpRequests, (std::vector<WPARAM>{kCentreNotify, kLeftPlain}));
}

TEST_F(MarkupAttach, ALinkWhoseCommandClosesTheDialogEndsCleanly) {
    CMarkupStatic* notify = Take(kCentreNotify);
    ASSERT_NE(notify, nullptr);
    g_recorded.destroyOnHelp = true;
    POINT link = LinkPoint(*notify, kCentreNotify);
    ScreenToClient(Item(kCentreNotify), &link);
    HWND item = Item(kCentreNotify);
    SendMessageW(item, WM_LBUTTONUP, 0, MAKELPARAM(link.x, link.y));
    EXPECT_FALSE(IsWindow(m_dialog));
    EXPECT_EQ(g_recorded.helpRequests, std::vector<WPARAM>{kCentreNotify});
}

TEST_F(MarkupAttach, OnlyTextStaticsAreTakenOver) {
    EXPECT_EQ(CMarkupStatic::Attach(Item(kIcon)), nullptr);
    EXPECT_EQ(CMarkupStatic::FromWindow(Item(kIcon)), nullptr);
    EXPECT_EQ(CMarkupStatic::Attach(m_dialog), nullptr);
    EXPECT_EQ(CMarkupStatic::Attach(nullptr), nullptr);
    HWND button = CreateWindowW(L"BUTTON", L"b", WS_CHILD, 0, 0, 10, 10, m_dialog, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(CMarkupStatic::Attach(button), nullptr);
}

} // namespace
