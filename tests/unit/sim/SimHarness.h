// A simulated adapter on a virtual clock with an in-memory registry, and a receiver that records events.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/Text.h"
#include "fakes/FakeRegistry.h"
#include "skyvane/SimKernel.h"

namespace skyvane {

class EventLog final : public kernel::INotificationReceiver {
public:
    void OnWKDeviceLoaded() override { Add(0); }
    void OnWKDeviceRemoved() override { Add(1); }
    void OnWKReserved2() override { Add(2); }
    void OnWKReserved3() override { Add(3); }
    void OnWKZeroCfgChanged(uint8_t v) override { Add(4, v); }
    void OnWKRadioChanged(uint8_t v) override { Add(5, v); }
    void OnWKSiteSurveyBegun() override { Add(6); }
    void OnWKSiteSurveyed() override { Add(7); }
    void OnWKAdapterChanged() override { Add(8); }
    void OnWKAssociationChanged() override { Add(9); }
    void OnWKAddressChanged() override { Add(10); }
    void OnWKQuietRefresh() override { Add(11); }
    void OnWKInternetChanged(uint8_t v) override { Add(12, v); }
    void OnWKLinkNotice(uint32_t v) override { Add(13, v); }
    void OnWKReserved14() override { Add(14); }
    void OnWKRateChanged() override { Add(15); }
    void OnWKChannelChanged() override { Add(16); }
    void OnWKWPSStatus(uint32_t v) override { Add(17, v); }

    std::vector<std::pair<int, uint32_t>> events;
    bool Has(int slot) const {
        for (auto& e : events) {
            if (e.first == slot) {
                return true;
            }
        }
        return false;
    }
    std::vector<uint32_t> Wps() const {
        std::vector<uint32_t> codes;
        for (auto& e : events) {
            if (e.first == 17) {
                codes.push_back(e.second);
            }
        }
        return codes;
    }

private:
    void Add(int slot, uint32_t value = 0) { events.emplace_back(slot, value); }
};

inline ScenarioResult Scenario(std::u16string_view text) {
    return LoadScenarioText(
        u"[World]\nScanDelay=1000\nAssociateDelay=100\nAddressDelay=200\nInternetDelay=50\n"
        u"WpsStepDelay=10\nWpsWalkTime=5000\nLinkPeriod=0\n" +
        std::u16string(text));
}

struct SimHarness {
    explicit SimHarness(std::u16string_view scenario = u"")
        : kernel(Services(), dispatcher, Scenario(scenario)) {
        kernel.Start();
        kernel.AddReceiver(&events);
        dispatcher.RunDue();
        events.events.clear();
    }
    KernelServices Services() {
        KernelServices s;
        s.registry = &registry;
        s.tickCount = [this] { return static_cast<uint32_t>(dispatcher.Now()) + 1000000u; };
        s.readFile = [this](std::u16string_view path) -> std::optional<std::vector<uint8_t>> {
            auto it = files.find(std::u16string(path));
            if (it == files.end()) {
                return std::nullopt;
            }
            return std::vector<uint8_t>(it->second.begin(), it->second.end());
        };
        return s;
    }
    std::vector<std::u16string> Notes() { return kernel.Log().Lines(u"note"); }

    fakes::FakeRegistry registry;
    std::map<std::u16string, std::string> files;
    Dispatcher dispatcher{Dispatcher::Mode::Manual};
    SimKernel kernel;
    EventLog events;
};

template <size_t N> void Put(char16_t (&field)[N], std::u16string_view text) {
    base::CopyToField(field, text);
}

} // namespace skyvane
