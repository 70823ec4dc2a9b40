#include "skyvane/World.h"

#include <algorithm>

#include "kernel/BssEntry.h"

namespace skyvane {

namespace {

Network Make(std::u16string ssid, uint8_t lastMac, uint16_t channel, uint8_t modes, uint32_t security,
             uint16_t signal, uint8_t subnet) {
    Network n;
    n.label = ssid;
    n.ssid = std::move(ssid);
    n.bssid = {0x00, 0x24, 0xB2, 0x10, 0x20, lastMac};
    n.channel = channel;
    n.radioModes = modes;
    n.security = security;
    n.signal = signal;
    n.address = {192, 168, subnet, 100};
    n.gateway = {192, 168, subnet, 1};
    return n;
}

} // namespace

World DefaultWorld() {
    using namespace kernel;
    World w;
    const uint8_t bg = kRadio80211b | kRadio80211g;

    Network home = Make(u"HomeNet", 0x01, 6, bg, kBssWpa2Psk, 88, 1);
    home.n = true;
    home.passphrase = u"sunflower42";
    home.address = {192, 168, 1, 20};
    home.wps.enabled = true;
    home.wps.apPin = u"87654325";
    home.wps.acceptsAdapterPin = true;
    w.networks.push_back(home);

    Network lab = Make(u"Orvelin_Lab", 0x02, 1, bg, kBssWpaPsk, 64, 2);
    lab.passphrase = u"labpass123";
    w.networks.push_back(lab);

    Network cafe = Make(u"Cafe_Guest", 0x03, 11, bg, kBssOpen, 45, 3);
    w.networks.push_back(cafe);

    Network old = Make(u"OldRouter", 0x04, 3, kRadio80211b, kBssWep, 52, 4);
    old.key = u"1A2B3C4D5E";
    w.networks.push_back(old);

    Network warehouse = Make(u"Warehouse", 0x05, 149, kRadio80211a, kBssWep, 38, 5);
    warehouse.key = u"Warehouse2010";
    w.networks.push_back(warehouse);

    Network office = Make(u"Office5G", 0x06, 36, kRadio80211a, kBssWpa2Psk, 71, 6);
    office.n = true;
    office.passphrase = u"fivegigs!";
    w.networks.push_back(office);

    Network mixed = Make(u"MixedMode", 0x07, 9, bg, kBssWpaPsk | kBssWpa2Psk, 58, 7);
    mixed.n = true;
    mixed.passphrase = u"mixedmode";
    w.networks.push_back(mixed);

    Network corp = Make(u"CorpSecure", 0x08, 44, kRadio80211a, kBssWpa2Radius, 40, 8);
    w.networks.push_back(corp);

    Network hidden = Make(u"StealthNet", 0x09, 4, bg, kBssWpa2Psk, 60, 9);
    hidden.hidden = true;
    hidden.passphrase = u"hiddenpass";
    w.networks.push_back(hidden);

    Network press = Make(u"PressMe", 0x0A, 6, bg, kBssWpa2Psk, 80, 10);
    press.n = true;
    press.passphrase = u"pushbutton1";
    press.wps.enabled = true;
    press.wps.pushButton = true;
    w.networks.push_back(press);

    Network peer = Make(u"PeerLink", 0x0B, 10, kRadio80211b, kBssOpen, 35, 11);
    peer.networkType = 1;
    peer.bssid = {0x02, 0x1C, 0x7E, 0x00, 0x00, 0x0B};
    peer.internet = false;
    peer.address = {169, 254, 11, 100};
    peer.mask = {255, 255, 0, 0};
    peer.gateway = {0, 0, 0, 0};
    w.networks.push_back(peer);
    return w;
}

const Network* FindBySsid(const World& world, std::u16string_view ssid) {
    auto it = std::find_if(world.networks.begin(), world.networks.end(),
                           [&](const Network& n) { return n.ssid == ssid; });
    return it == world.networks.end() ? nullptr : &*it;
}

Network* FindBySsid(World& world, std::u16string_view ssid) {
    return const_cast<Network*>(FindBySsid(static_cast<const World&>(world), ssid));
}

Network* FindByBssid(World& world, const uint8_t bssid[6]) {
    auto it = std::find_if(world.networks.begin(), world.networks.end(), [&](const Network& n) {
        return std::equal(n.bssid.begin(), n.bssid.end(), bssid);
    });
    return it == world.networks.end() ? nullptr : &*it;
}

} // namespace skyvane
