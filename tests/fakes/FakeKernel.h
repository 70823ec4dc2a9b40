// A wireless service library in memory: registry operations land in a FakeRegistry, every call is
// logged as a line, and the records it hands out are whatever the test put in its members.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "fakes/FakeRegistry.h"
#include "kernel/IWirelessKernel.h"

namespace fakes {

class FakeKernel final : public kernel::IWirelessKernel {
public:
    explicit FakeKernel(FakeRegistry& registry);

    int32_t Start() override;
    int32_t AddReceiver(kernel::INotificationReceiver* receiver) override;
    int32_t RemoveReceiver(kernel::INotificationReceiver* receiver) override;
    int32_t SetInternetCheck(uint32_t which, uint32_t on) override;
    uint32_t GetZeroConfigState() override;
    int32_t WpsFailureCheck() override;
    int32_t GetAdapterConfig(kernel::AdapterConfig* config) override;
    int32_t ReadAdapterState(kernel::AdapterState* state) override;
    int32_t ReadConnection(kernel::ConnectionStatus* status) override;
    int32_t ReadIpInfo(kernel::IpInfo* info) override;
    int32_t GetNetWorkList(kernel::BssEntry* list, uint32_t* count) override;
    int32_t SetRegionCode(uint32_t regionCode) override;
    int32_t ZeroConfigControl(uint32_t windowsManages) override;
    int32_t StartSiteSurvey(uint32_t reserved) override;
    int32_t ConnectWithBlock(const kernel::ConnectionBlock* block) override;
    int32_t Disconnect() override;
    int32_t InitConnectionBlock(kernel::ConnectionBlock* block) override;
    int32_t WpsPrepare() override;
    int32_t WpsStop() override;
    int32_t WpsStart(kernel::WpsRequest request) override;
    int32_t WpsAbort() override;
    uint32_t WpsQuery() override;
    uint32_t WpsStartTick() override;
    int32_t WpsGetApName(char16_t* buffer, uint32_t units) override;
    int32_t WpsGetResult(kernel::ConnectionBlock* block) override;
    int32_t WpsGetApList(kernel::BssEntry* list, uint32_t* count) override;
    int32_t WpsGetPin(char16_t* buffer, uint32_t units) override;
    int32_t RegSetString(const char16_t* keyPath, const char16_t* valueName, const char16_t* text,
                         uint32_t hive, uint32_t reserved) override;
    int32_t RegSetDword(const char16_t* keyPath, const char16_t* valueName, uint32_t value, uint32_t hive,
                        uint32_t reserved) override;
    int32_t RegDeleteKeyTree(const char16_t* keyPath, uint32_t hive, uint32_t reserved) override;
    int32_t RegDeleteNamedValue(const char16_t* keyPath, const char16_t* valueName, uint32_t hive,
                                uint32_t reserved) override;
    int32_t GrantKeyAccess(const char16_t* keyPath, uint32_t reserved, uint32_t hive) override;

    // Calls in order, one line each ("RegSetString SOFTWARE\...|Name|text").
    std::vector<std::u16string> Calls();
    size_t CountCalls(std::u16string_view prefix);
    void ClearCalls();

    // What the operations hand out.
    kernel::AdapterConfig adapterConfig{};
    kernel::ConnectionBlock defaults{};
    kernel::AdapterState adapterState{};
    kernel::ConnectionStatus connection{};
    kernel::IpInfo ipInfo{};
    std::vector<kernel::BssEntry> networks;
    kernel::ConnectionBlock wpsResult{};
    std::vector<kernel::BssEntry> wpsApList;
    int32_t wpsResultReturn = 1;     // WpsGetResult: 0 is a failed call
    int32_t wpsApListReturn = 0;     // WpsGetApList: non-zero is a failed call
    uint32_t wpsApCountReported = 0; // WpsGetApList: a count to report instead of the one delivered
    std::u16string wpsApName = u"AP";
    std::u16string adapterPin = u"12345670";
    uint32_t zeroConfigState = 0;
    uint32_t wpsQuery = 0;
    uint32_t wpsStartTick = 0;
    int32_t wpsFailureCheck = 0;
    int32_t regSetStringResult = 1; // the service reports success as non-zero
    std::vector<kernel::INotificationReceiver*> receivers;
    std::vector<kernel::WpsRequest> wpsRequests;
    std::vector<kernel::ConnectionBlock> connects;

private:
    void Log(std::u16string line);
    FakeRegistry& m_registry;
    std::mutex m_mutex;
    std::vector<std::u16string> m_calls;
};

} // namespace fakes
