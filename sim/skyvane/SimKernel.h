// The simulated wireless service: every operation of IWirelessKernel against a World, with events
// delivered on the dispatcher's thread and every call written to the call log.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "kernel/IWirelessKernel.h"
#include "platform/Registry.h"
#include "skyvane/CallLog.h"
#include "skyvane/Dispatcher.h"
#include "skyvane/ReceiverList.h"
#include "skyvane/Scenario.h"
#include "skyvane/World.h"

namespace skyvane {

// What the kernel needs from the machine around it.
struct KernelServices {
    platform::Registry* registry = nullptr;
    // The platform tick count (GetTickCount); the dispatcher clock when empty.
    std::function<uint32_t()> tickCount;
    // Makes a key readable by every user; true on success. When empty, success means the key exists.
    std::function<bool(uint32_t hive, std::u16string_view keyPath)> grantKeyAccess;
    // Reads a scenario file; nullopt when it cannot be read.
    std::function<std::optional<std::vector<uint8_t>>(std::u16string_view path)> readFile;
};

class SimKernel final : public kernel::IWirelessKernel {
public:
    SimKernel(KernelServices services, Dispatcher& dispatcher, ScenarioResult scenario);
    ~SimKernel();
    SimKernel(const SimKernel&) = delete;
    SimKernel& operator=(const SimKernel&) = delete;

    // IWirelessKernel
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

    // What the control pipe can do to the world. Each returns a short answer for skyctl.
    std::u16string Unplug();
    std::u16string Plug();
    std::u16string Survey();
    std::u16string SetRadio(bool on);
    // The adapter's button pressed `agoMs` milliseconds ago (0: now).
    std::u16string HardwareButton(uint32_t agoMs = 0);
    std::u16string HardwareCancel();
    std::u16string SetInternet(bool reachable);
    std::u16string SetSignal(std::u16string_view network, uint32_t percent);
    std::u16string SetPushButton(std::u16string_view network, bool pressed);
    std::u16string LoadScenarioFile(std::u16string_view path);
    void LoadWorld(ScenarioResult scenario);
    std::u16string Status();

    CallLog& Log() { return m_log; }
    ReceiverList& Receivers() { return m_receivers; }
    World WorldCopy() const;

private:
    enum class Link { Idle, Associating, Associated };
    enum class WpsPhase { Idle, Running };

    struct WpsState {
        WpsPhase phase = WpsPhase::Idle;
        uint32_t generation = 0;
        uint32_t startTick = 0;
        uint16_t method = 0;
        bool hardware = false;
        kernel::WpsRequest request{};
        std::u16string apName;
        std::optional<kernel::ConnectionBlock> result;
        std::vector<kernel::BssEntry> apList;
        int32_t failureCheck = -1;
        uint64_t deadline = 0;
    };

    using Event = std::function<void(kernel::INotificationReceiver&)>;
    void Emit(uint32_t delayMs, Event event, std::u16string name);
    void EmitWps(uint32_t delayMs, uint32_t code);
    void Deliver(const Event& event, const std::u16string& name);
    // A status code of the running exchange: dropped when the exchange has ended by the time it is due;
    // `finish`, run under the lock just before delivery, ends the exchange with its outcome.
    void WpsStep(uint32_t generation, uint32_t delayMs, uint32_t code, std::function<void()> finish = {});
    void Note(std::u16string text);

    // Under m_mutex.
    bool UsableLocked() const { return m_world.adapter.present && m_world.adapter.radioOn; }
    bool InRange(const Network& n) const { return n.signal > 0; }
    std::vector<kernel::BssEntry> SurveyLocked() const;
    kernel::BssEntry EntryFor(const Network& n) const;
    void FillDefaults(kernel::ConnectionBlock& block) const;
    kernel::ConnectionBlock ResultFor(const Network& n) const;
    void BeginSurveyLocked();
    void DropLinkLocked(bool notify);
    void EndWpsLocked();
    uint32_t TickLocked() const;
    Network* ConnectedLocked();
    bool InternetLocked() const;

    // Scheduled steps.
    void FinishSurvey(uint32_t generation);
    void FinishAssociate(uint32_t generation, kernel::ConnectionBlock block);
    const Network* StartAdHocLocked(const kernel::ConnectionBlock& block);
    void AssignAddress(uint32_t generation);
    void ReportInternet(uint32_t generation);
    void LinkTick(uint32_t generation);
    void WpsScan(uint32_t generation);
    void WpsExchange(uint32_t generation, std::u16string bssidText);
    void ConfigureFromRegistrarLocked(Network& ap, const std::u16string& bssidText);
    // What WpsGetApList names after an unsuccessful exchange with `ap` (its WpsInvolved key).
    std::vector<kernel::BssEntry> InvolvedAfterFailure(const Network& ap);

    int32_t RegResult(const char16_t* op, const char16_t* keyPath, long error, int32_t success,
                      int32_t failure);

    KernelServices m_services;
    Dispatcher& m_dispatcher;
    ReceiverList m_receivers;
    CallLog m_log;

    mutable std::mutex m_mutex;
    World m_world;
    bool m_started = false;
    bool m_surveying = false;
    uint32_t m_surveyGeneration = 0;
    std::vector<kernel::BssEntry> m_lastSurvey;
    Link m_link = Link::Idle;
    uint32_t m_linkGeneration = 0;
    std::array<uint8_t, 6> m_linkBssid{};
    bool m_hasAddress = false;
    bool m_internetCheck = false;
    bool m_internetReported = false;
    WpsState m_wps;
};

} // namespace skyvane
