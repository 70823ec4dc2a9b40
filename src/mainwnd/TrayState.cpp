#include "mainwnd/TrayState.h"

#include "app/AppGlobals.h"
#include "base/Text.h"
#include "mainwnd/CTrayIcon.h"
#include "mainwnd/LinkStatus.h"
#include "res/MainWndIds.h"

namespace mainwnd {

namespace {

// The start-up texts give "Tray_Connect" a trailing blank and a translation may bring its own: the
// name follows exactly one.
std::u16string ConnectedTooltip(std::u16string_view connected, std::u16string_view name) {
    std::u16string tooltip(base::TrimRight(connected));
    if (!tooltip.empty() && !name.empty()) {
        tooltip += u' ';
    }
    tooltip += name;
    return tooltip;
}

} // namespace

TrayDecision DecideTrayUpdate(bool adapterPresent, const kernel::ConnectionStatus& connection, int trayState,
                              std::u16string_view trayName, const TrayTexts& texts, bool iconShown) {
    TrayDecision decision;
    decision.state = trayState;
    decision.name = trayName;
    if (!adapterPresent) {
        if (iconShown) {
            decision.action = TrayAction::Remove;
        }
        return decision;
    }
    if (IsConnected(connection)) {
        int wanted = connection.signalQuality >= kTrayGoodSignal ? kTrayGood : kTrayWeak;
        std::u16string_view name = base::FieldText(connection.ssid);
        if (!iconShown || wanted != trayState || name != trayName) {
            decision.action = TrayAction::SetIcon;
            decision.icon = wanted == kTrayGood ? IDI_TRAY_GOOD : IDI_TRAY_WEAK;
            decision.tooltip = ConnectedTooltip(texts.connected, name);
            // A link whose name is not known yet is shown but not remembered, so that the name goes in
            // as soon as it arrives.
            if (!name.empty()) {
                decision.state = wanted;
                decision.name = name;
            }
        }
        return decision;
    }
    if (!iconShown || trayState != kTrayNotConnected) {
        decision.action = TrayAction::SetIcon;
        decision.icon = IDI_TRAY_SCANNING;
        decision.tooltip = texts.scanning;
        decision.state = kTrayNotConnected;
    }
    return decision;
}

void UpdateTrayIcon(CTrayIcon& icon, bool adapterPresent, const kernel::ConnectionStatus& connection,
                    int& trayState, std::u16string& trayName, const TrayTexts& texts) {
    TrayDecision decision =
        DecideTrayUpdate(adapterPresent, connection, trayState, trayName, texts, icon.IsShown());
    switch (decision.action) {
    case TrayAction::Remove:
        icon.RemoveIcon();
        break;
    case TrayAction::SetIcon:
        // A refused change leaves the icon marked not shown, which makes the next update try again.
        icon.SetIcon(decision.icon, decision.tooltip);
        break;
    case TrayAction::None:
        break;
    }
    trayState = decision.state;
    trayName = std::move(decision.name);
}

std::vector<platform::MenuItem> TrayMenuItems(const TrayMenuState& state, const TrayMenuTexts& texts) {
    std::vector<platform::MenuItem> items;
    if (state.countryDomain != 4) {
        items.push_back({ID_TRAY_INTERNET_NOTICE, texts.internetNotice, state.showInternet, true, false});
    }
    // Handing the adapter to the utility or to Windows is a choice only Vista and 7 offer.
    if (state.osClass == kOsVista || state.osClass == kOsVista64) {
        items.push_back({ID_TRAY_UTILITY_MANAGES, texts.utilityManages, state.utilityManages, true, false});
    }
    items.push_back({ID_TRAY_EXIT, texts.exit, false, true, false});
    return items;
}

} // namespace mainwnd
