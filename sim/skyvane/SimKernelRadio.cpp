// Surveys, association, address and Internet reachability.
#include <algorithm>
#include <cstring>

#include "base/Text.h"
#include "kernel/BssEntry.h"
#include "skyvane/KeyMatch.h"
#include "skyvane/SimKernel.h"

namespace skyvane {

kernel::BssEntry SimKernel::EntryFor(const Network& n) const {
    kernel::BssEntry e{};
    if (!n.hidden) {
        base::CopyToField(e.ssid, n.ssid);
    }
    std::copy(n.bssid.begin(), n.bssid.end(), e.bssid);
    e.channel = n.channel;
    e.networkType = n.networkType;
    e.radioModes = n.radioModes;
    e.security = n.security;
    e.capabilities = (n.n ? kernel::kCap80211n : 0u) | (n.wps.enabled ? kernel::kCapWps : 0u);
    e.signal = n.signal;
    return e;
}

std::vector<kernel::BssEntry> SimKernel::SurveyLocked() const {
    std::vector<kernel::BssEntry> list;
    if (!UsableLocked()) {
        return list;
    }
    for (const Network& n : m_world.networks) {
        if (InRange(n) && !n.startedByAdapter) {
            list.push_back(EntryFor(n));
        }
    }
    return list;
}

Network* SimKernel::ConnectedLocked() {
    if (m_link == Link::Idle) {
        return nullptr;
    }
    return FindByBssid(m_world, m_linkBssid.data());
}

bool SimKernel::InternetLocked() const {
    const Network* n = const_cast<SimKernel*>(this)->ConnectedLocked();
    return m_world.internet && n != nullptr && n->internet && m_link == Link::Associated && m_hasAddress;
}

void SimKernel::BeginSurveyLocked() {
    if (m_surveying) {
        return;
    }
    m_surveying = true;
    uint32_t generation = ++m_surveyGeneration;
    Emit(
        0, [](kernel::INotificationReceiver& r) { r.OnWKSiteSurveyBegun(); }, u"OnWKSiteSurveyBegun");
    m_dispatcher.Post(m_world.timing.scan, [this, generation] { FinishSurvey(generation); });
}

void SimKernel::FinishSurvey(uint32_t generation) {
    {
        std::lock_guard lock(m_mutex);
        if (generation != m_surveyGeneration || !m_surveying) {
            return;
        }
        m_surveying = false;
        m_lastSurvey = SurveyLocked();
    }
    Emit(
        0, [](kernel::INotificationReceiver& r) { r.OnWKSiteSurveyed(); }, u"OnWKSiteSurveyed");
}

int32_t SimKernel::StartSiteSurvey(uint32_t reserved) {
    m_log.Add(u"StartSiteSurvey " + Dec(reserved));
    std::lock_guard lock(m_mutex);
    if (!m_world.adapter.present) {
        return 0;
    }
    if (!m_world.adapter.radioOn) {
        // Nothing to hear, but the caller still waits for the end of its survey.
        Emit(
            0, [](kernel::INotificationReceiver& r) { r.OnWKSiteSurveyBegun(); }, u"OnWKSiteSurveyBegun");
        m_lastSurvey.clear();
        Emit(
            0, [](kernel::INotificationReceiver& r) { r.OnWKSiteSurveyed(); }, u"OnWKSiteSurveyed");
        return 1;
    }
    BeginSurveyLocked();
    return 1;
}

int32_t SimKernel::GetNetWorkList(kernel::BssEntry* list, uint32_t* count) {
    m_log.Add(u"GetNetWorkList count=" + (count ? Dec(*count) : std::u16string(u"null")));
    if (list == nullptr || count == nullptr || *count == 0) {
        if (count != nullptr) {
            *count = 0;
        }
        return 0;
    }
    std::lock_guard lock(m_mutex);
    uint32_t n = static_cast<uint32_t>(std::min<size_t>(*count, m_lastSurvey.size()));
    std::copy_n(m_lastSurvey.begin(), n, list);
    *count = n;
    return 1;
}

int32_t SimKernel::ConnectWithBlock(const kernel::ConnectionBlock* block) {
    if (block == nullptr) {
        m_log.Add(u"ConnectWithBlock null");
        return 0;
    }
    const kernel::ConnectionBlock& b = *block;
    m_log.Add(u"ConnectWithBlock ssid=" + QuoteField(b.ssid, kernel::kSsidUnits) + u" bssid=" + Mac(b.BSSID) +
              u" channel=" + Dec(b.adHocChannel) + u" type=" + Dec(b.NetworkConnectType) + u" mode=" +
              Hex(b.adHocMode, 4) + u" band=" + Hex(b.band, 4) + u" security=" + Hex(b.securityFlags) +
              u" keyFormat=" + Hex(b.keyFormat) + u" psk=" + QuoteField(b.psk, kernel::kPskUnits) +
              u" defaultKey=" + Dec(b.defaultKey) + u" wep1=" +
              QuoteField(b.wepKeys[0], kernel::kWepKeyUnits) + u" wep2=" +
              QuoteField(b.wepKeys[1], kernel::kWepKeyUnits) + u" wep3=" +
              QuoteField(b.wepKeys[2], kernel::kWepKeyUnits) + u" wep4=" +
              QuoteField(b.wepKeys[3], kernel::kWepKeyUnits) + u" power=" + Hex(b.transmitPower, 4) +
              u" preamble=" + Hex(b.preamble, 4) + u" frag=" + Dec(b.FragThreshold) + u" rts=" +
              Dec(b.RTSThreshold));
    std::lock_guard lock(m_mutex);
    if (!UsableLocked()) {
        return 0;
    }
    DropLinkLocked(true);
    uint32_t generation = ++m_linkGeneration;
    m_link = Link::Associating;
    m_linkBssid = {};
    m_dispatcher.Post(m_world.timing.associate, [this, generation, b] { FinishAssociate(generation, b); });
    return 1;
}

void SimKernel::FinishAssociate(uint32_t generation, kernel::ConnectionBlock block) {
    std::unique_lock lock(m_mutex);
    if (generation != m_linkGeneration || m_link != Link::Associating) {
        return;
    }
    std::u16string_view ssid = base::FieldText(block.ssid);
    bool anyBssid =
        std::all_of(std::begin(block.BSSID), std::end(block.BSSID), [](uint8_t v) { return v == 0; });
    const Network* chosen = nullptr;
    bool sameNameInRange = false;
    std::u16string tried;
    for (const Network& n : m_world.networks) {
        // Without a name only networks that announce theirs can be found.
        if (!InRange(n) || (ssid.empty() && n.hidden) || (!ssid.empty() && n.ssid != ssid) ||
            (!anyBssid && !std::equal(n.bssid.begin(), n.bssid.end(), block.BSSID))) {
            continue;
        }
        sameNameInRange = sameNameInRange || !ssid.empty();
        JoinResult r = Judge(block, n);
        tried += u" " + Quote(n.ssid) + u":" + JoinResultName(r);
        // With no name given, any network that accepts the block will do; the strongest wins.
        if (r == JoinResult::Joined && (chosen == nullptr || n.signal > chosen->signal)) {
            chosen = &n;
        }
    }
    if (chosen == nullptr && block.NetworkConnectType == kernel::kNetworkAdHoc && !ssid.empty() &&
        !sameNameInRange && anyBssid) {
        // Nobody offers this ad-hoc network yet: the adapter starts it and waits for peers.
        chosen = StartAdHocLocked(block);
    }
    if (chosen == nullptr) {
        m_link = Link::Idle;
        lock.unlock();
        Note(u"association with " + Quote(ssid) + u" failed:" +
             (tried.empty() ? u" no such network in range" : tried));
        Emit(
            0, [](kernel::INotificationReceiver& r) { r.OnWKAdapterChanged(); }, u"OnWKAdapterChanged");
        return;
    }
    m_link = Link::Associated;
    m_linkBssid = chosen->bssid;
    m_hasAddress = false;
    m_internetReported = false;
    uint32_t signal = chosen->signal;
    Note(u"associated with " + Quote(chosen->ssid) + u" " + Mac(chosen->bssid.data()));
    Emit(
        0, [](kernel::INotificationReceiver& r) { r.OnWKAssociationChanged(); }, u"OnWKAssociationChanged");
    Emit(
        0, [signal](kernel::INotificationReceiver& r) { r.OnWKLinkNotice(signal); },
        u"OnWKLinkNotice " + Dec(signal));
    m_dispatcher.Post(m_world.timing.address, [this, generation] { AssignAddress(generation); });
    if (m_world.timing.link != 0) {
        m_dispatcher.Post(m_world.timing.link, [this, generation] { LinkTick(generation); });
    }
}

const Network* SimKernel::StartAdHocLocked(const kernel::ConnectionBlock& block) {
    using namespace kernel;
    Network n;
    n.ssid = std::u16string(base::FieldText(block.ssid));
    n.label = n.ssid;
    n.networkType = kNetworkAdHoc;
    // A locally administered address made from the adapter's own.
    n.bssid = m_world.adapter.mac;
    n.bssid[0] = static_cast<uint8_t>((n.bssid[0] | 0x02) & 0xFE);
    n.bssid[5] = static_cast<uint8_t>(n.bssid[5] ^ 0xA5);
    while (FindByBssid(m_world, n.bssid.data()) != nullptr) {
        ++n.bssid[4];
    }
    bool fiveGhz = block.band == KWL_FLAG_BAND_5G || (block.adHocMode & KWL_FLAG_WIRELESS_MODE_802_11A);
    n.channel = block.adHocChannel != 0 ? block.adHocChannel : static_cast<uint16_t>(fiveGhz ? 36 : 11);
    n.radioModes = fiveGhz
                       ? kRadio80211a
                       : (block.adHocMode == KWL_FLAG_WIRELESS_MODE_802_11B ? kRadio80211b
                                                                            : kRadio80211b | kRadio80211g);
    n.signal = 100;
    n.startedByAdapter = true;
    n.internet = false;
    n.address = {169, 254, m_world.adapter.mac[4],
                 m_world.adapter.mac[5] == 0 ? uint8_t{1} : m_world.adapter.mac[5]};
    n.mask = {255, 255, 0, 0};
    n.gateway = {0, 0, 0, 0};
    const uint32_t cipher = block.securityFlags & 0xFFFF;
    if (cipher == kCipherWep && block.defaultKey <= 3) {
        n.security = kBssWep;
        n.key = std::u16string(base::FieldText(block.wepKeys[block.defaultKey]));
    } else if (cipher & (kCipherTkip | kCipherAes)) {
        n.security = (block.securityFlags & kAuthWpa2Psk) ? kBssWpa2Psk : kBssWpaPsk;
        std::u16string_view psk = base::FieldText(block.psk);
        if (block.keyFormat & kKeyPskHex) {
            n.pskHex = std::u16string(psk);
        } else {
            n.passphrase = std::u16string(psk);
        }
    } else {
        n.security = kBssOpen;
    }
    // Only a network the block itself could join is started; a key of the wrong form starts nothing.
    if (Judge(block, n) != JoinResult::Joined) {
        return nullptr;
    }
    Note(u"ad-hoc network " + Quote(n.ssid) + u" started on channel " + Dec(n.channel));
    m_world.networks.push_back(std::move(n));
    return &m_world.networks.back();
}

void SimKernel::AssignAddress(uint32_t generation) {
    std::lock_guard lock(m_mutex);
    if (generation != m_linkGeneration || m_link != Link::Associated) {
        return;
    }
    m_hasAddress = true;
    Emit(
        0, [](kernel::INotificationReceiver& r) { r.OnWKAddressChanged(); }, u"OnWKAddressChanged");
    if (m_internetCheck) {
        m_dispatcher.Post(m_world.timing.internet, [this, generation] { ReportInternet(generation); });
    }
}

void SimKernel::ReportInternet(uint32_t generation) {
    std::lock_guard lock(m_mutex);
    if (generation != m_linkGeneration || !m_internetCheck) {
        return;
    }
    bool reachable = InternetLocked();
    // Only changes are news; a network without a way out is reported once as unreachable.
    if (reachable == m_internetReported) {
        return;
    }
    m_internetReported = reachable;
    uint8_t flag = reachable ? 1 : 0;
    Emit(
        0, [flag](kernel::INotificationReceiver& r) { r.OnWKInternetChanged(flag); },
        u"OnWKInternetChanged " + Dec(flag));
}

void SimKernel::LinkTick(uint32_t generation) {
    std::lock_guard lock(m_mutex);
    if (generation != m_linkGeneration || m_link != Link::Associated) {
        return;
    }
    Network* n = ConnectedLocked();
    if (n != nullptr) {
        uint32_t signal = n->signal;
        Emit(
            0, [signal](kernel::INotificationReceiver& r) { r.OnWKLinkNotice(signal); },
            u"OnWKLinkNotice " + Dec(signal));
    }
    m_dispatcher.Post(m_world.timing.link, [this, generation] { LinkTick(generation); });
}

void SimKernel::DropLinkLocked(bool notify) {
    bool wasAssociated = m_link == Link::Associated;
    bool hadInternet = m_internetReported;
    std::erase_if(m_world.networks,
                  [&](const Network& n) { return n.startedByAdapter && n.bssid == m_linkBssid; });
    ++m_linkGeneration;
    m_link = Link::Idle;
    m_linkBssid = {};
    m_hasAddress = false;
    m_internetReported = false;
    if (!notify || !wasAssociated) {
        return;
    }
    Emit(
        0, [](kernel::INotificationReceiver& r) { r.OnWKAssociationChanged(); }, u"OnWKAssociationChanged");
    Emit(
        0, [](kernel::INotificationReceiver& r) { r.OnWKAddressChanged(); }, u"OnWKAddressChanged");
    if (hadInternet && m_internetCheck) {
        Emit(
            0, [](kernel::INotificationReceiver& r) { r.OnWKInternetChanged(0); }, u"OnWKInternetChanged 0");
    }
}

int32_t SimKernel::Disconnect() {
    m_log.Add(u"Disconnect");
    std::lock_guard lock(m_mutex);
    if (!m_world.adapter.present) {
        return 0;
    }
    DropLinkLocked(true);
    return 1;
}

} // namespace skyvane
