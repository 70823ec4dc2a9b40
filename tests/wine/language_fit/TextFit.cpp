#include "TextFit.h"

namespace languagefit {

namespace {

enum class Kind { None, Static, Push, Box, Group };

struct Way {
    Kind kind = Kind::None;
    bool wrap = false;
    bool noPrefix = false;
    int reserved = 0; // pixels of the client width the control keeps for itself
};

Way WayOf(HWND control) {
    wchar_t cls[64] = {};
    GetClassNameW(control, cls, 64);
    LONG style = GetWindowLongW(control, GWL_STYLE);
    Way way;
    if (_wcsicmp(cls, L"Static") == 0) {
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
            // A text static centred on its height is drawn as one line.
            way.wrap = (style & SS_CENTERIMAGE) == 0;
            break;
        case SS_SIMPLE:
        case SS_LEFTNOWORDWRAP:
            break;
        default:
            return way; // pictures, frames, owner-drawn
        }
        if ((style & SS_ELLIPSISMASK) != 0) {
            return way; // cut with an ellipsis by design (values such as network names)
        }
        way.kind = Kind::Static;
        way.noPrefix = (style & SS_NOPREFIX) != 0;
        return way;
    }
    if (_wcsicmp(cls, L"Button") == 0) {
        bool multiLine = (style & BS_MULTILINE) != 0;
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            way.kind = Kind::Push;
            way.wrap = multiLine;
            // The button's raised edge and the focus rectangle inside it.
            way.reserved = 2 * GetSystemMetrics(SM_CXEDGE) + 2;
            return way;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
            way.kind = (style & BS_PUSHLIKE) != 0 ? Kind::Push : Kind::Box;
            way.wrap = multiLine;
            way.reserved = (style & BS_PUSHLIKE) != 0
                               ? 2 * GetSystemMetrics(SM_CXEDGE) + 2
                               : GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE) + 4;
            return way;
        case BS_GROUPBOX:
            way.kind = Kind::Group;
            // The frame's line starts a few pixels in; the caption keeps a gap to each end of it.
            way.reserved = 16;
            return way;
        default:
            return way;
        }
    }
    return way;
}

std::wstring TextOf(HWND control) {
    int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> found;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool Measure(HWND control, const Way& way, const std::wstring& text, Misfit& misfit) {
    RECT client{};
    GetClientRect(control, &client);
    int have = client.right - way.reserved;
    HDC dc = GetDC(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    HGDIOBJ old =
        SelectObject(dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    UINT flags = DT_CALCRECT | DT_EXPANDTABS | (way.noPrefix ? DT_NOPREFIX : 0u);
    RECT need{0, 0, have, 0};
    if (way.wrap) {
        DrawTextW(dc, text.c_str(), -1, &need, flags | DT_WORDBREAK);
    } else {
        need.right = 0;
        DrawTextW(dc, text.c_str(), -1, &need, flags | DT_SINGLELINE);
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    bool fits = need.right <= have && (!way.wrap || need.bottom <= client.bottom);
    if (!fits) {
        wchar_t cls[64] = {};
        GetClassNameW(control, cls, 64);
        misfit.id = GetDlgCtrlID(control);
        misfit.className = cls;
        misfit.text = text;
        misfit.needWidth = need.right;
        misfit.haveWidth = have;
        misfit.needHeight = way.wrap ? static_cast<int>(need.bottom) : 0;
        misfit.haveHeight = way.wrap ? static_cast<int>(client.bottom) : 0;
    }
    return fits;
}

} // namespace

std::vector<Misfit> MeasureText(HWND control, const std::wstring& text) {
    std::vector<Misfit> misfits;
    Way way = WayOf(control);
    Misfit misfit;
    if (way.kind != Kind::None && !text.empty() && !Measure(control, way, text, misfit)) {
        misfits.push_back(misfit);
    }
    return misfits;
}

// A control hidden by its own style is not on screen in this state (the page shows it in another, or
// never: the adapter labels of the pages stay hidden); a hidden page's controls keep theirs.
bool ShownByItself(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::vector<Misfit> MeasureControls(HWND window) {
    std::vector<Misfit> misfits;
    for (HWND control : Descendants(window)) {
        if (!ShownByItself(control)) {
            continue;
        }
        for (Misfit& misfit : MeasureText(control, TextOf(control))) {
            misfits.push_back(std::move(misfit));
        }
    }
    return misfits;
}

int MeasuredCount(HWND window) {
    int count = 0;
    for (HWND control : Descendants(window)) {
        if (ShownByItself(control) && WayOf(control).kind != Kind::None && !TextOf(control).empty()) {
            ++count;
        }
    }
    return count;
}

} // namespace languagefit
