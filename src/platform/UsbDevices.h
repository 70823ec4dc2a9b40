// The plugged-in USB devices, as the device installer lists them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The configuration manager's answer for a device node that is gone.
constexpr uint32_t kCrNoSuchDevnode = 13;

struct UsbDevice {
    std::u16string hardwareId; // first string of the hardware-id list, as stored
    uint32_t nodeStatus = 0;   // configuration manager result of the device-node status query
};

class UsbDevices {
public:
    virtual ~UsbDevices() = default;
    // Every present device of enumerator "USB", all classes.
    virtual std::vector<UsbDevice> Present() = 0;
};

} // namespace platform
