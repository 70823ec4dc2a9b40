// A pop-up menu built from items and shown at the mouse cursor, such as the tray icon's menu.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct MenuItem {
    uint32_t id = 0; // 1 to 0xFFFF; ignored for a separator
    std::u16string text;
    bool checked = false;
    bool enabled = true;
    bool separator = false;
};

class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    // Adds an item at the end. False for a command id of 0 or above 0xFFFF, which no choice could
    // report.
    virtual bool Append(const MenuItem& item) = 0;
    // False when no item has this id.
    virtual bool CheckItem(uint32_t id, bool checked) = 0;
    virtual bool RemoveItem(uint32_t id) = 0;
    // Shows the menu at the cursor until the user chooses or dismisses it: the chosen command's id, or
    // 0 when the menu was dismissed.
    virtual uint32_t Track() = 0;
};

// Whether a command id can be told apart from "dismissed" and carried by a command message.
inline bool IsMenuCommandId(uint32_t id) {
    return id != 0 && id <= 0xFFFF;
}

} // namespace platform
