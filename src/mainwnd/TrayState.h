// What the tray icon should show for the link, decided without touching the icon: the display refresh
// asks on every pass and only changes the icon when its class (good, weak, not connected) or the
// network name changed. Also the items of the tray's menu for the settings in force.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/StatusRecords.h"
#include "platform/PopupMenu.h"

namespace mainwnd {

class CTrayIcon;

// The tray state the main window keeps.
constexpr int kTrayGood = 0;
constexpr int kTrayWeak = 1;
constexpr int kTrayNotConnected = 2;
constexpr int kTrayUnknown = -1; // forces the next update, as after an adapter arrival

// A signal quality from this value up counts as good.
constexpr uint32_t kTrayGoodSignal = 51;

struct TrayTexts {
    std::u16string connected; // "Tray_Connect": the network name follows it after one blank
    std::u16string scanning;  // "Tray_Scan"
};

enum class TrayAction { None, Remove, SetIcon };

struct TrayDecision {
    TrayAction action = TrayAction::None;
    uint16_t icon = 0; // SetIcon: 157, 158 or 159
    std::u16string tooltip;
    // What the main window keeps after this update: the tray state and the network name last shown.
    int state = kTrayUnknown;
    std::u16string name;
};

// `trayState` and `trayName` are what the main window kept from the last update. `iconShown` is
// whether the icon is in the notification area now (CTrayIcon::IsShown): one that is not, because the
// adapter took it away or the shell refused it, is shown again although nothing else changed.
TrayDecision DecideTrayUpdate(bool adapterPresent, const kernel::ConnectionStatus& connection, int trayState,
                              std::u16string_view trayName, const TrayTexts& texts, bool iconShown);

// Decides and carries the decision out on `icon`, updating the kept state and name.
void UpdateTrayIcon(CTrayIcon& icon, bool adapterPresent, const kernel::ConnectionStatus& connection,
                    int& trayState, std::u16string& trayName, const TrayTexts& texts);

// The "MAIN" menu texts of the three tray commands.
struct TrayMenuTexts {
    std::u16string internetNotice; // "Menu1"
    std::u16string utilityManages; // "Menu2"
    std::u16string exit;           // "Menu3"
};

// The settings the tray menu follows.
struct TrayMenuState {
    int osClass = 0;
    int countryDomain = 0;       // 4: no Internet notification item
    bool showInternet = false;   // "ShowInternet" non-zero: the notification item is checked
    bool utilityManages = false; // "AutoConfiguration" not "2": the manage item is checked
};

// The tray menu's items in their order: the Internet notification (32772), the utility managing the
// adapter (32774, only on Vista and 7) and Exit (32773).
std::vector<platform::MenuItem> TrayMenuItems(const TrayMenuState& state, const TrayMenuTexts& texts);

} // namespace mainwnd
