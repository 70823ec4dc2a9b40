#include "mainwnd/AdHocChannel.h"

#include <algorithm>
#include <utility>

namespace mainwnd {

std::vector<uint16_t> AdHocCandidates(bool band11a, uint32_t regionCode) {
    if (band11a) {
        return {36, 40, 44, 48};
    }
    uint16_t last = 11;
    if (regionCode == kRegionChannels13) {
        last = 13;
    } else if (regionCode == kRegionChannels14) {
        last = 14;
    }
    std::vector<uint16_t> channels;
    for (uint16_t channel = 1; channel <= last; ++channel) {
        channels.push_back(channel);
    }
    return channels;
}

std::vector<uint16_t> OrderByUse(const std::vector<uint16_t>& candidates,
                                 const std::vector<kernel::BssEntry>& networks) {
    std::vector<std::pair<uint16_t, size_t>> counted;
    counted.reserve(candidates.size());
    for (uint16_t channel : candidates) {
        size_t uses = static_cast<size_t>(
            std::count_if(networks.begin(), networks.end(),
                          [channel](const kernel::BssEntry& e) { return e.channel == channel; }));
        counted.emplace_back(channel, uses);
    }
    for (size_t i = 0; i < counted.size(); ++i) {
        for (size_t j = i + 1; j < counted.size(); ++j) {
            if (counted[j].second < counted[i].second) {
                std::swap(counted[i], counted[j]);
            }
        }
    }
    std::vector<uint16_t> ordered;
    ordered.reserve(counted.size());
    for (const auto& [channel, uses] : counted) {
        ordered.push_back(channel);
    }
    return ordered;
}

uint16_t AdHocChannelRotation::Next(const std::vector<uint16_t>& ordered, bool band11a) {
    if (!m_hadAttempt || band11a != m_last11a) {
        m_index = 0;
    }
    m_hadAttempt = true;
    m_last11a = band11a;
    if (!(m_index + 1 < ordered.size())) {
        m_index = 0;
    }
    if (ordered.empty()) {
        return 0;
    }
    return ordered[m_index++];
}

} // namespace mainwnd
