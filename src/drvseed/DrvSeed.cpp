#include "drvseed/DrvSeed.h"

#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "drvseed/ValueEncoding.h"

namespace drvseed {
namespace {

constexpr std::u16string_view kMatchingDeviceId = u"MatchingDeviceId";
constexpr std::u16string_view kNetCfgInstanceId = u"NetCfgInstanceId";
constexpr size_t kMaxDeviceIdUnits = 64;
constexpr std::u16string_view kStatusKeyPrefix = u"SoftWare\\Orvelin\\";
constexpr std::u16string_view kStatusValue = u"ERROR_SUCCESS";

} // namespace

DrvSeed::DrvSeed(DeviceSystem& devices, platform::Registry& statusRegistry, platform::Clock& clock,
                 Console& console, std::u16string programFolder)
    : m_devices(devices), m_statusRegistry(statusRegistry), m_clock(clock), m_console(console),
      m_programFolder(std::move(programFolder)), m_settings(m_programFolder + u"DrvSeed_Product.ini") {}

int DrvSeed::Run(const std::vector<std::u16string>& args) {
    if (args.size() < 2) {
        return 1;
    }
    const std::u16string& region = args[0];
    const std::u16string& language = args[1];
    bool noWait = args.size() >= 3 && base::ParseInt(args[2]) == 0;

    // Without a list no adapter matches; the search below still runs so that the waiting message and
    // the status value behave as with an absent adapter.
    LoadDeviceList();
    std::u16string regionString = m_settings.RegionString(region);

    bool found = false;
    for (unsigned failures = 0;;) {
        if (SearchAndWrite(regionString) == platform::kErrorSuccess) {
            found = true;
            break;
        }
        m_clock.Sleep(kRetryPauseMs);
        if (++failures % kAttemptsPerRound == 0) {
            if (noWait) {
                break;
            }
            m_console.ShowMessage(m_settings.Title(), m_settings.WaitingMessage(language));
        }
    }

    if (found) {
        m_console.Print(u"5 find success\n");
    }
    if (noWait) {
        std::u16string key = std::u16string(kStatusKeyPrefix) + m_settings.Model();
        long rc =
            m_statusRegistry.WriteString(platform::kHkeyLocalMachine, key, kStatusValue, found ? u"1" : u"0");
        if (rc != platform::kErrorSuccess) {
            base::Trace(base::Format(u"DrvSeed: status value not written (%d)", {rc}));
        }
    }
    if (found && ChangeState(*m_taken, DeviceState::Disable)) {
        m_console.Print(u"4 ShutDownNetworkAdapter success\n");
        WriteRestartValues();
        for (unsigned attempt = 0; attempt < kEnableAttempts; ++attempt) {
            m_clock.Sleep(kEnablePauseMs);
            if (ChangeState(*m_taken, DeviceState::Enable)) {
                m_console.Print(u"3 ShutUPNetworkAdapter success\n");
                break;
            }
        }
    }
    m_deviceList = DeviceList{};
    return 0;
}

int DrvSeed::LoadDeviceList() {
    int rc = LoadBandlore(m_programFolder + u"Bandlore.dat", m_deviceList);
    if (rc != kBandloreOk) {
        base::Trace(base::Format(u"DrvSeed: Bandlore.dat not loaded (%d)", {rc}));
    }
    return rc;
}

bool DrvSeed::IsListedIpAdapter(std::u16string_view instanceId,
                                std::optional<std::vector<std::u16string>>& names) {
    if (!names) {
        names = m_devices.IpAdapterNames();
    }
    for (const auto& name : *names) {
        if (base::EqualsAsciiNoCase(name, instanceId)) {
            return true;
        }
    }
    return false;
}

long DrvSeed::SearchAndWrite(std::u16string_view regionString) {
    m_taken.reset();
    size_t count = m_devices.RefreshDevices();
    // Asked for only once a device matches, and then once per attempt.
    std::optional<std::vector<std::u16string>> ipAdapters;
    for (size_t device = 0; device < count; ++device) {
        std::u16string deviceId;
        if (m_devices.ReadDriverString(device, kMatchingDeviceId, deviceId, kMaxDeviceIdUnits) !=
                platform::kErrorSuccess ||
            !m_deviceList.Matches(deviceId)) {
            continue;
        }
        // A matching device without a network interface is a stale or half-installed entry.
        std::u16string instanceId;
        if (m_devices.ReadDriverString(device, kNetCfgInstanceId, instanceId, kMaxDeviceIdUnits) !=
                platform::kErrorSuccess ||
            !IsListedIpAdapter(instanceId, ipAdapters)) {
            continue;
        }
        m_taken = device;
        return WriteDriverValues(device, regionString);
    }
    return kErrorNoAdapter;
}

long DrvSeed::WriteDriverValues(size_t device, std::u16string_view regionString) {
    // Every write is tried; the attempt fails when any of them failed, so that the next attempt writes
    // the whole set again rather than restarting the adapter with part of it.
    long result = platform::kErrorSuccess;
    auto write = [&](std::u16string_view name, const platform::RegValue& value) {
        long rc = m_devices.WriteDriverValue(device, name, value);
        if (rc != platform::kErrorSuccess) {
            base::Trace(base::Format(u"DrvSeed: driver value %s not written (%d)", {name, rc}));
            result = rc;
        }
    };
    std::u16string regionName = m_settings.RegionValueName();
    if (!regionName.empty()) {
        write(regionName, platform::RegValue::String(regionString));
    }
    for (const auto& entry : m_settings.DriverValues()) {
        if (auto value = EncodeValue(entry.type, entry.value)) {
            write(entry.name, *value);
        }
    }
    return result;
}

bool DrvSeed::ChangeState(size_t device, DeviceState state) {
    m_console.Print(base::Format(u"8 %s\n", {m_devices.DeviceDescription(device)}));
    long rc = m_devices.SetStateChangeParams(device, state);
    if (rc == platform::kErrorSuccess) {
        m_console.Print(u"7 SetupDiSetClassInstallParams success\n");
        rc = m_devices.CallPropertyChangeInstaller(device);
        if (rc == platform::kErrorSuccess) {
            m_console.Print(u"6 SetupDiCallClassInstaller success\n");
            return true;
        }
    }
    std::u16string message(base::TrimRight(m_devices.ErrorText(rc)));
    m_console.Print(base::Format(u"error 2: %s\n", {message}));
    return false;
}

void DrvSeed::WriteRestartValues() {
    for (const auto& entry : m_settings.RestartValues()) {
        auto root = ParseRoot(entry.root);
        auto value = EncodeValue(entry.type, entry.value);
        if (!root || !value) {
            continue;
        }
        long rc = m_devices.WriteMachineValue(*root, entry.key, entry.name, *value);
        if (rc != platform::kErrorSuccess) {
            base::Trace(base::Format(u"DrvSeed: %s\\%s not written (%d)", {entry.key, entry.name, rc}));
        }
    }
}

} // namespace drvseed
