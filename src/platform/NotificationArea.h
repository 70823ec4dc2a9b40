// Icons in the taskbar's notification area, with their tooltips and balloons. The window that hears
// an icon's callback message is the implementation's business (the Windows one is given it when it is
// made), so that the tray logic above stays free of window handles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The platform keeps these texts in fixed fields; the capacities count the terminator.
constexpr size_t kTrayTipCapacity = 128;
constexpr size_t kBalloonTitleCapacity = 64;
constexpr size_t kBalloonTextCapacity = 256;

enum class BalloonIcon { None, Info, Warning, Error };

struct TrayIcon {
    uint32_t id = 0;
    uint16_t iconResource = 0;    // an icon of the program's resources; 0 keeps the icon shown (Modify)
    std::u16string tooltip;       // empty keeps the tooltip shown; longer than its field: cut
    uint32_t callbackMessage = 0; // what the owner window receives for the mouse; 0: none
};

// What a fixed field of `capacity` units (terminator included) can show of a text: at most
// capacity - 1 units, and never the first half of a surrogate pair without its second.
std::u16string_view CutForField(std::u16string_view text, size_t capacity);

class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    // False when the icon is already there, has no icon resource or its icon cannot be loaded, or
    // the shell refuses.
    virtual bool Add(const TrayIcon& icon) = 0;
    // False when no icon with this id is there.
    virtual bool Modify(const TrayIcon& icon) = 0;
    virtual bool Delete(uint32_t id) = 0;
    // A balloon over a shown icon; the texts are cut to their fields.
    virtual bool ShowBalloon(uint32_t id, std::u16string_view title, std::u16string_view text,
                             BalloonIcon icon, uint32_t timeoutMs) = 0;
};

} // namespace platform
