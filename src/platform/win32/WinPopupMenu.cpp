#include "platform/win32/WinPopupMenu.h"

#include "platform/win32/WinText.h"

namespace platform::win32 {

WinPopupMenu::WinPopupMenu(HWND owner) : m_owner(owner), m_menu(CreatePopupMenu()) {}

WinPopupMenu::~WinPopupMenu() {
    if (m_menu != nullptr) {
        DestroyMenu(m_menu);
    }
}

bool WinPopupMenu::Append(const MenuItem& item) {
    if (m_menu == nullptr) {
        return false;
    }
    if (item.separator) {
        return AppendMenuW(m_menu, MF_SEPARATOR, 0, nullptr) != FALSE;
    }
    if (!IsMenuCommandId(item.id)) {
        return false;
    }
    UINT flags =
        MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED) | (item.enabled ? MF_ENABLED : MF_GRAYED);
    return AppendMenuW(m_menu, flags, item.id, W(item.text)) != FALSE;
}

bool WinPopupMenu::CheckItem(uint32_t id, bool checked) {
    if (m_menu == nullptr || !IsMenuCommandId(id)) {
        return false;
    }
    return CheckMenuItem(m_menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) !=
           static_cast<DWORD>(-1);
}

bool WinPopupMenu::RemoveItem(uint32_t id) {
    if (m_menu == nullptr || !IsMenuCommandId(id)) {
        return false;
    }
    return RemoveMenu(m_menu, id, MF_BYCOMMAND) != FALSE;
}

uint32_t WinPopupMenu::Track() {
    if (m_menu == nullptr) {
        return 0;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    // A menu opened from the notification area closes on a click elsewhere only when its owner is
    // the foreground window, and it opens and shuts at once next time unless the owner gets a message
    // after it.
    SetForegroundWindow(m_owner);
    BOOL chosen =
        TrackPopupMenu(m_menu, TPM_LEFTBUTTON | TPM_RETURNCMD, cursor.x, cursor.y, 0, m_owner, nullptr);
    PostMessageW(m_owner, WM_NULL, 0, 0);
    return chosen > 0 ? static_cast<uint32_t>(chosen) : 0;
}

} // namespace platform::win32
