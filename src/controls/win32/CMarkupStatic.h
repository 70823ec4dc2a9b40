// The mark-up static control's window: a window class ("KtMarkupStatic") used in the .rc templates
// like a static control. Its window text is the mark-up; the portable parser and layout decide what
// goes where, this class paints it through an off-screen bitmap and follows the links.
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
    // The control object of a window of this class, or null.
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
    explicit CMarkupStatic(HWND hwnd) : m_hwnd(hwnd) {}
    ~CMarkupStatic();

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void MarkDirty();
    void Paint();
    void Render(HDC dc, int width, int height);
    void UpdateToolTips();
    void OnMouseMove(int x, int y);
    HCURSOR HandCursor();
    LOGFONTW BaseFont(HDC dc) const;
    uint32_t Colour(const CNamedColors& colour) const;

    HWND m_hwnd;
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
