// Private messages of the main window, its timers and its hot keys. The numbers are shared with the
// pages, the workers and other copies of the program (0x812E, 0x8069), so they never change.
#pragma once

#include <cstdint>

#include "app/AppMessages.h"

namespace mainwnd {

// Alt+letter forwarded by a page (wParam 1, lParam the letter), or a refill of the Settings page's
// network-name list (0x8065 with wParam 0).
constexpr uint32_t kMsgSettingsPageKey = 0x8065;
constexpr uint32_t kMsgNetworksPageKey = 0x8066;
constexpr uint32_t kMsgStatisticsPageKey = 0x8067;
constexpr uint32_t kMsgAboutPageKey = 0x8068;
constexpr uintptr_t kPageKeyRefill = 0;
constexpr uintptr_t kPageKeyLetter = 1;
// Show the Internet notice.
constexpr uint32_t kMsgShowInternetNotice = 0x806A;
// The window's activation: wParam 0 inactive (hot keys Alt+A and Alt+D go), 1 or 2 active.
constexpr uint32_t kMsgActivation = 0x806D;
// Show the hardware push-button cancel notice.
constexpr uint32_t kMsgShowHwPbcCancel = 0x806E;
// Show the window, then again half a second later.
constexpr uint32_t kMsgSetWindowShow = 0x812F;
// The tray icon's mouse messages (lParam the mouse message).
constexpr uint32_t kMsgTrayNotify = 0x80C9;

// Messages the library's thread and the workers post so that the window changes on its own thread.
// They sit after the numbers above and the start-up's show request (0x8140).
constexpr uint32_t kMsgServiceEvent = 0x8150; // wParam: the receiver slot, lParam: its argument
constexpr uint32_t kMsgRefreshDisplay = 0x8151;
constexpr uint32_t kMsgConnectStarted = 0x8152; // a ConnectWithBlock went out: restart timer 5
// The connect wizard's thread asks the window for something (wParam: what); the window hands it to the
// wizard's hook on its own thread.
constexpr uint32_t kMsgWizardCall = 0x8160;

// Timers.
constexpr int kTimerFirstLayout = 1;   // 1 ms once: caption, collapsed help, hidden and centred
constexpr int kTimerAdapterWatch = 2;  // 1000 ms: hide while the adapter is absent, tray menu, refresh
constexpr int kTimerShow = 3;          // once: show the window (after 0x812F)
constexpr int kTimerRescan = 4;        // 200 ms once: let the Networks page rescan
constexpr int kTimerConnectWatch = 5;  // 2000 ms after each connect: show the profile once connected
constexpr int kTimerConsoleWatch = 6;  // 3000 ms: console-session changes

// Hot keys, all with Alt.
constexpr int kHotKeySettings = 1001;   // S
constexpr int kHotKeyNetworks = 1002;   // N
constexpr int kHotKeyStatistics = 1003; // T
constexpr int kHotKeyAbout = 1004;      // A
constexpr int kHotKeyDelete = 1005;     // D

} // namespace mainwnd
