// Drawn controls: the "KtCanvas" window class paints a ui::Picture that the portable code built.
//
// The window, not the WinCanvas handle, keeps the picture and the fonts and icons it paints with: the
// template creates the window before the dialog adopts it, and a handle may be re-made for the same
// window, so WM_PAINT must never depend on a handle object being alive.
#include <windows.h>

#include <cwchar>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/win32/WinText.h"
#include "ui/win32/WinControls.h"

namespace ui::win32 {

using platform::win32::W;

namespace {

// Private to the class: the handle hands over a picture, or asks for the one shown.
constexpr UINT kCanvasSetPicture = WM_USER + 0x40; // lParam: const Picture*
constexpr UINT kCanvasGetPicture = WM_USER + 0x41; // answers const Picture*

COLORREF ColorOr(Color color, COLORREF fallback) {
    return color == kDefaultColor ? fallback : static_cast<COLORREF>(color);
}

class CanvasWindow {
public:
    explicit CanvasWindow(HWND hwnd) : m_hwnd(hwnd) {}
    ~CanvasWindow() {
        DropFonts();
        for (const Icon& icon : m_icons) {
            if (icon.handle != nullptr) {
                DestroyIcon(icon.handle);
            }
        }
    }
    CanvasWindow(const CanvasWindow&) = delete;
    CanvasWindow& operator=(const CanvasWindow&) = delete;

    const Picture& picture() const { return m_picture; }

    void SetPicture(const Picture& picture) {
        m_picture = picture;
        // DefWindowProc keeps the text, so WM_GETTEXT reads what is shown.
        std::u16string text = m_picture.JoinedTexts();
        SetWindowTextW(m_hwnd, W(text));
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }

    void SetBaseFont(HFONT font, bool redraw) {
        m_baseFont = font;
        DropFonts(); // faces and sizes left empty follow the base font
        if (redraw) {
            InvalidateRect(m_hwnd, nullptr, FALSE);
        }
    }
    HFONT BaseFont() const { return m_baseFont; }

    void Paint() {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hwnd, &ps);
        RECT client{};
        GetClientRect(m_hwnd, &client);
        if (client.right > 0 && client.bottom > 0) {
            // Everything goes to a bitmap first and onto the screen with one copy: no flicker.
            HDC memory = CreateCompatibleDC(dc);
            HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
            if (memory != nullptr && bitmap != nullptr) {
                HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
                HGDIOBJ oldFont = SelectObject(memory, GetStockObject(DEFAULT_GUI_FONT));
                PaintItems(memory, client);
                BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
                SelectObject(memory, oldFont);
                SelectObject(memory, oldBitmap);
            }
            if (bitmap != nullptr) {
                DeleteObject(bitmap);
            }
            if (memory != nullptr) {
                DeleteDC(memory);
            }
        }
        EndPaint(m_hwnd, &ps);
    }

private:
    struct CachedFont {
        Font font;
        HFONT handle;
    };
    struct Icon {
        int resource;
        int width;
        int height;
        HICON handle; // null: the resource is missing, so it is not looked for again
    };

    void DropFonts() {
        for (const CachedFont& f : m_fonts) {
            DeleteObject(f.handle);
        }
        m_fonts.clear();
    }

    // The defaults follow the dialog: its background colour and the text colour it gives statics.
    void PaintItems(HDC dc, const RECT& client) {
        COLORREF back = GetSysColor(COLOR_BTNFACE);
        COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
        HWND parent = GetParent(m_hwnd);
        HBRUSH dialogBrush = nullptr;
        if (parent != nullptr) {
            SetTextColor(dc, ink);
            dialogBrush = reinterpret_cast<HBRUSH>(SendMessageW(
                parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_hwnd)));
            ink = GetTextColor(dc);
        }
        if (m_picture.background != kDefaultColor) {
            Fill(dc, client, m_picture.background);
        } else if (dialogBrush != nullptr) {
            FillRect(dc, &client, dialogBrush);
        } else {
            Fill(dc, client, back);
        }
        SetBkMode(dc, TRANSPARENT);
        for (const PictureItem& item : m_picture.items) {
            if (const auto* fill = std::get_if<PictureFill>(&item)) {
                RECT r{fill->rect.left, fill->rect.top, fill->rect.right, fill->rect.bottom};
                Fill(dc, r, ColorOr(fill->color, back));
            } else if (const auto* text = std::get_if<PictureText>(&item)) {
                DrawOneText(dc, *text, ink);
            } else if (const auto* icon = std::get_if<PictureIcon>(&item)) {
                int width = icon->rect.Width();
                int height = icon->rect.Height();
                if (HICON handle = IconFor(icon->resource, width, height)) {
                    DrawIconEx(dc, icon->rect.left, icon->rect.top, handle, width, height, 0, nullptr,
                               DI_NORMAL);
                }
            } else if (const auto* line = std::get_if<PictureLine>(&item)) {
                HPEN pen = CreatePen(PS_SOLID, line->width > 0 ? line->width : 1, ColorOr(line->color, ink));
                HGDIOBJ oldPen = SelectObject(dc, pen);
                MoveToEx(dc, line->from.x, line->from.y, nullptr);
                LineTo(dc, line->to.x, line->to.y);
                SelectObject(dc, oldPen);
                DeleteObject(pen);
            }
        }
    }

    static void Fill(HDC dc, const RECT& r, COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }

    void DrawOneText(HDC dc, const PictureText& text, COLORREF ink) {
        if (text.text.empty() || text.rect.Width() <= 0 || text.rect.Height() <= 0) {
            return;
        }
        UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
        format |= text.align == Align::Center ? DT_CENTER : (text.align == Align::Right ? DT_RIGHT : DT_LEFT);
        HGDIOBJ oldFont = SelectObject(dc, FontFor(text.font));
        ::SetTextColor(dc, ColorOr(text.color, ink));
        RECT r{text.rect.left, text.rect.top, text.rect.right, text.rect.bottom};
        DrawTextW(dc, W(text.text), static_cast<int>(text.text.size()), &r, format);
        SelectObject(dc, oldFont);
    }

    HFONT FontFor(const Font& font) {
        for (const CachedFont& f : m_fonts) {
            if (f.font == font) {
                return f.handle;
            }
        }
        HFONT base =
            m_baseFont != nullptr ? m_baseFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        LOGFONTW lf{};
        GetObjectW(base, sizeof lf, &lf);
        if (!font.face.empty()) {
            std::u16string face = font.face.substr(0, LF_FACESIZE - 1);
            wcsncpy(lf.lfFaceName, W(face), LF_FACESIZE - 1);
            lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
        }
        if (font.pointSize > 0) {
            HDC screen = GetDC(m_hwnd);
            lf.lfHeight = -MulDiv(font.pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
            ReleaseDC(m_hwnd, screen);
        }
        lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        lf.lfUnderline = font.underline ? TRUE : FALSE;
        HFONT made = CreateFontIndirectW(&lf);
        if (made == nullptr) {
            return base;
        }
        m_fonts.push_back({font, made});
        return made;
    }

    HICON IconFor(int resource, int width, int height) {
        if (resource <= 0 || width <= 0 || height <= 0) {
            return nullptr;
        }
        for (const Icon& icon : m_icons) {
            if (std::tie(icon.resource, icon.width, icon.height) == std::tie(resource, width, height)) {
                return icon.handle;
            }
        }
        // Not shared: an icon loaded at a size of our choosing is ours to destroy.
        auto handle = static_cast<HICON>(
            LoadImageW(ResourceModule(), MAKEINTRESOURCEW(resource), IMAGE_ICON, width, height, 0));
        m_icons.push_back({resource, width, height, handle});
        return handle;
    }

    HWND m_hwnd;
    Picture m_picture;
    HFONT m_baseFont = nullptr; // the dialog's, through WM_SETFONT; not ours
    std::vector<CachedFont> m_fonts;
    std::vector<Icon> m_icons;
};

CanvasWindow* StateOf(HWND hwnd) {
    return reinterpret_cast<CanvasWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK CanvasProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new CanvasWindow(hwnd)));
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    CanvasWindow* state = StateOf(hwnd);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete state;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (state == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case kCanvasSetPicture:
        if (lParam != 0) {
            state->SetPicture(*reinterpret_cast<const Picture*>(lParam));
        }
        return 0;
    case kCanvasGetPicture:
        return reinterpret_cast<LRESULT>(&state->picture());
    case WM_SETFONT:
        state->SetBaseFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->BaseFont());
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel; erasing first would flicker
    case WM_PAINT:
        state->Paint();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

bool RegisterCanvasClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // Global: templates in a resource-only module name the class too.
    wc.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = CanvasProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = kCanvasClass;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void WinCanvas::SetPicture(const Picture& picture) {
    SendMessageW(m_hwnd, kCanvasSetPicture, 0, reinterpret_cast<LPARAM>(&picture));
}

const Picture& WinCanvas::CurrentPicture() {
    const auto* shown = reinterpret_cast<const Picture*>(SendMessageW(m_hwnd, kCanvasGetPicture, 0, 0));
    return shown != nullptr ? *shown : CanvasControl::CurrentPicture();
}

} // namespace ui::win32
