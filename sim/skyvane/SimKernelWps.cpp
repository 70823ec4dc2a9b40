// Wi-Fi Protected Setup: push button, adapter PIN and AP PIN, and the adapter's hardware button.
#include <algorithm>
#include <cstring>

#include "base/Text.h"
#include "kernel/BssEntry.h"
#include "kernel/WpsRequest.h"
#include "skyvane/SimKernel.h"

namespace skyvane {

namespace {

constexpr uint32_t kWpsRescanMs = 1000;

uint16_t ModeFlags(const Network& n) {
    bool two = n.radioModes & (kernel::kRadio80211b | kernel::kRadio80211g);
    bool five = n.radioModes & kernel::kRadio80211a;
    if (n.n) {
        return two && five ? kernel::KWL_FLAG_WIRELESS_MODE_AUTO_N
               : five      ? kernel::KWL_FLAG_WIRELESS_MODE_802_11A_N
                           : kernel::KWL_FLAG_WIRELESS_MODE_802_11G_N;
    }
    if (two && five) {
        return kernel::KWL_FLAG_WIRELESS_MODE_AUTO;
    }
    if (five) {
        return kernel::KWL_FLAG_WIRELESS_MODE_802_11A;
    }
    return (n.radioModes & kernel::kRadio80211g) ? kernel::KWL_FLAG_WIRELESS_MODE_802_11G
                                                 : kernel::KWL_FLAG_WIRELESS_MODE_802_11B;
}

} // namespace

kernel::ConnectionBlock SimKernel::ResultFor(const Network& n) const {
    using namespace kernel;
    ConnectionBlock b;
    FillDefaults(b);
    base::CopyToField(b.ssid, n.ssid);
    std::copy(n.bssid.begin(), n.bssid.end(), b.BSSID);
    b.NetworkConnectType = n.networkType;
    b.adHocMode = ModeFlags(n);
    bool two = n.radioModes & (kRadio80211b | kRadio80211g);
    bool five = n.radioModes & kRadio80211a;
    b.band = two && five ? KWL_FLAG_BAND_AUTO : five ? KWL_FLAG_BAND_5G : KWL_FLAG_BAND_2_4G;
    if (n.security == kBssWep) {
        b.securityFlags = kAuthCode2 | kCipherWep;
        b.keyFormat = (n.key.size() == 5 || n.key.size() == 10) ? kKeyWep64 : kKeyWep128;
        b.defaultKey = 0;
        base::CopyToField(b.wepKeys[0], n.key);
    } else if (n.security & (kBssWpaPsk | kBssWpa2Psk)) {
        b.securityFlags = (n.security & kBssWpa2Psk)
                              ? (n.security & kBssWpaPsk ? 0x300008u : kSecurityWpa2PskAes)
                              : kSecurityWpaPskTkip;
        if (!n.passphrase.empty()) {
            b.keyFormat = kKeyPskAscii;
            base::CopyToField(b.psk, n.passphrase);
        } else {
            b.keyFormat = kKeyPskHex;
            base::CopyToField(b.psk, n.pskHex);
        }
    } else {
        b.securityFlags = kSecurityNone;
    }
    return b;
}

void SimKernel::EndWpsLocked() {
    ++m_wps.generation;
    m_wps.phase = WpsPhase::Idle;
    m_wps.hardware = false;
}

int32_t SimKernel::WpsPrepare() {
    m_log.Add(u"WpsPrepare");
    std::lock_guard lock(m_mutex);
    return m_world.adapter.present ? 1 : 0;
}

int32_t SimKernel::WpsStop() {
    m_log.Add(u"WpsStop");
    std::lock_guard lock(m_mutex);
    EndWpsLocked();
    return 1;
}

int32_t SimKernel::WpsStart(kernel::WpsRequest r) {
    m_log.Add(u"WpsStart method=" + Dec(r.method) + u" marker=" + Hex(r.marker, 4) + u" pin=" +
              QuoteField(r.pin, 10) + u" ssid=" + QuoteField(r.ssid, 34) + u" bssid=" + Mac(r.bssid) +
              u" blockValue=" + Dec(r.blockValue) + u" newSsid=" + QuoteField(r.newSsid, 34) +
              u" newSecurity=" + Hex(r.newSecurity) + u" newFlags=" + Hex(r.newFlags) + u" newPassphrase=" +
              QuoteField(r.newPassphrase, 66));
    using namespace kernel;
    if (r.method != kWpsMethodPushButton && r.method != kWpsMethodAdapterPin && r.method != kWpsMethodApPin) {
        Note(u"WpsStart refused: unknown method " + Dec(r.method));
        return 0;
    }
    if (r.method != kWpsMethodPushButton) {
        std::u16string_view pin = base::FieldText(r.pin);
        if (pin.size() != 8 ||
            !std::all_of(pin.begin(), pin.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
            Note(u"WpsStart refused: the PIN is not 8 digits");
            return 0;
        }
        if (!WpsPinCheckDigitValid(pin)) {
            // A registrar refuses such a PIN at once; the log says so, the exchange runs on and fails.
            Note(u"WpsStart PIN " + Quote(pin) + u" has a wrong check digit");
        }
    }
    std::lock_guard lock(m_mutex);
    if (!UsableLocked()) {
        return 0;
    }
    if (m_wps.phase == WpsPhase::Running) {
        Note(u"WpsStart refused: an exchange is already running");
        return 0;
    }
    // The exchange takes the radio: an association in progress ends.
    DropLinkLocked(true);
    ++m_wps.generation;
    m_wps.phase = WpsPhase::Running;
    m_wps.method = r.method;
    m_wps.hardware = false;
    m_wps.request = r;
    m_wps.startTick = TickLocked();
    m_wps.apName.clear();
    m_wps.result.reset();
    m_wps.apList.clear();
    m_wps.deadline = m_dispatcher.Now() + m_world.timing.wpsWalk;
    uint32_t generation = m_wps.generation;
    WpsStep(generation, 0, KWL_WPS_STARTING);
    m_dispatcher.Post(m_world.timing.wpsStep, [this, generation] { WpsScan(generation); });
    return 1;
}

void SimKernel::WpsScan(uint32_t generation) {
    using namespace kernel;
    std::lock_guard lock(m_mutex);
    if (generation != m_wps.generation || m_wps.phase != WpsPhase::Running) {
        return;
    }
    const uint32_t step = m_world.timing.wpsStep;
    WpsStep(generation, 0, KWL_WPS_SCANNING);
    std::vector<const Network*> candidates;
    for (const Network& n : m_world.networks) {
        if (!InRange(n) || !n.wps.enabled || n.networkType != kNetworkInfrastructure) {
            continue;
        }
        if (m_wps.method == kWpsMethodPushButton) {
            if (n.wps.pushButton) {
                candidates.push_back(&n);
            }
        } else {
            bool anyBssid = std::all_of(std::begin(m_wps.request.bssid), std::end(m_wps.request.bssid),
                                        [](uint8_t v) { return v == 0; });
            std::u16string_view ssid = base::FieldText(m_wps.request.ssid);
            bool bssidMatch = !anyBssid && std::equal(n.bssid.begin(), n.bssid.end(), m_wps.request.bssid);
            bool ssidMatch = anyBssid && !ssid.empty() && n.ssid == ssid;
            if (bssidMatch || ssidMatch) {
                candidates.push_back(&n);
            }
        }
    }
    if (candidates.empty()) {
        if (m_dispatcher.Now() + kWpsRescanMs >= m_wps.deadline) {
            // Walk time over: nobody answered.
            uint32_t code = m_wps.method == kWpsMethodPushButton ? KWL_WPS_TIMEOUT : KWL_WPS_NO_AP_FOUND;
            WpsStep(generation, step, code, [this] {
                m_wps.failureCheck = 0;
                EndWpsLocked();
            });
            return;
        }
        m_dispatcher.Post(kWpsRescanMs, [this, generation] { WpsScan(generation); });
        return;
    }
    WpsStep(generation, step, KWL_WPS_SCANNED);
    if (candidates.size() > 1 && m_wps.method == kWpsMethodPushButton) {
        // Two registrars with their buttons pressed: joining either could join an intruder's network.
        std::vector<BssEntry> involved;
        for (const Network* n : candidates) {
            involved.push_back(EntryFor(*n));
        }
        WpsStep(generation, step * 2, KWL_WPS_MANY_APS_IN_PB_MODE, [this, involved] {
            m_wps.apList = involved;
            m_wps.failureCheck = static_cast<int32_t>(involved.size());
            EndWpsLocked();
        });
        return;
    }
    const Network& ap = *candidates.front();
    std::u16string apName = ap.ssid;
    std::u16string bssidText = Mac(ap.bssid.data());
    WpsStep(generation, step * 2, KWL_WPS_ASSOCIATING, [this, apName] { m_wps.apName = apName; });
    WpsStep(generation, step * 3, KWL_WPS_ASSOCIATED);
    m_dispatcher.Post(step * 3, [this, generation, bssidText] { WpsExchange(generation, bssidText); });
}

void SimKernel::WpsExchange(uint32_t generation, std::u16string bssidText) {
    using namespace kernel;
    std::lock_guard lock(m_mutex);
    if (generation != m_wps.generation || m_wps.phase != WpsPhase::Running) {
        return;
    }
    std::array<uint8_t, 6> bssid{};
    ParseMac(bssidText, bssid);
    Network* ap = FindByBssid(m_world, bssid.data());
    const uint32_t step = m_world.timing.wpsStep;
    if (ap == nullptr || !InRange(*ap)) {
        WpsStep(generation, step, KWL_WPS_FAILURE, [this] {
            m_wps.failureCheck = 0;
            EndWpsLocked();
        });
        return;
    }
    WpsStep(generation, step, KWL_WPS_START_PROTOCOL);
    // How far the registrar lets the enrollee get: a wrong AP PIN is found out at M4 (first half of the
    // PIN), an adapter PIN the AP was never given at M2.
    uint32_t lastMessage = 8;
    bool ok = !ap->wps.failExchange;
    if (m_wps.method == kWpsMethodAdapterPin && !ap->wps.acceptsAdapterPin) {
        lastMessage = 2;
        ok = false;
    } else if (m_wps.method == kWpsMethodApPin &&
               (ap->wps.apPin.empty() || ap->wps.apPin != base::FieldText(m_wps.request.pin))) {
        lastMessage = 4;
        ok = false;
    } else if (!ok) {
        lastMessage = 5;
    }
    uint32_t delay = step;
    for (uint32_t m = 1; m <= lastMessage; ++m) {
        delay += step / 2 + 1;
        WpsStep(generation, delay, KWL_WPS_EAP_M1 + (m - 1) * 0x10);
    }
    delay += step;
    BssEntry involved = EntryFor(*ap);
    if (!ok) {
        WpsStep(generation, delay, KWL_WPS_FAILURE, [this, involved = InvolvedAfterFailure(*ap)] {
            m_wps.apList = involved;
            m_wps.failureCheck = 1;
            EndWpsLocked();
        });
        return;
    }
    WpsStep(generation, delay, KWL_WPS_SUCCESS, [this, bssidText, involved] {
        std::array<uint8_t, 6> mac{};
        ParseMac(bssidText, mac);
        Network* target = FindByBssid(m_world, mac.data());
        if (target == nullptr) {
            return;
        }
        if (m_wps.method == kWpsMethodApPin && !target->wps.configured) {
            ConfigureFromRegistrarLocked(*target, bssidText);
        }
        m_wps.result = ResultFor(*target);
        m_wps.failureCheck = 0;
        m_wps.apList = {EntryFor(*target)};
        EndWpsLocked();
    });
}

std::vector<kernel::BssEntry> SimKernel::InvolvedAfterFailure(const Network& ap) {
    if (!ap.wps.involvedGiven) {
        return {EntryFor(ap)};
    }
    std::vector<kernel::BssEntry> involved;
    for (const std::array<uint8_t, 6>& bssid : ap.wps.involved) {
        const Network* named = FindByBssid(m_world, bssid.data());
        if (named != nullptr) {
            involved.push_back(EntryFor(*named));
        } else {
            // An AP outside the scenario's world: only its address is known.
            kernel::BssEntry entry{};
            std::copy(bssid.begin(), bssid.end(), entry.bssid);
            involved.push_back(entry);
        }
    }
    return involved;
}

void SimKernel::ConfigureFromRegistrarLocked(Network& ap, const std::u16string& bssidText) {
    using namespace kernel;
    // As registrar the program hands an unconfigured AP the network it should offer.
    std::u16string_view newSsid = base::FieldText(m_wps.request.newSsid);
    std::u16string_view newPass = base::FieldText(m_wps.request.newPassphrase);
    if (!newSsid.empty() && newSsid.size() <= 32 && newPass.size() >= 8 && newPass.size() <= 63) {
        ap.ssid = std::u16string(newSsid);
        ap.passphrase = std::u16string(newPass);
        ap.pskHex.clear();
        ap.security = (m_wps.request.newSecurity & kAuthWpa2Psk) ? kBssWpa2Psk : kBssWpaPsk;
        ap.wps.configured = true;
        Note(u"AP " + bssidText + u" configured by the registrar as " + Quote(ap.ssid));
    } else {
        Note(u"AP " + bssidText + u" refused the registrar's settings (SSID or passphrase out of range)");
    }
}

int32_t SimKernel::WpsAbort() {
    m_log.Add(u"WpsAbort");
    std::lock_guard lock(m_mutex);
    EndWpsLocked();
    // The caller waits for this code to close its page, also when the exchange had already ended.
    EmitWps(m_world.timing.wpsStep, kernel::KWL_WPS_CANCELLED);
    return 1;
}

uint32_t SimKernel::WpsQuery() {
    m_log.Add(u"WpsQuery");
    std::lock_guard lock(m_mutex);
    return m_wps.phase == WpsPhase::Running ? 1 : 0;
}

uint32_t SimKernel::WpsStartTick() {
    m_log.Add(u"WpsStartTick");
    std::lock_guard lock(m_mutex);
    return m_wps.startTick;
}

int32_t SimKernel::WpsFailureCheck() {
    m_log.Add(u"WpsFailureCheck");
    std::lock_guard lock(m_mutex);
    return m_wps.failureCheck;
}

int32_t SimKernel::WpsGetApName(char16_t* buffer, uint32_t units) {
    m_log.Add(u"WpsGetApName units=" + Dec(units));
    if (buffer == nullptr || units == 0) {
        return 0;
    }
    std::lock_guard lock(m_mutex);
    base::CopyToField(buffer, units, m_wps.apName);
    return m_wps.apName.empty() ? 0 : 1;
}

int32_t SimKernel::WpsGetResult(kernel::ConnectionBlock* block) {
    m_log.Add(u"WpsGetResult");
    if (block == nullptr) {
        return 0;
    }
    std::lock_guard lock(m_mutex);
    if (!m_wps.result) {
        return 0;
    }
    *block = *m_wps.result;
    return 1;
}

int32_t SimKernel::WpsGetApList(kernel::BssEntry* list, uint32_t* count) {
    m_log.Add(u"WpsGetApList count=" + (count ? Dec(*count) : std::u16string(u"null")));
    if (list == nullptr || count == nullptr || *count == 0) {
        return 1;
    }
    std::lock_guard lock(m_mutex);
    uint32_t n = static_cast<uint32_t>(std::min<size_t>(*count, m_wps.apList.size()));
    std::copy_n(m_wps.apList.begin(), n, list);
    *count = n;
    return 0;
}

int32_t SimKernel::WpsGetPin(char16_t* buffer, uint32_t units) {
    m_log.Add(u"WpsGetPin units=" + Dec(units));
    if (buffer == nullptr || units == 0) {
        return 0;
    }
    std::lock_guard lock(m_mutex);
    if (units <= m_world.adapter.pin.size()) {
        buffer[0] = 0;
        return 0;
    }
    base::CopyToField(buffer, units, m_world.adapter.pin);
    return 1;
}

std::u16string SimKernel::HardwareButton(uint32_t agoMs) {
    m_log.Add(agoMs == 0 ? std::u16string(u"control hwbutton") : u"control hwbutton " + Dec(agoMs));
    std::lock_guard lock(m_mutex);
    if (!UsableLocked()) {
        return u"error: no adapter or radio off";
    }
    if (m_wps.phase == WpsPhase::Running) {
        return u"error: an exchange is already running";
    }
    DropLinkLocked(true);
    ++m_wps.generation;
    m_wps.phase = WpsPhase::Running;
    m_wps.method = kernel::kWpsMethodPushButton;
    m_wps.hardware = true;
    m_wps.request = {};
    m_wps.request.method = kernel::kWpsMethodPushButton;
    m_wps.request.marker = 0x80;
    // A press `agoMs` in the past: the start tick and what is left of the walk time say so.
    m_wps.startTick = TickLocked() - agoMs;
    m_wps.apName.clear();
    m_wps.result.reset();
    m_wps.apList.clear();
    m_wps.deadline =
        m_dispatcher.Now() + (agoMs < m_world.timing.wpsWalk ? m_world.timing.wpsWalk - agoMs : 0);
    uint32_t generation = m_wps.generation;
    EmitWps(0, kernel::WPS_ST_HW_BUTTON);
    WpsStep(generation, m_world.timing.wpsStep, kernel::KWL_WPS_STARTING);
    m_dispatcher.Post(m_world.timing.wpsStep * 2, [this, generation] { WpsScan(generation); });
    return u"ok hardware push button pressed";
}

std::u16string SimKernel::HardwareCancel() {
    m_log.Add(u"control hwcancel");
    std::lock_guard lock(m_mutex);
    if (!m_world.adapter.present) {
        return u"error: no adapter";
    }
    bool running = m_wps.phase == WpsPhase::Running;
    EndWpsLocked();
    EmitWps(0, kernel::WPS_ST_HW_CANCEL);
    if (running) {
        EmitWps(m_world.timing.wpsStep, kernel::KWL_WPS_CANCELLED);
        return u"ok exchange cancelled";
    }
    return u"ok cancel reported (no exchange was running)";
}

} // namespace skyvane
