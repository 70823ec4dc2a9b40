#include "mainwnd/CTrayIcon.h"

namespace mainwnd {

CTrayIcon::CTrayIcon(std::unique_ptr<platform::NotificationArea> area) : m_area(std::move(area)) {}

CTrayIcon::~CTrayIcon() {
    RemoveIcon();
}

void CTrayIcon::SetNotification(uint32_t callbackMessage) {
    m_callbackMessage = callbackMessage;
}

bool CTrayIcon::SetIcon(uint16_t iconResource, std::u16string_view tooltip, std::u16string_view balloon) {
    if (iconResource == 0) {
        if (!IsShown()) {
            return true;
        }
        bool deleted = m_area != nullptr && m_area->Delete(kIconId);
        // Refused or not, the shell no longer shows an icon this object could change.
        m_shownIcon = 0;
        m_balloonShown = false;
        return deleted;
    }
    if (m_area == nullptr) {
        return false;
    }
    platform::TrayIcon icon{kIconId, iconResource,
                            std::u16string(platform::CutForField(tooltip, platform::kTrayTipCapacity)),
                            m_callbackMessage};
    bool accepted;
    if (IsShown()) {
        accepted = m_area->Modify(icon);
    } else {
        // After a refused change the shell may still hold the icon, and then refuses to add it again;
        // changing it is what brings it back in line.
        accepted = m_area->Add(icon) || m_area->Modify(icon);
    }
    if (!accepted) {
        m_shownIcon = 0;
        m_balloonShown = false;
        return false;
    }
    m_shownIcon = iconResource;
    if (balloon.empty() && !m_balloonShown) {
        return true;
    }
    // An empty balloon text takes down the balloon of an earlier change.
    bool balloonShown =
        m_area->ShowBalloon(kIconId, {}, balloon, platform::BalloonIcon::None, kBalloonTimeoutMs);
    m_balloonShown = balloonShown && !balloon.empty();
    return balloonShown;
}

bool CTrayIcon::RemoveIcon() {
    return SetIcon(0);
}

} // namespace mainwnd
