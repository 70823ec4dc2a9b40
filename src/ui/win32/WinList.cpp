#include "platform/win32/WinText.h"
#include "ui/win32/WinControls.h"

namespace ui::win32 {

using platform::win32::U;
using platform::win32::W;

void WinList::Reset() {
    SendMessageW(m_hwnd, Message(LB_RESETCONTENT, CB_RESETCONTENT), 0, 0);
}

int WinList::Add(std::u16string_view text) {
    std::u16string t(text);
    return static_cast<int>(
        SendMessageW(m_hwnd, Message(LB_ADDSTRING, CB_ADDSTRING), 0, reinterpret_cast<LPARAM>(W(t))));
}

int WinList::Count() {
    return static_cast<int>(SendMessageW(m_hwnd, Message(LB_GETCOUNT, CB_GETCOUNT), 0, 0));
}

std::u16string WinList::ItemText(int index) {
    LRESULT length =
        SendMessageW(m_hwnd, Message(LB_GETTEXTLEN, CB_GETLBTEXTLEN), static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT n = SendMessageW(m_hwnd, Message(LB_GETTEXT, CB_GETLBTEXT), static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(buffer.data()));
    return n < 0 ? std::u16string() : U(buffer.c_str(), static_cast<size_t>(n));
}

void WinList::Select(int index) {
    SendMessageW(m_hwnd, Message(LB_SETCURSEL, CB_SETCURSEL), static_cast<WPARAM>(index), 0);
}

int WinList::Selection() {
    return static_cast<int>(SendMessageW(m_hwnd, Message(LB_GETCURSEL, CB_GETCURSEL), 0, 0));
}

void WinList::SetItemData(int index, intptr_t data) {
    SendMessageW(m_hwnd, Message(LB_SETITEMDATA, CB_SETITEMDATA), static_cast<WPARAM>(index), data);
}

intptr_t WinList::ItemData(int index) {
    LRESULT data =
        SendMessageW(m_hwnd, Message(LB_GETITEMDATA, CB_GETITEMDATA), static_cast<WPARAM>(index), 0);
    return data == LB_ERR ? 0 : data;
}

void WinList::SetEditLimit(int units) {
    if (m_combo) {
        SendMessageW(m_hwnd, CB_LIMITTEXT, static_cast<WPARAM>(units), 0);
    }
}

int WinList::EditCaret() {
    if (!m_combo) {
        return 0;
    }
    DWORD start = 0;
    SendMessageW(m_hwnd, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void WinList::SetEditSelection(int start, int end) {
    if (m_combo) {
        SendMessageW(m_hwnd, CB_SETEDITSEL, 0, MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end)));
    }
}

} // namespace ui::win32
