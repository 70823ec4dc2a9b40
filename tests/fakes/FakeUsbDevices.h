// The plugged-in USB devices are whatever the test lists.
#pragma once

#include <vector>

#include "platform/UsbDevices.h"

namespace fakes {

class FakeUsbDevices final : public platform::UsbDevices {
public:
    std::vector<platform::UsbDevice> Present() override {
        ++enumerations;
        return devices;
    }
    std::vector<platform::UsbDevice> devices;
    int enumerations = 0;
};

} // namespace fakes
