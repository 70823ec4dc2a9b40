// The simulated adapter and the radio world around it: what a scenario file describes and what the
// built-in default world holds when no scenario says otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skyvane {

// How an access point answers WPS.
struct WpsBehaviour {
    bool enabled = false;           // signals WPS in its beacons
    bool pushButton = false;        // its push button is pressed: a push-button exchange finds it
    std::u16string apPin;           // its 8-digit PIN for the AP-PIN method; empty: the method fails
    bool acceptsAdapterPin = false; // the user typed the adapter's PIN into its web page
    bool failExchange = false;      // the exchange runs but ends in KWL_WPS_FAILURE
    bool configured = true;         // an unconfigured AP adopts the settings the registrar sends
    // WpsInvolved: the APs WpsGetApList names after an unsuccessful exchange with this AP (may be none);
    // without the key the AP names itself.
    bool involvedGiven = false;
    std::vector<std::array<uint8_t, 6>> involved;
};

// The check digit of an 8-digit WPS PIN: the first seven digits weigh 3,1,3,1,3,1,3 and the eighth is
// (10 - sum mod 10) mod 10.
inline bool WpsPinCheckDigitValid(std::u16string_view pin) {
    if (pin.size() != 8) {
        return false;
    }
    unsigned sum = 0;
    for (size_t i = 0; i < 8; ++i) {
        if (pin[i] < u'0' || pin[i] > u'9') {
            return false;
        }
    }
    for (size_t i = 0; i < 7; ++i) {
        sum += static_cast<unsigned>(pin[i] - u'0') * (i % 2 == 0 ? 3 : 1);
    }
    return static_cast<unsigned>(pin[7] - u'0') == (10 - sum % 10) % 10;
}

struct Network {
    std::u16string label; // scenario section name, for messages
    std::u16string ssid;
    bool hidden = false; // beacons carry an empty name; connecting by name still works
    std::array<uint8_t, 6> bssid{};
    uint16_t channel = 6;
    uint32_t networkType = 0;  // 0 infrastructure, 1 ad hoc
    uint8_t radioModes = 0x03; // kRadio80211* bits
    bool n = false;            // offers 802.11n
    uint32_t security = 0x1;   // kBss* bits
    std::u16string key;        // WEP key text (5/13 characters or 10/26 hexadecimal digits)
    std::u16string passphrase; // WPA/WPA2 passphrase (8-63 characters)
    std::u16string pskHex;     // WPA/WPA2 64-digit key; derived from the passphrase when empty
    uint16_t signal = 70;      // percent
    bool internet = true;      // the network's gateway reaches the Internet
    std::array<uint8_t, 4> address{};
    std::array<uint8_t, 4> mask{255, 255, 255, 0};
    std::array<uint8_t, 4> gateway{};
    WpsBehaviour wps;
    bool startedByAdapter = false; // an ad-hoc network this adapter started; gone when it leaves
};

struct Adapter {
    bool present = true;
    bool radioOn = true;
    std::array<uint8_t, 6> mac{0x00, 0x1C, 0x7E, 0x5A, 0x77, 0x00};
    std::u16string driverVersion = u"1.0.2.7";
    uint16_t driverYear = 2010;
    uint16_t driverMonth = 3;
    uint16_t driverDay = 18;
    uint32_t interfaceIndex = 11;
    uint32_t regionCode = 16;
    std::u16string name = u"KTVA7700v2 Wireless USB Adapter";
    std::u16string pin = u"12345670";
    uint8_t preambles = 0x83;
    uint16_t fragThresholdMin = 256;
    uint16_t fragThresholdMax = 2346;
    uint16_t rtsThresholdMin = 0;
    uint16_t rtsThresholdMax = 2347;
    bool zeroConfig = false; // Windows zero configuration owns the adapter
};

// Delays in milliseconds.
struct Timing {
    uint32_t scan = 1500;
    uint32_t associate = 400;
    uint32_t address = 800;
    uint32_t internet = 600;
    uint32_t wpsStep = 300;
    uint32_t wpsWalk = 120000; // a push-button exchange that finds no AP gives up after this
    uint32_t link = 5000;      // period of link notices while associated
};

struct World {
    Adapter adapter;
    Timing timing;
    bool internet = true; // the outside world is reachable at all
    std::vector<Network> networks;
};

// Several networks of every security kind and band, one hidden network, one access point with its push
// button pressed, one ad-hoc network. data/Skyvane.ini holds the same world.
World DefaultWorld();

// The first network of that name (exact compare); null when none.
const Network* FindBySsid(const World& world, std::u16string_view ssid);
Network* FindBySsid(World& world, std::u16string_view ssid);
Network* FindByBssid(World& world, const uint8_t bssid[6]);

} // namespace skyvane
