#include "fakes/FakeKernel.h"

#include <algorithm>

#include "base/Format.h"
#include "base/Text.h"

namespace fakes {
namespace {

std::u16string Text(const char16_t* p) {
    return p ? std::u16string(p) : std::u16string(u"(null)");
}

} // namespace

FakeKernel::FakeKernel(FakeRegistry& registry) : m_registry(registry) {
    adapterConfig.fragThresholdMin = 256;
    adapterConfig.fragThresholdMax = 2346;
    adapterConfig.rtsThresholdMin = 0;
    adapterConfig.rtsThresholdMax = 2347;
    adapterConfig.preambles = kernel::kPreambleLong | kernel::kPreambleAuto;
    defaults.transmitPower = kernel::kTransmitPowerFull;
    defaults.preamble = kernel::kPreambleAuto;
    defaults.band = kernel::KWL_FLAG_BAND_AUTO;
    defaults.serviceArea[0] = 0x5A; // a marker the program must carry along untouched
}

void FakeKernel::Log(std::u16string line) {
    std::lock_guard lock(m_mutex);
    m_calls.push_back(std::move(line));
}

std::vector<std::u16string> FakeKernel::Calls() {
    std::lock_guard lock(m_mutex);
    return m_calls;
}

size_t FakeKernel::CountCalls(std::u16string_view prefix) {
    std::lock_guard lock(m_mutex);
    return static_cast<size_t>(std::count_if(m_calls.begin(), m_calls.end(), [&](const std::u16string& c) {
        return c.compare(0, prefix.size(), prefix) == 0;
    }));
}

void FakeKernel::ClearCalls() {
    std::lock_guard lock(m_mutex);
    m_calls.clear();
}

int32_t FakeKernel::Start() {
    Log(u"Start");
    return 1;
}

int32_t FakeKernel::AddReceiver(kernel::INotificationReceiver* receiver) {
    Log(u"AddReceiver");
    receivers.push_back(receiver);
    return 1;
}

int32_t FakeKernel::RemoveReceiver(kernel::INotificationReceiver* receiver) {
    Log(u"RemoveReceiver");
    receivers.erase(std::remove(receivers.begin(), receivers.end(), receiver), receivers.end());
    return 1;
}

int32_t FakeKernel::SetInternetCheck(uint32_t which, uint32_t on) {
    Log(base::Format(u"SetInternetCheck %u %u", {which, on}));
    return 1;
}

uint32_t FakeKernel::GetZeroConfigState() {
    Log(u"GetZeroConfigState");
    return zeroConfigState;
}

int32_t FakeKernel::WpsFailureCheck() {
    Log(u"WpsFailureCheck");
    return wpsFailureCheck;
}

int32_t FakeKernel::GetAdapterConfig(kernel::AdapterConfig* config) {
    Log(u"GetAdapterConfig");
    if (config == nullptr) {
        return 0;
    }
    *config = adapterConfig;
    return 1;
}

int32_t FakeKernel::ReadAdapterState(kernel::AdapterState* state) {
    Log(u"ReadAdapterState");
    if (state != nullptr) {
        *state = adapterState;
    }
    return state != nullptr;
}

int32_t FakeKernel::ReadConnection(kernel::ConnectionStatus* status) {
    Log(u"ReadConnection");
    if (status != nullptr) {
        *status = connection;
    }
    return status != nullptr;
}

int32_t FakeKernel::ReadIpInfo(kernel::IpInfo* info) {
    Log(u"ReadIpInfo");
    if (info != nullptr) {
        *info = ipInfo;
    }
    return info != nullptr;
}

int32_t FakeKernel::GetNetWorkList(kernel::BssEntry* list, uint32_t* count) {
    Log(u"GetNetWorkList");
    if (list == nullptr || count == nullptr || *count == 0) {
        return 0;
    }
    uint32_t n = std::min<uint32_t>(*count, static_cast<uint32_t>(networks.size()));
    std::copy_n(networks.begin(), n, list);
    *count = n;
    return 1;
}

int32_t FakeKernel::SetRegionCode(uint32_t regionCode) {
    Log(base::Format(u"SetRegionCode %u", {regionCode}));
    return 1;
}

int32_t FakeKernel::ZeroConfigControl(uint32_t windowsManages) {
    Log(base::Format(u"ZeroConfigControl %u", {windowsManages}));
    return 1;
}

int32_t FakeKernel::StartSiteSurvey(uint32_t reserved) {
    Log(base::Format(u"StartSiteSurvey %u", {reserved}));
    return 1;
}

int32_t FakeKernel::ConnectWithBlock(const kernel::ConnectionBlock* block) {
    if (block == nullptr) {
        Log(u"ConnectWithBlock (null)");
        return 0;
    }
    Log(u"ConnectWithBlock " + std::u16string(base::FieldText(block->ssid)));
    connects.push_back(*block);
    return 1;
}

int32_t FakeKernel::Disconnect() {
    Log(u"Disconnect");
    return 1;
}

int32_t FakeKernel::InitConnectionBlock(kernel::ConnectionBlock* block) {
    Log(u"InitConnectionBlock");
    if (block == nullptr) {
        return 0;
    }
    *block = defaults;
    return 1;
}

int32_t FakeKernel::WpsPrepare() {
    Log(u"WpsPrepare");
    return 1;
}

int32_t FakeKernel::WpsStop() {
    Log(u"WpsStop");
    return 1;
}

int32_t FakeKernel::WpsStart(kernel::WpsRequest request) {
    Log(base::Format(u"WpsStart %u", {unsigned{request.method}}));
    wpsRequests.push_back(request);
    return 1;
}

int32_t FakeKernel::WpsAbort() {
    Log(u"WpsAbort");
    return 1;
}

uint32_t FakeKernel::WpsQuery() {
    Log(u"WpsQuery");
    return wpsQuery;
}

uint32_t FakeKernel::WpsStartTick() {
    Log(u"WpsStartTick");
    return wpsStartTick;
}

int32_t FakeKernel::WpsGetApName(char16_t* buffer, uint32_t units) {
    Log(u"WpsGetApName");
    if (buffer == nullptr || units == 0) {
        return 0;
    }
    base::CopyToField(buffer, units, wpsApName);
    return 1;
}

int32_t FakeKernel::WpsGetResult(kernel::ConnectionBlock* block) {
    Log(u"WpsGetResult");
    if (block == nullptr) {
        return 0;
    }
    *block = wpsResult;
    return wpsResultReturn;
}

int32_t FakeKernel::WpsGetApList(kernel::BssEntry* list, uint32_t* count) {
    Log(u"WpsGetApList");
    if (list == nullptr || count == nullptr) {
        return 1;
    }
    if (wpsApListReturn != 0) {
        return wpsApListReturn;
    }
    uint32_t n = std::min<uint32_t>(*count, static_cast<uint32_t>(wpsApList.size()));
    std::copy_n(wpsApList.begin(), n, list);
    *count =
        static_cast<uint32_t>(wpsApList.size()) < *count ? static_cast<uint32_t>(wpsApList.size()) : *count;
    if (wpsApCountReported != 0) {
        *count = wpsApCountReported;
    }
    return 0;
}

int32_t FakeKernel::WpsGetPin(char16_t* buffer, uint32_t units) {
    Log(u"WpsGetPin");
    if (buffer == nullptr || units == 0) {
        return 0;
    }
    base::CopyToField(buffer, units, adapterPin);
    return 1;
}

int32_t FakeKernel::RegSetString(const char16_t* keyPath, const char16_t* valueName, const char16_t* text,
                                 uint32_t hive, uint32_t) {
    Log(u"RegSetString " + Text(keyPath) + u"|" + Text(valueName) + u"|" + Text(text));
    if (keyPath == nullptr || valueName == nullptr || text == nullptr) {
        return 0;
    }
    if (m_registry.WriteString(hive, keyPath, valueName, text) != platform::kErrorSuccess) {
        return 0;
    }
    return regSetStringResult;
}

int32_t FakeKernel::RegSetDword(const char16_t* keyPath, const char16_t* valueName, uint32_t value,
                                uint32_t hive, uint32_t) {
    Log(u"RegSetDword " + Text(keyPath) + u"|" + Text(valueName) + u"|" + base::Format(u"%u", {value}));
    if (keyPath == nullptr || valueName == nullptr) {
        return 0;
    }
    return m_registry.WriteDword(hive, keyPath, valueName, value) == platform::kErrorSuccess ? 1 : 0;
}

int32_t FakeKernel::RegDeleteKeyTree(const char16_t* keyPath, uint32_t hive, uint32_t) {
    Log(u"RegDeleteKeyTree " + Text(keyPath));
    if (keyPath == nullptr) {
        return 1;
    }
    return m_registry.DeleteKeyTree(hive, keyPath) == platform::kErrorSuccess ? 0 : 1;
}

int32_t FakeKernel::RegDeleteNamedValue(const char16_t* keyPath, const char16_t* valueName, uint32_t hive,
                                        uint32_t) {
    Log(u"RegDeleteNamedValue " + Text(keyPath) + u"|" + Text(valueName));
    if (keyPath == nullptr || valueName == nullptr) {
        return 1;
    }
    return m_registry.DeleteValue(hive, keyPath, valueName) == platform::kErrorSuccess ? 0 : 1;
}

int32_t FakeKernel::GrantKeyAccess(const char16_t* keyPath, uint32_t, uint32_t hive) {
    Log(u"GrantKeyAccess " + Text(keyPath));
    if (keyPath == nullptr) {
        return 0;
    }
    m_registry.AllowRead(hive, keyPath);
    return 1;
}

} // namespace fakes
