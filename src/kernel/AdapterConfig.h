// The adapter configuration that GetAdapterConfig fills (448 bytes).
#pragma once

#include <cstddef>
#include <cstdint>

namespace kernel {

struct AdapterConfig {
    // One member, two readings that the program keeps apart by call site: 1 associated / 0 idle for
    // the connection logic; nonzero five / zero four transmit-power levels for the profile store.
    uint32_t associated;       // 0
    uint8_t serviceArea[409];  // 4: the service's own
    uint8_t preambles;         // 413: offered preambles, kPreamble* bits
    uint8_t reserved414[4];    // 414
    uint16_t fragThresholdMin; // 418
    uint16_t fragThresholdMax; // 420: also the default
    uint16_t rtsThresholdMin;  // 422
    uint16_t rtsThresholdMax;  // 424: also the default
    uint8_t serviceTail[22];   // 426
};

static_assert(sizeof(AdapterConfig) == 448);
static_assert(offsetof(AdapterConfig, associated) == 0);
static_assert(offsetof(AdapterConfig, preambles) == 413);
static_assert(offsetof(AdapterConfig, fragThresholdMin) == 418);
static_assert(offsetof(AdapterConfig, fragThresholdMax) == 420);
static_assert(offsetof(AdapterConfig, rtsThresholdMin) == 422);
static_assert(offsetof(AdapterConfig, rtsThresholdMax) == 424);

inline bool HasFivePowerLevels(const AdapterConfig& config) {
    return config.associated != 0;
}

} // namespace kernel
