// The program's one icon in the notification area. It remembers whether the icon is shown, so that
// each change goes out as the call the shell accepts (add, change or remove), and a refused call
// leaves it marked not shown so that the next change adds it again.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/NotificationArea.h"

namespace mainwnd {

class CTrayIcon {
public:
    // The icon's id among the owner window's icons.
    static constexpr uint32_t kIconId = 1;
    static constexpr uint32_t kBalloonTimeoutMs = 5000;

    // `area` reports to the main window; null (no notification area) makes every change fail.
    explicit CTrayIcon(std::unique_ptr<platform::NotificationArea> area);
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // The message the owner window receives for the mouse over the icon; 0: none. Applies from the
    // next SetIcon.
    void SetNotification(uint32_t callbackMessage);

    // Shows `iconResource` with `tooltip` (cut to what the shell shows; empty keeps the one shown) and
    // `balloon` over it (empty: none, and one shown earlier is taken down). An icon of 0 removes the
    // icon when it is shown. True when every call the change needed was accepted.
    bool SetIcon(uint16_t iconResource, std::u16string_view tooltip = {}, std::u16string_view balloon = {});
    bool RemoveIcon();

    bool IsShown() const { return m_shownIcon != 0; }
    // The icon resource shown, or 0.
    uint16_t ShownIcon() const { return m_shownIcon; }

private:
    std::unique_ptr<platform::NotificationArea> m_area;
    uint32_t m_callbackMessage = 0;
    uint16_t m_shownIcon = 0;
    bool m_balloonShown = false;
};

} // namespace mainwnd
