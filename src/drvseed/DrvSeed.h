// The driver data tool: finds the product's adapter, writes the region and the driver values into its
// driver key, and restarts it so that the driver reads them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drvseed/BandloreFile.h"
#include "drvseed/Console.h"
#include "drvseed/DeviceSystem.h"
#include "drvseed/DrvSeedSettings.h"
#include "platform/Clock.h"
#include "platform/Registry.h"

namespace drvseed {

// ERROR_DEV_NOT_EXIST: no device of ours was taken in an attempt.
constexpr long kErrorNoAdapter = 55;

class DrvSeed {
public:
    static constexpr uint32_t kRetryPauseMs = 3000;
    static constexpr unsigned kAttemptsPerRound = 10; // ten pauses: 30 seconds
    static constexpr uint32_t kEnablePauseMs = 500;
    static constexpr unsigned kEnableAttempts = 3;

    // `statusRegistry` is the shared 32-bit view the main program reads; `programFolder` ends with a
    // backslash and holds Bandlore.dat and DrvSeed_Product.ini.
    DrvSeed(DeviceSystem& devices, platform::Registry& statusRegistry, platform::Clock& clock,
            Console& console, std::u16string programFolder);

    // The whole run with the arguments after the program name; returns the exit code.
    int Run(const std::vector<std::u16string>& args);

    // The steps of a run, for callers that drive them one by one.
    int LoadDeviceList();
    long SearchAndWrite(std::u16string_view regionString);
    bool ChangeState(size_t device, DeviceState state);
    void WriteRestartValues();

    const DeviceList& Devices() const { return m_deviceList; }
    std::optional<size_t> TakenDevice() const { return m_taken; }

private:
    bool IsListedIpAdapter(std::u16string_view instanceId, std::optional<std::vector<std::u16string>>& names);
    long WriteDriverValues(size_t device, std::u16string_view regionString);

    DeviceSystem& m_devices;
    platform::Registry& m_statusRegistry;
    platform::Clock& m_clock;
    Console& m_console;
    std::u16string m_programFolder;
    DrvSeedSettings m_settings;
    DeviceList m_deviceList;
    std::optional<size_t> m_taken;
};

} // namespace drvseed
