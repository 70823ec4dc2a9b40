// The channel an ad-hoc profile set to "automatic" starts its network on: the least used channel of the
// last survey, and on each further attempt the next one, so that a channel that does not work is left.
#pragma once

#include <cstdint>
#include <vector>

#include "kernel/BssEntry.h"

namespace mainwnd {

// Region codes of the adapter-state record that open channels beyond 11.
constexpr uint32_t kRegionChannels13 = 16;
constexpr uint32_t kRegionChannels14 = 2048;

// The channels an ad-hoc network may use: 36-48 on 802.11a, else 1-11 (1-13, 1-14 by region).
std::vector<uint16_t> AdHocCandidates(bool band11a, uint32_t regionCode);

// Least used first. Equal counts do not keep their order: the exchange sort moves a candidate only past
// one that is strictly busier, as the channel choice always has.
std::vector<uint16_t> OrderByUse(const std::vector<uint16_t>& candidates,
                                 const std::vector<kernel::BssEntry>& networks);

// Which candidate the next attempt takes. Lives as long as the main window; only the connect worker's
// thread uses it.
class AdHocChannelRotation {
public:
    // The candidate for this attempt (0 when there is none). Starts over when the band kind changed since
    // the previous attempt or when the index is on the last candidate, so the busiest channel of a list
    // of two or more is never taken.
    uint16_t Next(const std::vector<uint16_t>& ordered, bool band11a);
    size_t Index() const { return m_index; }

private:
    size_t m_index = 0;
    bool m_hadAttempt = false;
    bool m_last11a = false;
};

} // namespace mainwnd
