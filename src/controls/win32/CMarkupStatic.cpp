#include "controls/win32/CMarkupStatic.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "controls/MarkupParser.h"
#include "platform/win32/WinAppPlatform.h"
#include "platform/win32/WinRegistry.h"
#include "platform/win32/WinText.h"

using platform::win32::U;
using platform::win32::W;

namespace {

// Where a static taken over keeps its control object; our own class uses the user data instead.
constexpr const wchar_t* kAttachedProperty = L"KtMarkupStatic.Control";

constexpr COLORREF kLinkColour = RGB(0, 0, 238);
constexpr int kHandCursorResource = 106;

// Heights of the HTML sizes 1-7 relative to the normal size 3.
constexpr double kSizeFactors[] = {0.6, 0.8, 1.0, 1.2, 1.5, 2.0, 3.0};
constexpr double kStepFactor = 1.2;
constexpr double kScriptFactor = 0.75;

HFONT CreateStyleFont(const LOGFONTW& base, const MarkupStyle& style) {
    LOGFONTW font = base;
    double height = font.lfHeight;
    if (style.fontSize) {
        height *= kSizeFactors[std::clamp(*style.fontSize, 1, 7) - 1];
    }
    height *= std::pow(kStepFactor, std::clamp(style.sizeStep, -4, 4));
    if (style.IsSubscript() || style.IsSuperscript()) {
        height *= kScriptFactor;
    }
    font.lfHeight = static_cast<LONG>(std::lround(height));
    if (font.lfHeight == 0) {
        font.lfHeight = base.lfHeight < 0 ? -1 : 1;
    }
    font.lfWidth = 0;
    if (style.IsBold()) {
        font.lfWeight = FW_BOLD;
    }
    font.lfItalic = style.IsItalic() ? TRUE : font.lfItalic;
    font.lfUnderline = style.IsUnderline() ? TRUE : font.lfUnderline;
    font.lfStrikeOut = style.IsStrike() ? TRUE : font.lfStrikeOut;
    std::u16string face = style.IsCode() ? u"Courier New" : style.face;
    // The dialogs' "MS Shell Dlg" still maps to the old bitmap-era sans serif, which has no bold to
    // show; its successor has every weight the mark-up asks for.
    if (face.empty() && lstrcmpiW(base.lfFaceName, L"MS Shell Dlg") == 0) {
        face = u"MS Shell Dlg 2";
    }
    if (!face.empty()) {
        lstrcpynW(font.lfFaceName, W(face), LF_FACESIZE);
    }
    return CreateFontIndirectW(&font);
}

// Measures with the fonts the paint will use, one font per style at a time.
class GdiMeasurer final : public MarkupMeasurer {
public:
    GdiMeasurer(HDC dc, const LOGFONTW& base) : m_dc(dc), m_base(base) {}

    int TextWidth(std::u16string_view text, const MarkupStyle& style) override {
        Select(style);
        SIZE size{};
        std::u16string t(text);
        GetTextExtentPoint32W(m_dc, W(t), static_cast<int>(t.size()), &size);
        return size.cx;
    }
    int LineHeight(const MarkupStyle& style) override {
        Select(style);
        TEXTMETRICW metrics{};
        GetTextMetricsW(m_dc, &metrics);
        return metrics.tmHeight;
    }
    ~GdiMeasurer() override { Release(); }

private:
    void Select(const MarkupStyle& style) {
        if (m_font != nullptr && m_style == style) {
            return;
        }
        Release();
        m_style = style;
        m_font = CreateStyleFont(m_base, style);
        m_old = SelectObject(m_dc, m_font);
    }
    void Release() {
        if (m_font != nullptr) {
            SelectObject(m_dc, m_old);
            DeleteObject(m_font);
            m_font = nullptr;
        }
    }

    HDC m_dc;
    LOGFONTW m_base;
    MarkupStyle m_style;
    HFONT m_font = nullptr;
    HGDIOBJ m_old = nullptr;
};

} // namespace

bool CMarkupStatic::Register(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kClassName, &existing)) {
        return true;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

CMarkupStatic* CMarkupStatic::FromWindow(HWND hwnd) {
    wchar_t name[64] = {};
    if (hwnd == nullptr || GetClassNameW(hwnd, name, 64) == 0) {
        return nullptr;
    }
    if (lstrcmpiW(name, kClassName) == 0) {
        return reinterpret_cast<CMarkupStatic*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    return static_cast<CMarkupStatic*>(GetPropW(hwnd, kAttachedProperty));
}

CMarkupStatic* CMarkupStatic::Attach(HWND staticControl) {
    if (CMarkupStatic* existing = FromWindow(staticControl)) {
        return existing;
    }
    wchar_t name[16] = {};
    if (staticControl == nullptr || GetClassNameW(staticControl, name, 16) == 0 ||
        lstrcmpiW(name, L"Static") != 0) {
        return nullptr;
    }
    // Icons, bitmaps, frames and owner-drawn statics have no text to show as mark-up.
    switch (GetWindowLongW(staticControl, GWL_STYLE) & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        break;
    default:
        return nullptr;
    }
    // Another process's window cannot be subclassed.
    DWORD process = 0;
    GetWindowThreadProcessId(staticControl, &process);
    if (process != GetCurrentProcessId()) {
        return nullptr;
    }
    auto* control = new CMarkupStatic(
        staticControl, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(staticControl, GWLP_WNDPROC)));
    // The dialog gave the static its font before we came.
    control->m_windowFont = reinterpret_cast<HFONT>(SendMessageW(staticControl, WM_GETFONT, 0, 0));
    if (!SetPropW(staticControl, kAttachedProperty, control) ||
        SetWindowLongPtrW(staticControl, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AttachedProcedure)) == 0) {
        RemovePropW(staticControl, kAttachedProperty);
        delete control;
        return nullptr;
    }
    control->MarkDirty();
    return control;
}

CMarkupStatic::~CMarkupStatic() {
    if (m_memoryDc != nullptr) {
        SelectObject(m_memoryDc, m_oldBitmap);
        DeleteObject(m_bitmap);
        DeleteDC(m_memoryDc);
    }
    if (m_hand != nullptr && m_handIsCopy) {
        DestroyCursor(m_hand);
    }
    if (m_toolTip != nullptr) {
        DestroyWindow(m_toolTip);
    }
}

LRESULT CALLBACK CMarkupStatic::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* control = new CMarkupStatic(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    auto* control = reinterpret_cast<CMarkupStatic*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (control == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    return Dispatch(control, message, wParam, lParam);
}

LRESULT CALLBACK CMarkupStatic::AttachedProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = static_cast<CMarkupStatic*>(GetPropW(hwnd, kAttachedProperty));
    if (control == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(hwnd, kAttachedProperty);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->m_staticProcedure));
    }
    return Dispatch(control, message, wParam, lParam);
}

LRESULT CMarkupStatic::Dispatch(CMarkupStatic* control, UINT message, WPARAM wParam, LPARAM lParam) {
    ++control->m_depth;
    LRESULT result = control->Handle(message, wParam, lParam);
    --control->m_depth;
    if (message == WM_NCDESTROY) {
        control->m_gone = true;
    }
    if (control->m_gone && control->m_depth == 0) {
        delete control;
    }
    return result;
}

LRESULT CMarkupStatic::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_gone) {
        return 0;
    }
    if (m_staticProcedure != nullptr) {
        return CallWindowProcW(m_staticProcedure, m_hwnd, message, wParam, lParam);
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

MarkupAlignment CMarkupStatic::Alignment() const {
    switch (GetWindowLongW(m_hwnd, GWL_STYLE) & SS_TYPEMASK) {
    case SS_CENTER:
        return MarkupAlignment::Centre;
    case SS_RIGHT:
        return MarkupAlignment::Right;
    default:
        return MarkupAlignment::Left;
    }
}

LRESULT CMarkupStatic::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT: {
        // Not through the static: it would paint the plain text at once, tags and all.
        LRESULT result = DefWindowProcW(m_hwnd, message, wParam, lParam);
        MarkDirty();
        return result;
    }
    case WM_SETFONT:
        m_windowFont = reinterpret_cast<HFONT>(wParam);
        MarkDirty();
        if (m_staticProcedure != nullptr) {
            Default(message, wParam, FALSE); // the static keeps its own record of the font true
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_windowFont);
    case WM_SIZE:
    case WM_STYLECHANGED:
        MarkDirty();
        return Default(message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1; // the paint covers the whole client area
    case WM_PAINT:
        Paint();
        return 0;
    case WM_NCHITTEST: {
        // A static without SS_NOTIFY lets the mouse through to its parent; its links must still be
        // clickable.
        LRESULT hit = Default(message, wParam, lParam);
        if (hit == HTTRANSPARENT) {
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ScreenToClient(m_hwnd, &point);
            if (HitLink(m_layout, point.x, point.y) != nullptr) {
                return HTCLIENT;
            }
        }
        return hit;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return Default(message, wParam, lParam);
    case WM_SETCURSOR:
        if (m_overLink) {
            ::SetCursor(HandCursor());
            return TRUE;
        }
        break;
    case WM_LBUTTONUP:
        Default(message, wParam, lParam);
        ClickAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void CMarkupStatic::MarkDirty() {
    m_dirty = true;
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

CNamedColors CMarkupStatic::SetBackgroundColour(CNamedColors colour) {
    CNamedColors previous = m_background;
    m_background = colour;
    MarkDirty();
    return previous;
}

CNamedColors CMarkupStatic::SetTextColour(CNamedColors colour) {
    CNamedColors previous = m_text;
    m_text = colour;
    MarkDirty();
    return previous;
}

void CMarkupStatic::SetLogFont(const LOGFONTW& font) {
    m_ownFont = font;
    MarkDirty();
}

void CMarkupStatic::SetMargins(int left, int right) {
    m_leftMargin = left;
    m_rightMargin = right;
    MarkDirty();
}

void CMarkupStatic::EnableToolTips(bool enable) {
    m_toolTipsEnabled = enable;
    MarkDirty();
}

void CMarkupStatic::SetAppCommands(std::vector<MarkupAppCommand> commands) {
    m_commands = std::move(commands);
}

uint32_t CMarkupStatic::Colour(const CNamedColors& colour) const {
    return colour.Resolve([](int index) { return static_cast<uint32_t>(GetSysColor(index)); });
}

LOGFONTW CMarkupStatic::BaseFont(HDC dc) const {
    LOGFONTW font{};
    if (m_ownFont) {
        return *m_ownFont;
    }
    if (m_windowFont != nullptr && GetObjectW(m_windowFont, sizeof font, &font) != 0) {
        return font;
    }
    HGDIOBJ current = GetCurrentObject(dc, OBJ_FONT);
    if (current != nullptr && GetObjectW(current, sizeof font, &font) != 0) {
        return font;
    }
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    return font;
}

void CMarkupStatic::Paint() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(m_hwnd, &ps);
    RECT client{};
    GetClientRect(m_hwnd, &client);
    int width = client.right;
    int height = client.bottom;
    if (m_memoryDc == nullptr || width != m_bitmapWidth || height != m_bitmapHeight) {
        if (m_memoryDc != nullptr) {
            SelectObject(m_memoryDc, m_oldBitmap);
            DeleteObject(m_bitmap);
            DeleteDC(m_memoryDc);
        }
        m_memoryDc = CreateCompatibleDC(dc);
        m_bitmap = CreateCompatibleBitmap(dc, std::max(width, 1), std::max(height, 1));
        m_oldBitmap = SelectObject(m_memoryDc, m_bitmap);
        m_bitmapWidth = width;
        m_bitmapHeight = height;
        m_dirty = true;
    }
    if (m_dirty) {
        if (GetWindowLongW(m_hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT) {
            // Let the parent's background show through: start from what is on the screen.
            BitBlt(m_memoryDc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        }
        Render(m_memoryDc, width, height);
        m_dirty = false;
    }
    BitBlt(dc, 0, 0, width, height, m_memoryDc, 0, 0, SRCCOPY);
    EndPaint(m_hwnd, &ps);
}

void CMarkupStatic::Render(HDC dc, int width, int height) {
    if (!(GetWindowLongW(m_hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) {
        HBRUSH background = CreateSolidBrush(Colour(m_background));
        RECT all{0, 0, width, height};
        FillRect(dc, &all, background);
        DeleteObject(background);
    }
    int length = GetWindowTextLengthW(m_hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(m_hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));

    LOGFONTW base = BaseFont(dc);
    std::vector<MarkupItem> items = ParseMarkup(U(text.c_str(), text.size()));
    {
        GdiMeasurer measurer(dc, base);
        m_layout = LayoutMarkup(items, width, m_leftMargin, m_rightMargin, measurer, Alignment());
    }

    SetBkMode(dc, TRANSPARENT);
    for (const PlacedText& piece : m_layout.texts) {
        HFONT font = CreateStyleFont(base, piece.style);
        HGDIOBJ old = SelectObject(dc, font);
        COLORREF colour = piece.style.colour ? Colour(*piece.style.colour) : Colour(m_text);
        if (!piece.style.link.empty()) {
            colour = kLinkColour;
        }
        SetTextColor(dc, colour);
        if (piece.style.background) {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, Colour(*piece.style.background));
        }
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        int y = piece.rect.bottom - metrics.tmHeight + piece.baselineShift;
        std::u16string t = piece.text;
        TextOutW(dc, piece.rect.left, y, W(t), static_cast<int>(t.size()));
        SetBkMode(dc, TRANSPARENT);
        SelectObject(dc, old);
        DeleteObject(font);
    }
    HBRUSH ruleBrush = CreateSolidBrush(Colour(m_text));
    for (const PlacedRule& rule : m_layout.rules) {
        RECT r{rule.rect.left, rule.rect.top, rule.rect.right, rule.rect.bottom};
        FillRect(dc, &r, ruleBrush);
    }
    DeleteObject(ruleBrush);
    UpdateToolTips();
}

void CMarkupStatic::UpdateToolTips() {
    if (!m_toolTipsEnabled) {
        return;
    }
    if (m_toolTip == nullptr) {
        m_toolTip =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr,
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE)), nullptr);
        if (m_toolTip == nullptr) {
            return;
        }
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    while (SendMessageW(m_toolTip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) {
        SendMessageW(m_toolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        tool = TOOLINFOW{};
        tool.cbSize = sizeof tool;
    }
    UINT_PTR id = 1;
    for (const HotRect& hot : m_layout.hotRects) {
        std::u16string name;
        if (IsAppCommandTarget(hot.target, name)) {
            continue;
        }
        std::u16string target = hot.target;
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_SUBCLASS;
        info.hwnd = m_hwnd;
        info.uId = id++;
        info.rect = {hot.rect.left, hot.rect.top, hot.rect.right, hot.rect.bottom};
        info.lpszText = const_cast<wchar_t*>(W(target));
        SendMessageW(m_toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

HCURSOR CMarkupStatic::HandCursor() {
    if (m_hand != nullptr) {
        return m_hand;
    }
    m_hand = LoadCursorW(nullptr, IDC_HAND);
    if (m_hand == nullptr) {
        // Old systems have no hand cursor of their own; the help program carries one.
        wchar_t folder[MAX_PATH] = {};
        GetWindowsDirectoryW(folder, MAX_PATH);
        std::wstring path = std::wstring(folder) + L"\\winhlp32.exe";
        HMODULE help = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (help != nullptr) {
            HCURSOR cursor = LoadCursorW(help, MAKEINTRESOURCEW(kHandCursorResource));
            if (cursor != nullptr) {
                m_hand = reinterpret_cast<HCURSOR>(CopyIcon(reinterpret_cast<HICON>(cursor)));
                m_handIsCopy = m_hand != nullptr;
            }
            FreeLibrary(help);
        }
    }
    if (m_hand == nullptr) {
        m_hand = LoadCursorW(nullptr, IDC_ARROW);
    }
    return m_hand;
}

void CMarkupStatic::OnMouseMove(int x, int y) {
    bool over = HitLink(m_layout, x, y) != nullptr;
    if (over && !m_overLink) {
        m_previousCursor = ::SetCursor(HandCursor());
    } else if (!over && m_overLink) {
        ::SetCursor(m_previousCursor != nullptr ? m_previousCursor : LoadCursorW(nullptr, IDC_ARROW));
    }
    m_overLink = over;
}

bool CMarkupStatic::ClickAt(int x, int y) {
    const std::u16string* hit = HitLink(m_layout, x, y);
    if (hit == nullptr) {
        return false;
    }
    // The command's window may give this control a new text or table, or destroy it, while the
    // command is sent.
    std::u16string target = *hit;
    std::vector<MarkupAppCommand> commands = m_commands;
    platform::win32::WinShell shell;
    platform::win32::WinRegistry registry;
    platform::win32::WinWindowManager windows;
    return FollowMarkupLink(target, commands, shell, registry, windows);
}
