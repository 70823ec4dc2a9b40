// The profile fallback: when the adapter has had no link for a while, the next stored profile is tried.
// A step runs every 500 ms on the fallback's own thread; the window, the wizard and the Settings page
// restart its clock from their threads when they apply a profile themselves.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "kernel/IWirelessKernel.h"
#include "mainwnd/ConnectWorker.h"
#include "platform/Clock.h"

namespace mainwnd {

constexpr uint32_t kFallbackPollMs = 500;
// A fresh connection gets this long before its link is judged at all...
constexpr uint32_t kFallbackGraceMs = 15000;
// ...and then has to be missing on more checks in a row than this.
constexpr int kFallbackMissesAllowed = 10;

// The profile index the fallback tries next. current: the index in use (kSelectedProfile for the
// CurrentProfile); count: the number of stored profiles; currentIsSlot1: the CurrentProfile is the
// profile in ProfileTable slot 1, so that starting at slot 1 would only repeat it. Empty when no profile
// is stored.
std::optional<int> NextFallbackIndex(int current, int count, bool currentIsSlot1);

struct ProfileFallbackSources {
    std::function<kernel::IWirelessKernel*()> kernel; // g_pnKernel
    std::function<bool()> busy;                       // the main window's busy flag
    std::function<bool()> wpsPushButtonRunning;       // a WPS push-button run is in progress
    std::function<bool()> adapterPresent;             // DevicePresent
};

// The program's own kernel and adapter state; busy and the WPS run come from the window.
ProfileFallbackSources ProgramFallbackSources(std::function<bool()> busy,
                                              std::function<bool()> wpsPushButtonRunning);

class ProfileFallback {
public:
    ProfileFallback(ConnectRequests& requests, platform::Clock& clock, ProfileFallbackSources sources);

    // One round. Returns the milliseconds until the next one.
    uint32_t Step();

    // A connection attempt starts now (any thread): the clock and the count start over at the next round.
    void Restart();

    int Misses() const { return m_misses; }

private:
    bool Skipped() const;
    void ResetClock();
    void FallBack();

    ConnectRequests& m_requests;
    platform::Clock& m_clock;
    ProfileFallbackSources m_sources;
    std::atomic<bool> m_restart{false};
    // Only the stepping thread uses these.
    uint32_t m_lastGood;
    int m_misses = 0;
};

} // namespace mainwnd
