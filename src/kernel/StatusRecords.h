// The three status records the service refreshes on request (ReadAdapterState, ReadConnection,
// ReadIpInfo). Their layout is ours and the stand-in service's; only the members below are relied on.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kernel {

constexpr uint32_t kConnectionAssociated = 0x20000;
constexpr uint32_t kConnectionNotAssociated = 0x10000;

struct AdapterState {
    uint32_t interfaceIndex;    // first member: the IP Helper interface row of the adapter
    uint32_t regionCode;        // region bit code in force (16: channels 1-13, 2048: 1-14)
    uint32_t present;           // 1 while the adapter is plugged in
    uint32_t radioOn;           // 1 while the radio transmits
    char16_t driverVersion[32]; // for example "1.0.2.7"
    uint16_t driverYear;
    uint16_t driverMonth; // 1..12
    uint16_t driverDay;
    uint8_t mac[6];
    char16_t adapterName[128];
};

struct ConnectionStatus {
    char16_t ssid[34];
    uint8_t bssid[6];
    uint16_t reserved74;
    uint32_t signalQuality; // percent, 0-100
    uint32_t flags;         // kConnectionAssociated / kConnectionNotAssociated
    uint32_t txRate;        // tenths of Mbps
    uint32_t rxRate;        // tenths of Mbps
    uint32_t channel;
    uint32_t secondChannel; // 0 when the link uses one channel
    uint32_t secondSignal;  // signal seen while idle (used on Vista and 7)
};

struct IpInfo {
    uint8_t address[4]; // first byte most significant: 192.168.1.20 is {192, 168, 1, 20}
    uint8_t mask[4];
    uint8_t gateway[4];
};

static_assert(offsetof(AdapterState, interfaceIndex) == 0);
static_assert(offsetof(IpInfo, address) == 0);

} // namespace kernel
