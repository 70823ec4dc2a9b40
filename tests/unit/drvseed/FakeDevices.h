// DeviceSystem in memory: network adapters with driver keys, an IP adapter list, scripted results for
// writes and the class installer, and a log of the calls that change something.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "base/Text.h"
#include "drvseed/DeviceSystem.h"
#include "fakes/FakeRegistry.h"

namespace drvseed::testing {

struct FakeDevice {
    std::u16string description;
    std::map<std::u16string, std::u16string> strings; // driver key string values
    std::vector<std::pair<std::u16string, platform::RegValue>> written;
    std::deque<long> paramsResults;    // per state change; empty: success
    std::deque<long> installerResults; // likewise
};

class FakeDevices final : public DeviceSystem {
public:
    FakeDevice& Add(std::u16string matchingDeviceId, std::u16string instanceId, std::u16string description) {
        FakeDevice device;
        device.description = std::move(description);
        device.strings[u"MatchingDeviceId"] = std::move(matchingDeviceId);
        device.strings[u"NetCfgInstanceId"] = std::move(instanceId);
        devices.push_back(std::move(device));
        return devices.back();
    }

    size_t RefreshDevices() override {
        ++refreshes;
        return refreshes > hiddenUntilRefresh ? devices.size() : 0;
    }
    long ReadDriverString(size_t device, std::u16string_view name, std::u16string& out,
                          size_t maxUnits) override {
        auto& strings = devices.at(device).strings;
        auto it = strings.find(std::u16string(name));
        if (it == strings.end()) {
            return platform::kErrorFileNotFound;
        }
        out = it->second.substr(0, maxUnits);
        return platform::kErrorSuccess;
    }
    long WriteDriverValue(size_t device, std::u16string_view name, const platform::RegValue& value) override {
        log.push_back(u"driver " + std::u16string(name));
        if (!failingWrites.empty()) {
            long rc = failingWrites.front();
            failingWrites.pop_front();
            if (rc != platform::kErrorSuccess) {
                return rc;
            }
        }
        devices.at(device).written.emplace_back(name, value);
        return platform::kErrorSuccess;
    }
    std::u16string DeviceDescription(size_t device) override { return devices.at(device).description; }
    long SetStateChangeParams(size_t device, DeviceState state) override {
        log.push_back(state == DeviceState::Disable ? u"params disable" : u"params enable");
        return Next(devices.at(device).paramsResults);
    }
    long CallPropertyChangeInstaller(size_t device) override {
        log.push_back(u"installer");
        return Next(devices.at(device).installerResults);
    }
    std::vector<std::u16string> IpAdapterNames() override { return ipAdapters; }
    long WriteMachineValue(uint32_t root, std::u16string_view key, std::u16string_view name,
                           const platform::RegValue& value) override {
        log.push_back(u"machine " + std::u16string(key) + u"\\" + std::u16string(name));
        return machine.WriteValue(root, key, name, value);
    }
    std::u16string ErrorText(long code) override {
        return base::Widen("failure " + std::to_string(code)) + u"\r\n";
    }

    std::vector<FakeDevice> devices;
    std::vector<std::u16string> ipAdapters;
    std::deque<long> failingWrites; // results of the next driver writes, in order
    size_t hiddenUntilRefresh = 0;  // the list is empty for this many refreshes
    size_t refreshes = 0;
    std::vector<std::u16string> log;
    fakes::FakeRegistry machine;

private:
    static long Next(std::deque<long>& results) {
        if (results.empty()) {
            return platform::kErrorSuccess;
        }
        long rc = results.front();
        results.pop_front();
        return rc;
    }
};

} // namespace drvseed::testing
