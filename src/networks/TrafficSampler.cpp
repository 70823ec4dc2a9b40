#include "networks/TrafficSampler.h"

#include <algorithm>
#include <climits>

#include "app/AppGlobals.h"
#include "base/Format.h"
#include "mainwnd/LinkStatus.h"

namespace networks {

namespace {

// A 32-bit counter that went backwards was reset or wrapped; either way the interval's true change is
// unknown, and 0 is shown rather than a jump of four billion.
uint32_t Forward(uint32_t now, uint32_t before) {
    return now >= before ? now - before : 0;
}

uint64_t Forward(uint64_t now, uint64_t before) {
    return now >= before ? now - before : 0;
}

uint64_t BitsPerSecond(uint32_t octets, uint32_t elapsedMs) {
    return elapsedMs == 0 ? 0 : static_cast<uint64_t>(octets) * 8000u / elapsedMs;
}

std::u16string Mbps(uint64_t bitsPerSecond) {
    return base::Format(u"%.2f", {static_cast<double>(bitsPerSecond) / 1000000.0});
}

int Load(GraphMode mode, double txMbps, double rxMbps) {
    double load = 0;
    switch (mode) {
    case GraphMode::Transmit:
        load = txMbps / kOneWayFullMbps * 100.0;
        break;
    case GraphMode::Receive:
        load = rxMbps / kOneWayFullMbps * 100.0;
        break;
    case GraphMode::Total:
        load = (txMbps + rxMbps) * 100.0 / kBothWaysFullMbps;
        break;
    case GraphMode::None:
        break;
    }
    return static_cast<int>(std::min(load, static_cast<double>(INT_MAX - 1)));
}

} // namespace

std::u16string PercentText(int percent) {
    return base::Format(u"%d%c", {percent, static_cast<int>(u'%')});
}

TrafficSources ProgramTrafficSources() {
    return {[] { return DevicePresent.load(); },
            [] { return mainwnd::CopyLinkRecords().adapter.interfaceIndex; }};
}

void SampleMailbox::Put(TrafficSample sample) {
    std::lock_guard lock(m_mutex);
    m_samples.push_back(std::move(sample));
    if (m_samples.size() > kLimit) {
        m_samples.pop_front();
    }
}

std::vector<TrafficSample> SampleMailbox::TakeAll() {
    std::lock_guard lock(m_mutex);
    std::vector<TrafficSample> taken(std::make_move_iterator(m_samples.begin()),
                                     std::make_move_iterator(m_samples.end()));
    m_samples.clear();
    return taken;
}

TrafficSampler::TrafficSampler(platform::InterfaceCounters& counters, platform::Clock& clock,
                               TrafficSources sources, Deliver deliver)
    : m_counters(counters), m_clock(clock), m_sources(std::move(sources)), m_deliver(std::move(deliver)) {}

void TrafficSampler::Forget() {
    m_stored = {};
}

TrafficSampler::Reading TrafficSampler::ReadingOf(const platform::InterfaceRow& row, uint32_t tick) {
    Reading reading;
    reading.tick = tick;
    reading.txOctets = row.outOctets;
    reading.rxOctets = row.inOctets;
    reading.txPackets = static_cast<uint64_t>(row.outUnicastPackets) + row.outNonUnicastPackets;
    reading.rxPackets = static_cast<uint64_t>(row.inUnicastPackets) + row.inNonUnicastPackets;
    return reading;
}

uint32_t TrafficSampler::Step() {
    if (!m_sources.adapterPresent || m_sources.adapterPresent()) {
        if (std::optional<TrafficSample> sample = TakeSample(); sample && m_deliver) {
            m_deliver(std::move(*sample));
        }
    }
    return kSamplePeriodMs;
}

std::optional<TrafficSample> TrafficSampler::TakeSample() {
    GraphMode mode = m_mode;
    uint32_t index = m_sources.interfaceIndex ? m_sources.interfaceIndex() : 0;
    platform::InterfaceRow row;
    if (!m_counters.ReadRow(index, row)) {
        m_stored = {};
        TrafficSample zeroes;
        zeroes.zeroed = true;
        return zeroes;
    }
    if (row.physicalAddressLength != 6) {
        return std::nullopt;
    }
    if (m_stored.rxOctets == 0 || m_stored.txOctets == 0) {
        m_stored = ReadingOf(row, m_clock.TickCount());
    }
    m_clock.Sleep(kSampleSettleMs);
    uint32_t tick = m_clock.TickCount();
    if (tick == m_stored.tick) {
        return std::nullopt;
    }
    // The tick count wraps after 49.7 days, which the modular difference measures correctly; a count
    // that went back (a half-range difference) gives no interval at all, and rates of 0 rather than a
    // division by zero.
    uint32_t elapsed = tick - m_stored.tick;
    if (elapsed >= 0x80000000u) {
        elapsed = 0;
    }
    uint64_t rxBits = BitsPerSecond(Forward(row.inOctets, m_stored.rxOctets), elapsed);
    uint64_t txBits = BitsPerSecond(Forward(row.outOctets, m_stored.txOctets), elapsed);

    Reading old = m_stored;
    m_stored = ReadingOf(row, tick);

    TrafficSample sample;
    sample.rxRate = Mbps(rxBits);
    sample.txRate = Mbps(txBits);
    sample.rxPerSecond = Forward(m_stored.rxPackets, old.rxPackets);
    sample.txPerSecond = Forward(m_stored.txPackets, old.txPackets);
    sample.totalRx = m_stored.rxPackets;
    sample.totalTx = m_stored.txPackets;
    sample.rxErrors = static_cast<uint64_t>(row.inDiscards) + row.inErrors + row.inUnknownProtocols;
    sample.txErrors = static_cast<uint64_t>(row.outErrors) + row.outDiscards;

    int load = Load(mode, static_cast<double>(txBits) / 1000000.0, static_cast<double>(rxBits) / 1000000.0);
    sample.bar = load;
    sample.percent = std::clamp(load, 0, 100);
    sample.graphValue = static_cast<uint32_t>(load) + 1;
    return sample;
}

} // namespace networks
