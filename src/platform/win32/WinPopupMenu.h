// A pop-up menu of the Windows menu manager, tracked for one owner window.
#pragma once

#include <windows.h>

#include "platform/PopupMenu.h"

namespace platform::win32 {

class WinPopupMenu final : public PopupMenu {
public:
    // `owner` is brought to the foreground while the menu is open and owns the menu's messages.
    explicit WinPopupMenu(HWND owner);
    ~WinPopupMenu() override;
    WinPopupMenu(const WinPopupMenu&) = delete;
    WinPopupMenu& operator=(const WinPopupMenu&) = delete;

    bool Append(const MenuItem& item) override;
    bool CheckItem(uint32_t id, bool checked) override;
    bool RemoveItem(uint32_t id) override;
    uint32_t Track() override;

    HMENU Handle() const { return m_menu; }

private:
    HWND m_owner;
    HMENU m_menu;
};

} // namespace platform::win32
