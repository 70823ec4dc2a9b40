#include "ui/win32/WinControls.h"

#include <commctrl.h>

#include "platform/win32/WinText.h"

namespace ui::win32 {

using platform::win32::U;

void WinTab::Reset() {
    SendMessageW(m_hwnd, TCM_DELETEALLITEMS, 0, 0);
}

int WinTab::Add(std::u16string_view caption) {
    std::u16string text(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(text.data());
    return static_cast<int>(
        SendMessageW(m_hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(Count()), reinterpret_cast<LPARAM>(&item)));
}

int WinTab::Count() {
    return static_cast<int>(SendMessageW(m_hwnd, TCM_GETITEMCOUNT, 0, 0));
}

std::u16string WinTab::ItemText(int index) {
    wchar_t buffer[256] = {}; // a tab's caption is short; the control cuts longer ones itself
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 256;
    if (!SendMessageW(m_hwnd, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) {
        return {};
    }
    return U(item.pszText);
}

void WinTab::Select(int index) {
    SendMessageW(m_hwnd, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int WinTab::Selection() {
    return static_cast<int>(SendMessageW(m_hwnd, TCM_GETCURSEL, 0, 0));
}

Rect WinTab::DisplayArea() {
    // The tab control's window in the dialog's client coordinates, less its tabs and border.
    Rect outer = GetRect();
    RECT r{outer.left, outer.top, outer.right, outer.bottom};
    SendMessageW(m_hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace ui::win32
