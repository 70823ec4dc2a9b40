#include "profiles/settings/AdHocOptions.h"

#include "kernel/ConnectionBlock.h"
#include "kernel/WirelessProfile.h"

namespace profiles {
namespace {

constexpr uint32_t kFiveGhzModes = kernel::kMode300AG | kernel::kMode300A | kernel::kMode54A;

constexpr uint16_t kChannels11a[] = {36, 40, 44, 48};
// The one region whose 2.4 GHz channels end at 11.
constexpr uint32_t kRegionElevenChannels = 1;
constexpr uint16_t kLastChannelRegion1 = 11;
constexpr uint16_t kLastChannelElsewhere = 13;

} // namespace

std::vector<uint16_t> AdHocBands(uint32_t modeBits) {
    std::vector<uint16_t> bands;
    if (modeBits & kFiveGhzModes) {
        bands.push_back(kernel::KWL_FLAG_WIRELESS_MODE_802_11A);
    }
    bands.push_back(kernel::KWL_FLAG_WIRELESS_MODE_802_11G);
    return bands;
}

int AdHocBandIndexFor(const std::vector<uint16_t>& bands, uint16_t adHocMode) {
    int fallback = -1;
    for (size_t i = 0; i < bands.size(); ++i) {
        if ((adHocMode & bands[i]) == bands[i]) {
            return static_cast<int>(i);
        }
        if (bands[i] == kernel::KWL_FLAG_WIRELESS_MODE_802_11G) {
            fallback = static_cast<int>(i);
        }
    }
    return fallback;
}

uint16_t AdHocModeForBand(uint16_t bandValue) {
    if (bandValue & kernel::KWL_FLAG_WIRELESS_MODE_802_11A) {
        return kernel::KWL_FLAG_WIRELESS_MODE_802_11A;
    }
    if (bandValue & kernel::KWL_FLAG_WIRELESS_MODE_802_11B) {
        return kernel::KWL_FLAG_WIRELESS_MODE_802_11B;
    }
    return kernel::KWL_FLAG_WIRELESS_MODE_802_11G;
}

std::vector<uint16_t> AdHocChannels(uint16_t bandValue, uint32_t regionCode) {
    std::vector<uint16_t> channels{0};
    if (bandValue == kernel::KWL_FLAG_WIRELESS_MODE_802_11A) {
        channels.insert(channels.end(), std::begin(kChannels11a), std::end(kChannels11a));
        return channels;
    }
    uint16_t last = regionCode == kRegionElevenChannels ? kLastChannelRegion1 : kLastChannelElsewhere;
    for (uint16_t channel = 1; channel <= last; ++channel) {
        channels.push_back(channel);
    }
    return channels;
}

// On 2.4 GHz the list holds every channel from 1 at its own position, so finding the value is finding
// the position the channel names.
int AdHocChannelIndexFor(const std::vector<uint16_t>& channels, uint16_t channel) {
    for (size_t i = 0; i < channels.size(); ++i) {
        if (channels[i] == channel) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

} // namespace profiles
