// What DrvSeed asks of the machine: the present network adapters with their driver keys, the IP
// adapter list, the class installer that disables and enables a device, and registry writes in the
// program's native view.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace drvseed {

enum class DeviceState { Disable, Enable };

class DeviceSystem {
public:
    virtual ~DeviceSystem() = default;

    // Takes a fresh list of the present devices of the network adapter class; indices below refer to
    // the latest list. Returns the number of devices (0 also when the list cannot be had).
    virtual size_t RefreshDevices() = 0;

    // The driver key of a device: string values read and values written. Results are the platform's
    // error codes; a key that cannot be opened fails both.
    virtual long ReadDriverString(size_t device, std::u16string_view name, std::u16string& out,
                                  size_t maxUnits) = 0;
    virtual long WriteDriverValue(size_t device, std::u16string_view name,
                                  const platform::RegValue& value) = 0;

    virtual std::u16string DeviceDescription(size_t device) = 0;

    // The two halves of a state change: the property-change parameters, then the class installer.
    virtual long SetStateChangeParams(size_t device, DeviceState state) = 0;
    virtual long CallPropertyChangeInstaller(size_t device) = 0;

    // Adapter names ("{GUID}") from the IP adapter list.
    virtual std::vector<std::u16string> IpAdapterNames() = 0;

    // Creates or opens the key with full access and writes the value, in the program's own view.
    virtual long WriteMachineValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                                   const platform::RegValue& value) = 0;

    // The system's message text for an error code.
    virtual std::u16string ErrorText(long code) = 0;
};

} // namespace drvseed
