// What the control pipe does to the world: the adapter pulled and plugged, the radio, the Internet,
// signals, access-point buttons and scenarios. The adapter's WPS button lives with the rest of WPS.
#include <algorithm>

#include "base/Text.h"
#include "skyvane/SimKernel.h"

namespace skyvane {

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

std::u16string SimKernel::Survey() {
    m_log.Add(u"control survey");
    std::lock_guard lock(m_mutex);
    if (!UsableLocked()) {
        return u"error no adapter with its radio on";
    }
    // The service looks around on its own, as after an arrival: survey begun, then surveyed.
    BeginSurveyLocked();
    return u"ok survey started";
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
