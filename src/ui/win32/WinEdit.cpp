#include "ui/win32/WinControls.h"

namespace ui::win32 {

void WinEdit::SetLimit(int units) {
    SendMessageW(m_hwnd, EM_LIMITTEXT, static_cast<WPARAM>(units), 0);
}

int WinEdit::Limit() {
    return static_cast<int>(SendMessageW(m_hwnd, EM_GETLIMITTEXT, 0, 0));
}

void WinEdit::Select(int start, int end) {
    SendMessageW(m_hwnd, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void WinEdit::SetPasswordChar(char16_t c) {
    SendMessageW(m_hwnd, EM_SETPASSWORDCHAR, static_cast<WPARAM>(c), 0);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

char16_t WinEdit::PasswordChar() {
    return static_cast<char16_t>(SendMessageW(m_hwnd, EM_GETPASSWORDCHAR, 0, 0));
}

void WinEdit::SetReadOnly(bool readOnly) {
    SendMessageW(m_hwnd, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

} // namespace ui::win32
