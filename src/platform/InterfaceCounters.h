// The operating system's counters of one network interface, read by the interface index the service
// library reports for the adapter. The Statistics page turns two readings into rates.
#pragma once

#include <cstdint>

namespace platform {

// The row as the system keeps it: 32-bit counters that wrap.
struct InterfaceRow {
    uint32_t inOctets = 0;
    uint32_t inUnicastPackets = 0;
    uint32_t inNonUnicastPackets = 0;
    uint32_t inDiscards = 0;
    uint32_t inErrors = 0;
    uint32_t inUnknownProtocols = 0;
    uint32_t outOctets = 0;
    uint32_t outUnicastPackets = 0;
    uint32_t outNonUnicastPackets = 0;
    uint32_t outDiscards = 0;
    uint32_t outErrors = 0;
    uint32_t physicalAddressLength = 0;
    bool operator==(const InterfaceRow&) const = default;
};

class InterfaceCounters {
public:
    virtual ~InterfaceCounters() = default;
    // False when there is no interface with this index or the system could not be asked; `row` is
    // then left as it was.
    virtual bool ReadRow(uint32_t interfaceIndex, InterfaceRow& row) = 0;
};

} // namespace platform
