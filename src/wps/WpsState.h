// What the WPS pages share beyond the wizard's state (wizard/WizardState.h already holds WpsMode,
// WpsRunning, HwButtonPressed and WpsErrorKind, which the wizard's own pages and the main window read
// too). The pages run on the wizard's thread; the service's thread only posts to them, and the flags
// the main window or the hardware-button worker read are atomic.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "kernel/BssEntry.h"
#include "wizard/WizardState.h"

namespace wps {

// Private messages of the process pages: close with OK / close as cancelled.
constexpr uint32_t WM_WPS_DONE = 0x806B;
constexpr uint32_t WM_WPS_ABORT = 0x806C;

constexpr size_t kPinUnits = 20;
constexpr size_t kApListEntries = 10;
constexpr uint32_t kApListOffered = 4; // WpsApCount before each WpsGetApList

// Back to the values of a new process (tests).
void ResetWpsState();

} // namespace wps

// The PIN of the current PIN exchange (8 digits, terminated), written by the PIN choice page.
extern std::array<char16_t, wps::kPinUnits> WpsPin;
// The APs named after an unsuccessful exchange (WpsGetApList) and how many.
extern std::array<kernel::BssEntry, wps::kApListEntries> WpsApList;
extern uint32_t WpsApCount;
// Set once the WPS check page was cancelled (or closed by its watchdog); never cleared in a process.
extern std::atomic<bool> WpsCheckCancelled;
// The user chose Retry on page 111: the next push-button page starts the exchange at once.
extern std::atomic<bool> WpsRetryRequested;
