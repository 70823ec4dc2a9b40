#include "ui/win32/WinControls.h"

#include <commctrl.h>

#include <cwchar>

#include "platform/win32/WinText.h"

namespace ui::win32 {

using platform::win32::U;
using platform::win32::W;

namespace {

HINSTANCE g_resources = nullptr;

} // namespace

void SetResourceModule(HINSTANCE instance) {
    g_resources = instance;
}

HINSTANCE ResourceModule() {
    return g_resources != nullptr ? g_resources : GetModuleHandleW(nullptr);
}

WinControl::~WinControl() {
    if (m_backBrush != nullptr) {
        DeleteObject(m_backBrush);
    }
    if (m_font != nullptr) {
        DeleteObject(m_font);
    }
}

void WinControl::SetText(std::u16string_view text) {
    std::u16string t(text);
    SetWindowTextW(m_hwnd, W(t));
}

std::u16string WindowText(HWND window) {
    // No fixed buffer: a text is as long as the window holds.
    int length = GetWindowTextLengthW(window);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    int n = GetWindowTextW(window, buffer.data(), length + 1);
    return U(buffer.c_str(), static_cast<size_t>(n > 0 ? n : 0));
}

std::u16string WinControl::Text() {
    return WindowText(m_hwnd);
}

void WinControl::Enable(bool enable) {
    EnableWindow(m_hwnd, enable ? TRUE : FALSE);
}

bool WinControl::IsEnabled() {
    return IsWindowEnabled(m_hwnd) != FALSE;
}

void WinControl::Show(bool show) {
    ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE);
}

bool WinControl::IsVisible() {
    // Its own style, not whether the dialog is on the screen.
    return (GetWindowLongW(m_hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void WinControl::Focus() {
    // Through the dialog manager, which also moves the default button and selects an edit's text.
    SendMessageW(GetParent(m_hwnd), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hwnd), TRUE);
}

Rect WinControl::GetRect() {
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(m_hwnd), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

void WinControl::Move(const Rect& rect) {
    MoveWindow(m_hwnd, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

void WinControl::SetTextColor(Color color) {
    m_text = color;
    Redraw();
}

void WinControl::SetBackColor(Color color) {
    m_back = color;
    if (m_backBrush != nullptr) {
        DeleteObject(m_backBrush);
        m_backBrush = nullptr;
    }
    if (color != kDefaultColor) {
        m_backBrush = CreateSolidBrush(color);
    }
    Redraw();
}

void WinControl::SetFont(const Font& font) {
    LOGFONTW lf{};
    HFONT current = reinterpret_cast<HFONT>(SendMessageW(m_hwnd, WM_GETFONT, 0, 0));
    if (current == nullptr) {
        current = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    GetObjectW(current, sizeof lf, &lf);
    if (!font.face.empty()) {
        std::u16string face = font.face.substr(0, LF_FACESIZE - 1);
        wcsncpy(lf.lfFaceName, W(face), LF_FACESIZE - 1);
        lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
    }
    if (font.pointSize > 0) {
        HDC dc = GetDC(m_hwnd);
        lf.lfHeight = -MulDiv(font.pointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
        ReleaseDC(m_hwnd, dc);
    }
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    if (font.fixedPitch) {
        lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    }
    HFONT made = CreateFontIndirectW(&lf);
    if (made == nullptr) {
        return;
    }
    SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    if (m_font != nullptr) {
        DeleteObject(m_font);
    }
    m_font = made;
}

void WinControl::Redraw() {
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

HBRUSH WinControl::PaintColors(HDC dc, HBRUSH dialogBrush, Color dialogBack) {
    if (m_text == kDefaultColor && m_back == kDefaultColor && dialogBrush == nullptr) {
        return nullptr;
    }
    if (m_text != kDefaultColor) {
        ::SetTextColor(dc, m_text);
    }
    if (m_back != kDefaultColor) {
        SetBkColor(dc, m_back);
        return m_backBrush;
    }
    if (dialogBrush != nullptr) {
        SetBkColor(dc, dialogBack);
        return dialogBrush;
    }
    // Only the text colour is ours: keep the system's background.
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

std::unique_ptr<WinControl> MakeControl(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    auto id = static_cast<ControlId>(GetDlgCtrlID(control));
    if (_wcsicmp(name, WC_EDITW) == 0) {
        return std::make_unique<WinEdit>(control, id);
    }
    if (_wcsicmp(name, WC_BUTTONW) == 0) {
        return std::make_unique<WinButton>(control, id);
    }
    if (_wcsicmp(name, WC_STATICW) == 0) {
        return std::make_unique<WinStatic>(control, id);
    }
    if (_wcsicmp(name, WC_COMBOBOXW) == 0) {
        return std::make_unique<WinList>(control, id, true);
    }
    if (_wcsicmp(name, WC_LISTBOXW) == 0) {
        return std::make_unique<WinList>(control, id, false);
    }
    if (_wcsicmp(name, WC_LISTVIEWW) == 0) {
        return std::make_unique<WinReport>(control, id);
    }
    if (_wcsicmp(name, WC_TABCONTROLW) == 0) {
        return std::make_unique<WinTab>(control, id);
    }
    if (_wcsicmp(name, TRACKBAR_CLASSW) == 0) {
        return std::make_unique<WinSlider>(control, id);
    }
    if (_wcsicmp(name, PROGRESS_CLASSW) == 0) {
        return std::make_unique<WinProgress>(control, id);
    }
    if (_wcsicmp(name, L"RICHEDIT50W") == 0 || _wcsicmp(name, L"RichEdit20W") == 0) {
        return std::make_unique<WinRichText>(control, id);
    }
    if (_wcsicmp(name, kCanvasClass) == 0) {
        return std::make_unique<WinCanvas>(control, id);
    }
    return std::make_unique<WinGenericControl>(control, id);
}

} // namespace ui::win32
