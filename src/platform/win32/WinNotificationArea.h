// The notification area through Shell_NotifyIconW, for icons owned by one window.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <map>

#include "platform/NotificationArea.h"

namespace platform::win32 {

class WinNotificationArea final : public NotificationArea {
public:
    // `owner` receives the icons' callback messages; the icons come from the resources of `module`
    // (the program itself when null).
    explicit WinNotificationArea(HWND owner, HMODULE module = nullptr);
    // Icons still shown are removed: an icon whose owner has gone would stay until the mouse passes it.
    ~WinNotificationArea() override;
    WinNotificationArea(const WinNotificationArea&) = delete;
    WinNotificationArea& operator=(const WinNotificationArea&) = delete;

    bool Add(const TrayIcon& icon) override;
    bool Modify(const TrayIcon& icon) override;
    bool Delete(uint32_t id) override;
    bool ShowBalloon(uint32_t id, std::u16string_view title, std::u16string_view text, BalloonIcon icon,
                     uint32_t timeoutMs) override;

private:
    bool Send(DWORD command, const TrayIcon& icon);
    // Keeps the handle the shell shows for the icon, releasing the one it replaces.
    void Keep(uint32_t id, HICON handle);

    HWND m_owner;
    HMODULE m_module;
    std::map<uint32_t, HICON> m_shown;
};

// The record's fields for an icon: size, owner, id, flags, callback message, icon and tooltip. Only
// these fields are written; the tooltip is cut to its field and terminated.
void FillIconRecord(NOTIFYICONDATAW& record, HWND owner, const TrayIcon& icon, HICON handle);
// The record's fields for a balloon over the icon `id`: size, owner, id, flags, texts, icon kind and
// time-out. Only these fields are written; the texts are cut to their fields and terminated.
void FillBalloonRecord(NOTIFYICONDATAW& record, HWND owner, uint32_t id, std::u16string_view title,
                       std::u16string_view text, BalloonIcon icon, uint32_t timeoutMs);

} // namespace platform::win32
