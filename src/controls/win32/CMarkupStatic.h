// The mark-up static control's window: a window class ("KtMarkupStatic") used in the .rc templates
// like a static control, or a plain static control of a template taken over with Attach. Its window
// text is the mark-up; the portable parser and layout decide what goes where, this class paints it
// through an off-screen bitmap and follows the links.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "controls/CNamedColors.h"
#include "controls/MarkupLayout.h"
#include "controls/MarkupLink.h"

class CMarkupStatic {
public:
    static constexpr const wchar_t* kClassName = L"KtMarkupStatic";

    // Registers the window class once per process.
    static bool Register(HINSTANCE instance);
    // Takes over a text static control (left, centred or right aligned): its text becomes the mark-up,
    // its alignment places the lines, and it keeps its own notifications (SS_NOTIFY) to the parent.
    // The control object belongs to the window and goes with it. Null for a window that is no text
    // static; the existing object for a window already taken over.
    static CMarkupStatic* Attach(HWND staticControl);
    // The control object of a window of this class or of a static taken over, or null.
    static CMarkupStatic* FromWindow(HWND hwnd);

    // Both colour setters return the previous value.
    CNamedColors SetBackgroundColour(CNamedColors colour);
    CNamedColors SetBackgroundColour(std::u16string_view text) {
        return SetBackgroundColour(CNamedColors(text));
    }
    CNamedColors SetTextColour(CNamedColors colour);
    CNamedColors SetTextColour(std::u16string_view text) { return SetTextColour(CNamedColors(text)); }
    void SetLogFont(const LOGFONTW& font);
    void SetMargins(int left, int right);
    void EnableToolTips(bool enable);
    void SetAppCommands(std::vector<MarkupAppCommand> commands);

    const MarkupLayout& layout() const { return m_layout; }
    // Follows the link under a client point, as a click does; true when one was followed.
    bool ClickAt(int x, int y);

private:
    explicit CMarkupStatic(HWND hwnd, WNDPROC staticProcedure = nullptr)
        : m_hwnd(hwnd), m_staticProcedure(staticProcedure) {}
    ~CMarkupStatic();

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK AttachedProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Dispatch(CMarkupStatic* control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    MarkupAlignment Alignment() const;
    void MarkDirty();
    void Paint();
    void Render(HDC dc, int width, int height);
    void UpdateToolTips();
    void OnMouseMove(int x, int y);
    HCURSOR HandCursor();
    LOGFONTW BaseFont(HDC dc) const;
    uint32_t Colour(const CNamedColors& colour) const;

    HWND m_hwnd;
    WNDPROC m_staticProcedure; // the static's own procedure when taken over; null for our class
    // A link's command may destroy the window while its click is handled: the object then outlives
    // WM_NCDESTROY until the outermost message returns.
    int m_depth = 0;
    bool m_gone = false;
    bool m_dirty = true;
    HDC m_memoryDc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_bitmapWidth = 0;
    int m_bitmapHeight = 0;
    CNamedColors m_background{CNamedColors::kSystemColourFlag | COLOR_WINDOW};
    CNamedColors m_text{CNamedColors::kSystemColourFlag | COLOR_WINDOWTEXT};
    std::optional<LOGFONTW> m_ownFont;
    HFONT m_windowFont = nullptr;
    int m_leftMargin = 0;
    int m_rightMargin = 0;
    MarkupLayout m_layout;
    std::vector<MarkupAppCommand> m_commands;
    HCURSOR m_hand = nullptr;
    bool m_handIsCopy = false;
    HCURSOR m_previousCursor = nullptr;
    bool m_overLink = false;
    bool m_toolTipsEnabled = false;
    HWND m_toolTip = nullptr;
};
