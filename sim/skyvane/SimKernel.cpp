#include "skyvane/SimKernel.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>
#include <memory>

#include "base/Format.h"
#include "base/Text.h"
#include "kernel/WpsRequest.h"

namespace skyvane {

namespace {
constexpr int kAddReceiverWaitMs = 500;
} // namespace

SimKernel::SimKernel(KernelServices services, Dispatcher& dispatcher, ScenarioResult scenario)
    : m_services(std::move(services)), m_dispatcher(dispatcher) {
    LoadWorld(std::move(scenario));
}

SimKernel::~SimKernel() = default;

void SimKernel::Note(std::u16string text) {
    m_log.Add(u"note " + text);
}

void SimKernel::Deliver(const Event& event, const std::u16string& name) {
    m_log.Add(u"event " + name);
    m_receivers.Deliver(event);
}

void SimKernel::Emit(uint32_t delayMs, Event event, std::u16string name) {
    m_dispatcher.Post(delayMs,
                      [this, event = std::move(event), name = std::move(name)] { Deliver(event, name); });
}

namespace {
std::u16string WpsEventName(uint32_t code) {
    const char16_t* name = kernel::WpsStatusName(code);
    return u"OnWKWPSStatus " + Hex(code, 4) + u" " + (name ? name : u"?");
}
} // namespace

void SimKernel::EmitWps(uint32_t delayMs, uint32_t code) {
    Emit(
        delayMs, [code](kernel::INotificationReceiver& r) { r.OnWKWPSStatus(code); }, WpsEventName(code));
}

void SimKernel::WpsStep(uint32_t generation, uint32_t delayMs, uint32_t code, std::function<void()> finish) {
    m_dispatcher.Post(delayMs, [this, generation, code, finish = std::move(finish)] {
        {
            std::lock_guard lock(m_mutex);
            if (generation != m_wps.generation || m_wps.phase != WpsPhase::Running) {
                return;
            }
            if (finish) {
                finish();
            }
        }
        Deliver([code](kernel::INotificationReceiver& r) { r.OnWKWPSStatus(code); }, WpsEventName(code));
    });
}

uint32_t SimKernel::TickLocked() const {
    return m_services.tickCount ? m_services.tickCount() : static_cast<uint32_t>(m_dispatcher.Now());
}

void SimKernel::LoadWorld(ScenarioResult scenario) {
    for (const auto& problem : scenario.problems) {
        Note(problem);
    }
    bool wasPresent;
    bool nowPresent;
    bool started;
    {
        std::lock_guard lock(m_mutex);
        wasPresent = m_world.adapter.present;
        started = m_started;
        DropLinkLocked(false);
        EndWpsLocked();
        m_surveying = false;
        ++m_surveyGeneration;
        m_lastSurvey.clear();
        m_world = std::move(scenario.world);
        nowPresent = m_world.adapter.present;
    }
    if (!started) {
        return;
    }
    // A new world is a new adapter as far as the program can tell.
    if (wasPresent && !nowPresent) {
        Emit(
            0, [](kernel::INotificationReceiver& r) { r.OnWKDeviceRemoved(); }, u"OnWKDeviceRemoved");
    } else if (!wasPresent && nowPresent) {
        Emit(
            0, [](kernel::INotificationReceiver& r) { r.OnWKDeviceLoaded(); }, u"OnWKDeviceLoaded");
    } else if (nowPresent) {
        Emit(
            0, [](kernel::INotificationReceiver& r) { r.OnWKAdapterChanged(); }, u"OnWKAdapterChanged");
    }
}

World SimKernel::WorldCopy() const {
    std::lock_guard lock(m_mutex);
    return m_world;
}

int32_t SimKernel::Start() {
    m_log.Add(u"Start");
    std::lock_guard lock(m_mutex);
    m_started = true;
    return 1;
}

int32_t SimKernel::AddReceiver(kernel::INotificationReceiver* receiver) {
    m_log.Add(u"AddReceiver " + (receiver ? u"receiver" : std::u16string(u"null")));
    if (!m_receivers.Add(receiver)) {
        return 0;
    }
    bool present;
    {
        std::lock_guard lock(m_mutex);
        present = m_world.adapter.present;
    }
    if (!present) {
        return 1;
    }
    // A new receiver learns that the adapter is there the way it would learn of its arrival: the program
    // knows the adapter is present only from this event. It is delivered before AddReceiver returns, so
    // that start-up never mistakes a present adapter for a missing one; the wait is bounded in case the
    // receiver's handler needs the very thread that is waiting here.
    auto delivered = std::make_shared<std::promise<void>>();
    std::future<void> done = delivered->get_future();
    m_dispatcher.Post(0, [this, receiver, delivered] {
        m_log.Add(u"event OnWKDeviceLoaded (to the new receiver)");
        m_receivers.DeliverTo(receiver, [](kernel::INotificationReceiver& r) { r.OnWKDeviceLoaded(); });
        delivered->set_value();
    });
    if (m_dispatcher.OnDispatcherThread()) {
        return 1;
    }
    auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(kAddReceiverWaitMs);
    if (std::function<void()> step = m_receivers.WaitStep()) {
        while (done.wait_for(std::chrono::seconds(0)) != std::future_status::ready &&
               std::chrono::steady_clock::now() < limit) {
            step();
        }
    } else {
        done.wait_until(limit);
    }
    return 1;
}

int32_t SimKernel::RemoveReceiver(kernel::INotificationReceiver* receiver) {
    m_log.Add(u"RemoveReceiver " + (receiver ? u"receiver" : std::u16string(u"null")));
    return m_receivers.Remove(receiver) ? 1 : 0;
}

int32_t SimKernel::SetInternetCheck(uint32_t which, uint32_t on) {
    m_log.Add(u"SetInternetCheck which=" + Dec(which) + u" on=" + Dec(on));
    if (which != 1) {
        return 0;
    }
    std::lock_guard lock(m_mutex);
    m_internetCheck = on != 0;
    if (!m_internetCheck) {
        m_internetReported = false;
    } else if (m_link == Link::Associated && m_hasAddress) {
        uint32_t generation = m_linkGeneration;
        m_dispatcher.Post(m_world.timing.internet, [this, generation] { ReportInternet(generation); });
    }
    return 1;
}

uint32_t SimKernel::GetZeroConfigState() {
    m_log.Add(u"GetZeroConfigState");
    std::lock_guard lock(m_mutex);
    return m_world.adapter.zeroConfig ? 1 : 0;
}

int32_t SimKernel::ZeroConfigControl(uint32_t windowsManages) {
    m_log.Add(u"ZeroConfigControl windowsManages=" + Dec(windowsManages));
    uint8_t flag = windowsManages ? 1 : 0;
    {
        std::lock_guard lock(m_mutex);
        if (!m_world.adapter.present) {
            return 0;
        }
        if (m_world.adapter.zeroConfig == (flag != 0)) {
            return 1;
        }
        m_world.adapter.zeroConfig = flag != 0;
    }
    Emit(
        0, [flag](kernel::INotificationReceiver& r) { r.OnWKZeroCfgChanged(flag); },
        u"OnWKZeroCfgChanged " + Dec(flag));
    return 1;
}

int32_t SimKernel::GetAdapterConfig(kernel::AdapterConfig* config) {
    m_log.Add(u"GetAdapterConfig");
    if (config == nullptr) {
        return 0;
    }
    std::lock_guard lock(m_mutex);
    std::memset(config, 0, sizeof(*config));
    const Adapter& a = m_world.adapter;
    config->associated = m_link == Link::Associated ? 1 : 0;
    config->preambles = a.preambles;
    config->fragThresholdMin = a.fragThresholdMin;
    config->fragThresholdMax = a.fragThresholdMax;
    config->rtsThresholdMin = a.rtsThresholdMin;
    config->rtsThresholdMax = a.rtsThresholdMax;
    return a.present ? 1 : 0;
}

int32_t SimKernel::ReadAdapterState(kernel::AdapterState* state) {
    m_log.Add(u"ReadAdapterState");
    if (state == nullptr) {
        return 0;
    }
    std::lock_guard lock(m_mutex);
    std::memset(state, 0, sizeof(*state));
    const Adapter& a = m_world.adapter;
    state->interfaceIndex = a.interfaceIndex;
    state->regionCode = a.regionCode;
    state->present = a.present ? 1 : 0;
    state->radioOn = a.present && a.radioOn ? 1 : 0;
    base::CopyToField(state->driverVersion, a.driverVersion);
    state->driverYear = a.driverYear;
    state->driverMonth = a.driverMonth;
    state->driverDay = a.driverDay;
    std::copy(a.mac.begin(), a.mac.end(), state->mac);
    base::CopyToField(state->adapterName, a.name);
    return 1;
}

int32_t SimKernel::ReadConnection(kernel::ConnectionStatus* status) {
    m_log.Add(u"ReadConnection");
    if (status == nullptr) {
        return 0;
    }
    std::lock_guard lock(m_mutex);
    std::memset(status, 0, sizeof(*status));
    status->flags = kernel::kConnectionNotAssociated;
    Network* n = ConnectedLocked();
    if (m_link == Link::Associated && n != nullptr) {
        base::CopyToField(status->ssid, n->ssid);
        std::copy(n->bssid.begin(), n->bssid.end(), status->bssid);
        status->signalQuality = n->signal;
        status->flags = kernel::kConnectionAssociated;
        bool fiveGhz = (n->radioModes & 0x04) && !(n->radioModes & 0x03);
        status->txRate = n->n ? 3000 : (n->radioModes == 0x01 ? 110 : 540);
        status->rxRate = status->txRate;
        status->channel = n->channel;
        status->secondChannel =
            n->n ? (fiveGhz ? n->channel + 4u : (n->channel <= 7 ? n->channel + 4u : n->channel - 4u)) : 0;
    }
    // The strongest signal in range, shown while idle.
    for (const Network& other : m_world.networks) {
        if (UsableLocked() && InRange(other)) {
            status->secondSignal = std::max<uint32_t>(status->secondSignal, other.signal);
        }
    }
    return 1;
}

int32_t SimKernel::ReadIpInfo(kernel::IpInfo* info) {
    m_log.Add(u"ReadIpInfo");
    if (info == nullptr) {
        return 0;
    }
    std::lock_guard lock(m_mutex);
    std::memset(info, 0, sizeof(*info));
    Network* n = ConnectedLocked();
    if (m_link == Link::Associated && m_hasAddress && n != nullptr) {
        std::copy(n->address.begin(), n->address.end(), info->address);
        std::copy(n->mask.begin(), n->mask.end(), info->mask);
        std::copy(n->gateway.begin(), n->gateway.end(), info->gateway);
    }
    return 1;
}

int32_t SimKernel::SetRegionCode(uint32_t regionCode) {
    m_log.Add(u"SetRegionCode " + Dec(regionCode));
    std::lock_guard lock(m_mutex);
    if (!m_world.adapter.present) {
        return 0;
    }
    m_world.adapter.regionCode = regionCode;
    return 1;
}

int32_t SimKernel::InitConnectionBlock(kernel::ConnectionBlock* block) {
    m_log.Add(u"InitConnectionBlock");
    if (block == nullptr) {
        return 0;
    }
    std::lock_guard lock(m_mutex);
    FillDefaults(*block);
    return 1;
}

void SimKernel::FillDefaults(kernel::ConnectionBlock& block) const {
    std::memset(&block, 0, sizeof(block));
    block.NetworkConnectType = kernel::kNetworkInfrastructure;
    block.adHocMode = kernel::KWL_FLAG_WIRELESS_MODE_AUTO_N;
    block.band = kernel::KWL_FLAG_BAND_AUTO;
    block.securityFlags = kernel::kSecurityNone;
    block.transmitPower = kernel::kTransmitPowerFull;
    block.preamble = kernel::kPreambleAuto;
    block.FragThreshold = m_world.adapter.fragThresholdMax;
    block.RTSThreshold = m_world.adapter.rtsThresholdMax;
}

} // namespace skyvane
