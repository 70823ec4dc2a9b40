#include "app/DeviceTest.h"

#include "base/Text.h"

std::vector<std::u16string> SplitVidPid(std::u16string_view value) {
    std::vector<std::u16string> fragments;
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find(u';', start);
        if (end == std::u16string_view::npos) {
            end = value.size();
        }
        std::u16string_view piece = value.substr(start, end - start);
        if (!piece.empty()) {
            fragments.push_back(base::AsciiUpper(piece));
        }
        start = end + 1;
    }
    return fragments;
}

bool IsSupportedAdapterPlugged(std::u16string_view vidPid, platform::UsbDevices& devices) {
    std::vector<std::u16string> fragments = SplitVidPid(vidPid);
    if (fragments.empty()) {
        return false;
    }
    for (const platform::UsbDevice& device : devices.Present()) {
        std::u16string id = base::AsciiUpper(device.hardwareId);
        for (const auto& fragment : fragments) {
            if (id.find(fragment) != std::u16string::npos &&
                device.nodeStatus != platform::kCrNoSuchDevnode) {
                return true;
            }
        }
    }
    return false;
}
