// Window messages a portable dialog may meet in OnMessage, in the platform's numbers. Only what the
// dialogs of this program handle; add one here before a dialog uses it.
#pragma once

#include <cstdint>

namespace ui {

constexpr uint32_t kWmActivate = 0x0006; // wParam low word: 0 inactive, 1 active, 2 by click
constexpr uint32_t kWmClose = 0x0010;    // the close box or Alt+F4
constexpr uint32_t kWmKeyDown = 0x0100;
constexpr uint32_t kWmSysCommand = 0x0112; // wParam & 0xFFF0: the command
constexpr uint32_t kWmHotKey = 0x0312;     // wParam: the hot key's id
constexpr uint32_t kWmDeviceChange = 0x0219;
constexpr uint32_t kWmUser = 0x0400;

constexpr uintptr_t kScClose = 0xF060;
constexpr uintptr_t kScMinimize = 0xF020;
constexpr uintptr_t kScKeyMenu = 0xF100;

// Hot-key modifiers.
constexpr uint32_t kModAlt = 0x1;
constexpr uint32_t kModControl = 0x2;
constexpr uint32_t kModShift = 0x4;

} // namespace ui
