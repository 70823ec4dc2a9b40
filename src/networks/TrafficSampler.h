// The Statistics page's sampler: about once a second it reads the adapter's interface row, turns the
// change since the last reading into rates, packets per second and a load percentage, and hands the
// page one record of everything to show. It never touches a window: the record goes to the page, which
// applies it on its own thread.
//
// Threads: Step runs on the sampler's thread only; SetMode comes from the page's thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/InterfaceCounters.h"

namespace networks {

constexpr uint32_t kSamplePeriodMs = 1000;
// Between the first reading and the second of a sample, so that even the first one measures something.
constexpr uint32_t kSampleSettleMs = 100;
// The load scale: 27 Mbit/s in one direction, 54 both ways, is 100 %.
constexpr double kOneWayFullMbps = 27.0;
constexpr double kBothWaysFullMbps = 54.0;

// Which traffic the load percentage and the graph follow (the page's three choices).
enum class GraphMode : int { None = 0, Transmit = 1, Receive = 2, Total = 3 };

struct TrafficSample {
    // The row could not be read: every number goes back to zero and the graph gets nothing.
    bool zeroed = false;
    std::u16string txRate = u"0.00"; // Mbit/s, "%.2f"
    std::u16string rxRate = u"0.00";
    uint64_t txPerSecond = 0; // packets since the previous sample
    uint64_t rxPerSecond = 0;
    uint64_t totalTx = 0;
    uint64_t totalRx = 0;
    uint64_t txErrors = 0;
    uint64_t rxErrors = 0;
    int bar = 0;             // the load as the bar is given it, not limited
    int percent = 0;         // the load limited to 0..100
    uint32_t graphValue = 0; // load + 1, so that a quiet second still draws; 0 with `zeroed`
};

// The page shows the percentage as the number followed by a percent sign.
std::u16string PercentText(int percent);

// Where the sampler learns whether there is an adapter and which interface row is its.
struct TrafficSources {
    std::function<bool()> adapterPresent;
    std::function<uint32_t()> interfaceIndex;
};

// DevicePresent and the adapter-state record's interface index, as the main window last read it.
TrafficSources ProgramTrafficSources();

// Samples waiting for the page's thread. Kept in order, so the graph gets every value even when the
// page is slow to take them; a page that never takes them holds at most kLimit.
class SampleMailbox {
public:
    static constexpr size_t kLimit = 64;
    void Put(TrafficSample sample);
    std::vector<TrafficSample> TakeAll();

private:
    std::mutex m_mutex;
    std::deque<TrafficSample> m_samples;
};

class TrafficSampler {
public:
    using Deliver = std::function<void(TrafficSample)>;

    TrafficSampler(platform::InterfaceCounters& counters, platform::Clock& clock, TrafficSources sources,
                   Deliver deliver);

    void SetMode(GraphMode mode) { m_mode = mode; }
    GraphMode Mode() const { return m_mode; }

    // One round: a sample when the adapter is there, handed to Deliver. Returns the milliseconds until
    // the next round.
    uint32_t Step();
    // One sample; nothing when there is nothing new to show.
    std::optional<TrafficSample> TakeSample();
    // The previous reading back to zero, so that the next sample starts afresh.
    void Forget();

private:
    struct Reading {
        uint32_t tick = 0;
        uint32_t txOctets = 0;
        uint32_t rxOctets = 0;
        uint64_t txPackets = 0; // unicast + non-unicast
        uint64_t rxPackets = 0;
    };
    static Reading ReadingOf(const platform::InterfaceRow& row, uint32_t tick);

    platform::InterfaceCounters& m_counters;
    platform::Clock& m_clock;
    TrafficSources m_sources;
    Deliver m_deliver;
    std::atomic<GraphMode> m_mode{GraphMode::Total};
    Reading m_stored;
};

} // namespace networks
