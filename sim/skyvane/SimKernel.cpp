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

// ---- control ----

std::u16string SimKernel::Unplug() {
    m_log.Add(u"control unplug");
    {
        std::lock_guard lock(m_mutex);
        if (!m_world.adapter.present) {
            return u"adapter already unplugged";
        }
        DropLinkLocked(false);
        EndWpsLocked();
        m_surveying = false;
        ++m_surveyGeneration;
        m_lastSurvey.clear();
        m_world.adapter.present = false;
    }
    Emit(
        0, [](kernel::INotificationReceiver& r) { r.OnWKDeviceRemoved(); }, u"OnWKDeviceRemoved");
    return u"ok unplugged";
}

std::u16string SimKernel::Plug() {
    m_log.Add(u"control plug");
    {
        std::lock_guard lock(m_mutex);
        if (m_world.adapter.present) {
            return u"adapter already plugged in";
        }
        m_world.adapter.present = true;
    }
    Emit(
        0, [](kernel::INotificationReceiver& r) { r.OnWKDeviceLoaded(); }, u"OnWKDeviceLoaded");
    // A freshly arrived adapter looks around on its own.
    std::lock_guard lock(m_mutex);
    if (UsableLocked()) {
        BeginSurveyLocked();
    }
    return u"ok plugged";
}

std::u16string SimKernel::SetRadio(bool on) {
    m_log.Add(u"control radio " + std::u16string(on ? u"on" : u"off"));
    {
        std::lock_guard lock(m_mutex);
        if (!m_world.adapter.present) {
            return u"error: no adapter";
        }
        if (m_world.adapter.radioOn == on) {
            return u"radio already " + std::u16string(on ? u"on" : u"off");
        }
        if (!on) {
            DropLinkLocked(true);
            EndWpsLocked();
            m_surveying = false;
            ++m_surveyGeneration;
        }
        m_world.adapter.radioOn = on;
    }
    uint8_t flag = on ? 1 : 0;
    Emit(
        0, [flag](kernel::INotificationReceiver& r) { r.OnWKRadioChanged(flag); },
        u"OnWKRadioChanged " + Dec(flag));
    return on ? u"ok radio on" : u"ok radio off";
}

std::u16string SimKernel::SetInternet(bool reachable) {
    m_log.Add(u"control internet " + std::u16string(reachable ? u"on" : u"off"));
    std::lock_guard lock(m_mutex);
    m_world.internet = reachable;
    if (m_link == Link::Associated && m_hasAddress && m_internetCheck) {
        uint32_t generation = m_linkGeneration;
        m_dispatcher.Post(m_world.timing.internet, [this, generation] { ReportInternet(generation); });
    }
    return reachable ? u"ok internet on" : u"ok internet off";
}

namespace {
Network* FindNetwork(World& world, std::u16string_view name) {
    std::array<uint8_t, 6> mac{};
    if (ParseMac(name, mac)) {
        if (Network* n = FindByBssid(world, mac.data())) {
            return n;
        }
    }
    if (Network* n = FindBySsid(world, name)) {
        return n;
    }
    auto it = std::find_if(world.networks.begin(), world.networks.end(),
                           [&](const Network& n) { return base::EqualsAsciiNoCase(n.label, name); });
    return it == world.networks.end() ? nullptr : &*it;
}
} // namespace

std::u16string SimKernel::SetSignal(std::u16string_view network, uint32_t percent) {
    m_log.Add(u"control signal " + Quote(network) + u" " + Dec(percent));
    if (percent > 100) {
        return u"error: signal must be 0 to 100";
    }
    std::lock_guard lock(m_mutex);
    Network* n = FindNetwork(m_world, network);
    if (n == nullptr) {
        return u"error: no network " + std::u16string(network);
    }
    n->signal = static_cast<uint16_t>(percent);
    if (m_link != Link::Idle && n->bssid == m_linkBssid) {
        if (percent == 0) {
            DropLinkLocked(true);
        } else if (m_link == Link::Associated) {
            uint32_t value = percent;
            Emit(
                0, [value](kernel::INotificationReceiver& r) { r.OnWKLinkNotice(value); },
                u"OnWKLinkNotice " + Dec(value));
        }
    }
    return u"ok signal " + n->ssid + u" " + Dec(percent);
}

std::u16string SimKernel::SetPushButton(std::u16string_view network, bool pressed) {
    m_log.Add(u"control apbutton " + Quote(network) + (pressed ? u" on" : u" off"));
    std::lock_guard lock(m_mutex);
    Network* n = FindNetwork(m_world, network);
    if (n == nullptr) {
        return u"error: no network " + std::u16string(network);
    }
    n->wps.pushButton = pressed;
    if (pressed) {
        n->wps.enabled = true;
    }
    return u"ok apbutton " + n->ssid + (pressed ? u" on" : u" off");
}

std::u16string SimKernel::LoadScenarioFile(std::u16string_view path) {
    m_log.Add(u"control load " + Quote(path));
    std::optional<std::vector<uint8_t>> bytes;
    if (m_services.readFile) {
        bytes = m_services.readFile(path);
    }
    if (!bytes) {
        Note(u"scenario " + Quote(path) + u" cannot be read; the world is unchanged");
        return u"error: cannot read " + std::u16string(path);
    }
    ScenarioResult scenario = LoadScenario(*bytes);
    size_t problems = scenario.problems.size();
    LoadWorld(std::move(scenario));
    return u"ok loaded " + std::u16string(path) + u" (" + Dec(problems) + u" problems, see log)";
}

std::u16string SimKernel::Status() {
    std::lock_guard lock(m_mutex);
    std::u16string s = u"present=" + Dec(m_world.adapter.present) + u" radio=" +
                       Dec(m_world.adapter.radioOn) + u" internet=" + Dec(m_world.internet) + u" receivers=" +
                       Dec(m_receivers.Count());
    Network* n = ConnectedLocked();
    s += u" link=" + std::u16string(m_link == Link::Associated    ? u"associated"
                                    : m_link == Link::Associating ? u"associating"
                                                                  : u"idle");
    if (n != nullptr && m_link != Link::Idle) {
        s += u" ssid=" + Quote(n->ssid);
    }
    s += u" address=" + Dec(m_hasAddress) + u" wps=" +
         std::u16string(m_wps.phase == WpsPhase::Running ? u"running" : u"idle");
    s += u" networks=" + Dec(m_world.networks.size());
    return s;
}

} // namespace skyvane
