// The rules of the ad-hoc dialog over plain values: which bands a profile may start an ad-hoc network
// on, which channels each band offers in the adapter's region, and what the choice is stored as.
#pragma once

#include <cstdint>
#include <vector>

namespace profiles {

// Band entries, by their ad-hoc mode value: 802.11a only when the profile's modes include a 5 GHz one,
// then 802.11g.
std::vector<uint16_t> AdHocBands(uint32_t modeBits);
// The entry a profile's ad-hoc mode selects: the first whose value it fully contains. A mode that names
// no offered band (automatic, 802.11b, 802.11a on a profile without 5 GHz, none yet) selects 802.11g,
// the band every adapter has, so that OK always stores a band the list showed.
int AdHocBandIndexFor(const std::vector<uint16_t>& bands, uint16_t adHocMode);
// The ad-hoc mode stored for a band entry's value.
uint16_t AdHocModeForBand(uint16_t bandValue);

// The channel entries of a band, "automatic" (0) first: 36-48 for 802.11a; 1-11 in region 1 and 1-13
// elsewhere for 802.11g.
std::vector<uint16_t> AdHocChannels(uint16_t bandValue, uint32_t regionCode);
// The entry a profile's channel selects; the first ("automatic") when the channel is not offered.
int AdHocChannelIndexFor(const std::vector<uint16_t>& channels, uint16_t channel);

} // namespace profiles
