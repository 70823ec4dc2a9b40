// DeviceSystem on SetupAPI, the configuration manager's class installer and IP Helper.
#pragma once

#include <windows.h>

#include <setupapi.h>

#include <vector>

#include "drvseed/DeviceSystem.h"

namespace drvseed::win32 {

class SetupApiDevices final : public DeviceSystem {
public:
    SetupApiDevices() = default;
    ~SetupApiDevices() override;
    SetupApiDevices(const SetupApiDevices&) = delete;
    SetupApiDevices& operator=(const SetupApiDevices&) = delete;

    size_t RefreshDevices() override;
    long ReadDriverString(size_t device, std::u16string_view name, std::u16string& out,
                          size_t maxUnits) override;
    long WriteDriverValue(size_t device, std::u16string_view name, const platform::RegValue& value) override;
    std::u16string DeviceDescription(size_t device) override;
    long SetStateChangeParams(size_t device, DeviceState state) override;
    long CallPropertyChangeInstaller(size_t device) override;
    std::vector<std::u16string> IpAdapterNames() override;
    long WriteMachineValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                           const platform::RegValue& value) override;
    std::u16string ErrorText(long code) override;

private:
    void Release();
    SP_DEVINFO_DATA* Device(size_t device);

    HDEVINFO m_set = INVALID_HANDLE_VALUE;
    std::vector<SP_DEVINFO_DATA> m_devices;
};

} // namespace drvseed::win32
