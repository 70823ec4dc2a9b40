// The in-memory service library with the two answers the fake cannot give: a refused survey start and
// a delivered count larger than the room the caller gave. Everything else goes to the fake.
#pragma once

#include <algorithm>

#include "fakes/FakeKernel.h"

class SurveyKernel final : public kernel::IWirelessKernel {
public:
    explicit SurveyKernel(fakes::FakeKernel& inner) : m_inner(inner) {}

    int32_t startAnswer = 1;    // what StartSiteSurvey answers
    uint32_t reportedCount = 0; // non-zero: the count GetNetWorkList claims, whatever it wrote
    uint32_t slotsOffered = 0;  // the room the last caller gave

    int32_t StartSiteSurvey(uint32_t reserved) override {
        m_inner.StartSiteSurvey(reserved);
        return startAnswer;
    }
    int32_t GetNetWorkList(kernel::BssEntry* list, uint32_t* count) override {
        slotsOffered = count != nullptr ? *count : 0;
        int32_t result = m_inner.GetNetWorkList(list, count);
        if (reportedCount != 0 && count != nullptr) {
            *count = reportedCount;
        }
        return result;
    }
    int32_t Start() override { return m_inner.Start(); }
    int32_t AddReceiver(kernel::INotificationReceiver* receiver) override {
        return m_inner.AddReceiver(receiver);
    }
    int32_t RemoveReceiver(kernel::INotificationReceiver* receiver) override {
        return m_inner.RemoveReceiver(receiver);
    }
    int32_t SetInternetCheck(uint32_t which, uint32_t on) override {
        return m_inner.SetInternetCheck(which, on);
    }
    uint32_t GetZeroConfigState() override { return m_inner.GetZeroConfigState(); }
    int32_t WpsFailureCheck() override { return m_inner.WpsFailureCheck(); }
    int32_t GetAdapterConfig(kernel::AdapterConfig* config) override {
        return m_inner.GetAdapterConfig(config);
    }
    int32_t ReadAdapterState(kernel::AdapterState* state) override { return m_inner.ReadAdapterState(state); }
    int32_t ReadConnection(kernel::ConnectionStatus* status) override {
        return m_inner.ReadConnection(status);
    }
    int32_t ReadIpInfo(kernel::IpInfo* info) override { return m_inner.ReadIpInfo(info); }
    int32_t SetRegionCode(uint32_t regionCode) override { return m_inner.SetRegionCode(regionCode); }
    int32_t ZeroConfigControl(uint32_t windowsManages) override {
        return m_inner.ZeroConfigControl(windowsManages);
    }
    int32_t ConnectWithBlock(const kernel::ConnectionBlock* block) override {
        return m_inner.ConnectWithBlock(block);
    }
    int32_t Disconnect() override { return m_inner.Disconnect(); }
    int32_t InitConnectionBlock(kernel::ConnectionBlock* block) override {
        return m_inner.InitConnectionBlock(block);
    }
    int32_t WpsPrepare() override { return m_inner.WpsPrepare(); }
    int32_t WpsStop() override { return m_inner.WpsStop(); }
    int32_t WpsStart(kernel::WpsRequest request) override { return m_inner.WpsStart(request); }
    int32_t WpsAbort() override { return m_inner.WpsAbort(); }
    uint32_t WpsQuery() override { return m_inner.WpsQuery(); }
    uint32_t WpsStartTick() override { return m_inner.WpsStartTick(); }
    int32_t WpsGetApName(char16_t* buffer, uint32_t units) override {
        return m_inner.WpsGetApName(buffer, units);
    }
    int32_t WpsGetResult(kernel::ConnectionBlock* block) override { return m_inner.WpsGetResult(block); }
    int32_t WpsGetApList(kernel::BssEntry* list, uint32_t* count) override {
        return m_inner.WpsGetApList(list, count);
    }
    int32_t WpsGetPin(char16_t* buffer, uint32_t units) override { return m_inner.WpsGetPin(buffer, units); }
    int32_t RegSetString(const char16_t* keyPath, const char16_t* valueName, const char16_t* text,
                         uint32_t hive, uint32_t reserved) override {
        return m_inner.RegSetString(keyPath, valueName, text, hive, reserved);
    }
    int32_t RegSetDword(const char16_t* keyPath, const char16_t* valueName, uint32_t value, uint32_t hive,
                        uint32_t reserved) override {
        return m_inner.RegSetDword(keyPath, valueName, value, hive, reserved);
    }
    int32_t RegDeleteKeyTree(const char16_t* keyPath, uint32_t hive, uint32_t reserved) override {
        return m_inner.RegDeleteKeyTree(keyPath, hive, reserved);
    }
    int32_t RegDeleteNamedValue(const char16_t* keyPath, const char16_t* valueName, uint32_t hive,
                                uint32_t reserved) override {
        return m_inner.RegDeleteNamedValue(keyPath, valueName, hive, reserved);
    }
    int32_t GrantKeyAccess(const char16_t* keyPath, uint32_t reserved, uint32_t hive) override {
        return m_inner.GrantKeyAccess(keyPath, reserved, hive);
    }

private:
    fakes::FakeKernel& m_inner;
};
