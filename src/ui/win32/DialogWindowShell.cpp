// The notification area and pop-up menus of a dialog window: their callback messages and chosen
// commands come back to this window.
#include "platform/win32/WinNotificationArea.h"
#include "platform/win32/WinPopupMenu.h"
#include "ui/win32/DialogWindow.h"

namespace ui::win32 {

std::unique_ptr<platform::NotificationArea> DialogWindow::CreateNotificationArea() {
    return std::make_unique<platform::win32::WinNotificationArea>(m_hwnd, m_instance);
}

std::unique_ptr<platform::PopupMenu> DialogWindow::CreatePopupMenu() {
    return std::make_unique<platform::win32::WinPopupMenu>(m_hwnd);
}

} // namespace ui::win32
