// The connect worker: takes the connect requests that the window, its pages and the profile fallback
// raise, and hands the profile's ConnectionBlock to the service library with the radio settings of this
// attempt. It never touches a window; it posts kMsgConnectStarted so that the window restarts its
// connection watch on its own thread.
//
// Threads: requests are raised from any thread; Step runs on the worker's own thread only. The profile
// chosen for an attempt is copied under the profile store's lock and adjusted in the copy, so the
// CurrentProfile that the Settings page shows and edits is never seen half-changed and comes out of
// every attempt exactly as it went in.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "kernel/IWirelessKernel.h"
#include "kernel/WirelessProfile.h"
#include "mainwnd/AdHocChannel.h"
#include "ui/Poster.h"

namespace mainwnd {

// Rounds of the worker, in milliseconds.
constexpr uint32_t kConnectPollMs = 200;
constexpr uint32_t kScanWaitPollMs = 100; // while a survey is running

constexpr int kSelectedProfile = -1;

// The connect request, the profile index it uses and the window's one-shot automatic mark.
class ConnectRequests {
public:
    struct Request {
        bool pending = false;
        int profileIndex = kSelectedProfile;
        bool conditional = false;
        uint64_t serial = 0; // tells a request raised during an attempt from the one being served
    };

    // profileIndex: a ProfileTable slot, or kSelectedProfile for the CurrentProfile. A conditional
    // request only connects while the adapter is not associated. The index stays chosen after the
    // request is served: the fallback moves on from it and the worker keeps using it.
    void Raise(int profileIndex, bool conditional = false);
    // Back to the selected profile without asking for a connect (a profile was applied by hand).
    void SelectProfile(int profileIndex);

    Request Current() const;
    bool Pending() const;
    int ProfileIndex() const;
    // Ends the request with that serial; a request raised since is kept for the next round.
    void Clear(uint64_t serial);
    // Ends whatever is pending.
    void Clear();

    // The next infrastructure attempt asks for automatic mode (0x80) once.
    void SetAutomaticMark();
    bool TakeAutomaticMark();
    bool AutomaticMark() const;

private:
    mutable std::mutex m_mutex; // the request's fields change together
    Request m_request;
    bool m_automatic = false;
};

// What the worker needs from the window's side of the program.
struct ConnectWorkerSources {
    std::function<kernel::IWirelessKernel*()> kernel; // g_pnKernel; null: the library is not there
    ui::Poster window;                                // the main window
    std::function<std::u16string()> anyNetworkText;   // "Def_Profile_Any" of the chosen language
    std::function<uint32_t()> regionCode;             // of the adapter-state record
};

// The program's own sources: g_pnKernel, AnyNetworkText() and the adapter-state record.
ConnectWorkerSources ProgramConnectSources(ui::Poster window);

class ConnectWorker {
public:
    ConnectWorker(ConnectRequests& requests, ConnectWorkerSources sources);

    // One round. Returns the milliseconds until the next one.
    uint32_t Step();

    const AdHocChannelRotation& Rotation() const { return m_rotation; }

private:
    bool Accept(const ConnectRequests::Request& request);
    kernel::WirelessProfile ProfileFor(int profileIndex) const;
    // The block of this attempt: the profile's own with the network name, channel and mode word filled
    // in. Empty when there is nothing to connect to.
    std::optional<kernel::ConnectionBlock> Prepare(kernel::WirelessProfile profile);
    void Connect(kernel::IWirelessKernel& kernel, kernel::ConnectionBlock& block,
                 const kernel::WirelessProfile& profile);

    ConnectRequests& m_requests;
    ConnectWorkerSources m_sources;
    AdHocChannelRotation m_rotation;
    // The request that passed its checks and now only waits for the survey to end.
    bool m_accepted = false;
    uint64_t m_acceptedSerial = 0;
};

} // namespace mainwnd
