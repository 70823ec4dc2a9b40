// A wireless service reduced to what the profile store asks of it: the adapter's configuration and
// defaults, and registry writes and deletes performed directly on a platform registry.
#pragma once

#include "kernel/IWirelessKernel.h"
#include "platform/Registry.h"

namespace bench {

class RegistryKernel final : public kernel::IWirelessKernel {
public:
    explicit RegistryKernel(platform::Registry& registry) : m_registry(registry) {
        m_config.fragThresholdMax = 2346;
        m_config.rtsThresholdMax = 2347;
        m_defaults.transmitPower = kernel::kTransmitPowerFull;
        m_defaults.preamble = kernel::kPreambleAuto;
    }
    virtual ~RegistryKernel() = default;

    int32_t Start() override { return 1; }
    int32_t AddReceiver(kernel::INotificationReceiver*) override { return 1; }
    int32_t RemoveReceiver(kernel::INotificationReceiver*) override { return 1; }
    int32_t SetInternetCheck(uint32_t, uint32_t) override { return 1; }
    uint32_t GetZeroConfigState() override { return 0; }
    int32_t WpsFailureCheck() override { return 0; }
    int32_t GetAdapterConfig(kernel::AdapterConfig* config) override {
        *config = m_config;
        return 1;
    }
    int32_t ReadAdapterState(kernel::AdapterState*) override { return 0; }
    int32_t ReadConnection(kernel::ConnectionStatus*) override { return 0; }
    int32_t ReadIpInfo(kernel::IpInfo*) override { return 0; }
    int32_t GetNetWorkList(kernel::BssEntry*, uint32_t* count) override {
        *count = 0;
        return 0;
    }
    int32_t SetRegionCode(uint32_t) override { return 1; }
    int32_t ZeroConfigControl(uint32_t) override { return 1; }
    int32_t StartSiteSurvey(uint32_t) override { return 1; }
    int32_t ConnectWithBlock(const kernel::ConnectionBlock*) override { return 1; }
    int32_t Disconnect() override { return 1; }
    int32_t InitConnectionBlock(kernel::ConnectionBlock* block) override {
        *block = m_defaults;
        return 1;
    }
    int32_t WpsPrepare() override { return 1; }
    int32_t WpsStop() override { return 1; }
    int32_t WpsStart(kernel::WpsRequest) override { return 1; }
    int32_t WpsAbort() override { return 1; }
    uint32_t WpsQuery() override { return 0; }
    uint32_t WpsStartTick() override { return 0; }
    int32_t WpsGetApName(char16_t*, uint32_t) override { return 0; }
    int32_t WpsGetResult(kernel::ConnectionBlock*) override { return 0; }
    int32_t WpsGetApList(kernel::BssEntry*, uint32_t* count) override {
        *count = 0;
        return 1;
    }
    int32_t WpsGetPin(char16_t*, uint32_t) override { return 0; }
    int32_t RegSetString(const char16_t* keyPath, const char16_t* valueName, const char16_t* text,
                         uint32_t hive, uint32_t) override {
        return m_registry.WriteString(hive, keyPath, valueName, text) == platform::kErrorSuccess ? 1 : 0;
    }
    int32_t RegSetDword(const char16_t* keyPath, const char16_t* valueName, uint32_t value, uint32_t hive,
                        uint32_t) override {
        return m_registry.WriteDword(hive, keyPath, valueName, value) == platform::kErrorSuccess ? 1 : 0;
    }
    int32_t RegDeleteKeyTree(const char16_t* keyPath, uint32_t hive, uint32_t) override {
        return static_cast<int32_t>(m_registry.DeleteKeyTree(hive, keyPath));
    }
    int32_t RegDeleteNamedValue(const char16_t* keyPath, const char16_t* valueName, uint32_t hive,
                                uint32_t) override {
        return static_cast<int32_t>(m_registry.DeleteValue(hive, keyPath, valueName));
    }
    int32_t GrantKeyAccess(const char16_t*, uint32_t, uint32_t) override { return 1; }

private:
    platform::Registry& m_registry;
    kernel::AdapterConfig m_config{};
    kernel::ConnectionBlock m_defaults{};
};

} // namespace bench
