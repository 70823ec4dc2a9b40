#include "skyvane/Scenario.h"

#include <algorithm>
#include <functional>
#include <map>

#include "base/Encoding.h"
#include "base/Text.h"
#include "kernel/BssEntry.h"

namespace skyvane {

namespace {

struct Entry {
    std::u16string key;
    std::u16string value;
    int line = 0;
};

struct Section {
    std::u16string name;
    std::vector<Entry> entries;
};

std::u16string Decode(std::span<const uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        return base::Utf16LeToUtf16(bytes.subspan(2));
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        return base::Utf16BeToUtf16(bytes.subspan(2));
    }
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        return base::Utf8ToUtf16(bytes.subspan(3));
    }
    std::u16string utf8 = base::Utf8ToUtf16(bytes);
    if (utf8.find(u'\xFFFD') == std::u16string::npos) {
        return utf8;
    }
    return base::Windows1252ToUtf16(bytes);
}

std::vector<Section> Split(std::u16string_view text, std::vector<std::u16string>& problems) {
    std::vector<Section> sections;
    int lineNumber = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find(u'\n', pos);
        if (end == std::u16string_view::npos) {
            end = text.size();
        }
        std::u16string_view line = base::Trim(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == u';' || line[0] == u'#') {
            continue;
        }
        if (line[0] == u'[') {
            size_t close = line.find(u']');
            if (close == std::u16string_view::npos) {
                problems.push_back(u"scenario line " + base::Widen(std::to_string(lineNumber)) +
                                   u": section header without ']'");
                continue;
            }
            sections.push_back({std::u16string(base::Trim(line.substr(1, close - 1))), {}});
            continue;
        }
        size_t eq = line.find(u'=');
        if (eq == std::u16string_view::npos || sections.empty()) {
            problems.push_back(u"scenario line " + base::Widen(std::to_string(lineNumber)) +
                               u": not a key=value line inside a section");
            continue;
        }
        std::u16string_view value = base::Trim(line.substr(eq + 1));
        if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"') {
            value = value.substr(1, value.size() - 2);
        }
        sections.back().entries.push_back(
            {std::u16string(base::Trim(line.substr(0, eq))), std::u16string(value), lineNumber});
    }
    return sections;
}

// Applies one section's keys through a table of setters; unknown keys and bad values become problems.
using Setter = std::function<bool(std::u16string_view)>;

void Apply(const Section& section, const std::map<std::u16string, Setter>& setters,
           std::vector<std::u16string>& problems) {
    for (const Entry& e : section.entries) {
        auto it = std::find_if(setters.begin(), setters.end(),
                               [&](const auto& s) { return base::EqualsAsciiNoCase(s.first, e.key); });
        if (it == setters.end()) {
            problems.push_back(u"scenario [" + section.name + u"] " + e.key + u": unknown key, ignored");
        } else if (!it->second(e.value)) {
            problems.push_back(u"scenario [" + section.name + u"] " + e.key + u"=" + e.value +
                               u": bad value, built-in value used");
        }
    }
}

Setter Uint(uint32_t& target, uint32_t maxValue) {
    return [&target, maxValue](std::u16string_view v) { return ParseUnsigned(v, maxValue, target); };
}

Setter Uint16(uint16_t& target, uint32_t maxValue) {
    return [&target, maxValue](std::u16string_view v) {
        uint32_t n = 0;
        if (!ParseUnsigned(v, maxValue, n)) {
            return false;
        }
        target = static_cast<uint16_t>(n);
        return true;
    };
}

Setter Switch(bool& target) {
    return [&target](std::u16string_view v) { return ParseSwitch(v, target); };
}

Setter Text(std::u16string& target, size_t maxUnits) {
    return [&target, maxUnits](std::u16string_view v) {
        if (v.size() > maxUnits) {
            return false;
        }
        target = std::u16string(v);
        return true;
    };
}

bool IsDigits(std::u16string_view v) {
    return std::all_of(v.begin(), v.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

bool IsHex(std::u16string_view v) {
    return std::all_of(v.begin(), v.end(), [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

bool ParseDate(std::u16string_view v, Adapter& a) {
    // YYYY-MM-DD
    if (v.size() != 10 || v[4] != u'-' || v[7] != u'-') {
        return false;
    }
    uint32_t y = 0, m = 0, d = 0;
    if (!ParseUnsigned(v.substr(0, 4), 9999, y) || !ParseUnsigned(v.substr(5, 2), 12, m) ||
        !ParseUnsigned(v.substr(8, 2), 31, d) || m == 0 || d == 0) {
        return false;
    }
    a.driverYear = static_cast<uint16_t>(y);
    a.driverMonth = static_cast<uint16_t>(m);
    a.driverDay = static_cast<uint16_t>(d);
    return true;
}

void LoadAdapter(const Section& s, Adapter& a, std::vector<std::u16string>& problems) {
    std::map<std::u16string, Setter> setters{
        {u"Present", Switch(a.present)},
        {u"Radio", Switch(a.radioOn)},
        {u"MAC", [&](std::u16string_view v) { return ParseMac(v, a.mac); }},
        {u"DriverVersion", Text(a.driverVersion, 31)},
        {u"DriverDate", [&](std::u16string_view v) { return ParseDate(v, a); }},
        {u"InterfaceIndex", Uint(a.interfaceIndex, 0xFFFFFFFF)},
        {u"RegionCode", Uint(a.regionCode, 0xFFFFFFFF)},
        {u"Name", Text(a.name, 127)},
        {u"PIN",
         [&](std::u16string_view v) {
             if (v.size() != 8 || !IsDigits(v)) {
                 return false;
             }
             a.pin = std::u16string(v);
             return true;
         }},
        {u"Preambles",
         [&](std::u16string_view v) {
             uint32_t n = 0;
             if (!ParseUnsigned(v, 0xFF, n)) {
                 return false;
             }
             a.preambles = static_cast<uint8_t>(n);
             return true;
         }},
        {u"FragThresholdMin", Uint16(a.fragThresholdMin, 0xFFFF)},
        {u"FragThresholdMax", Uint16(a.fragThresholdMax, 0xFFFF)},
        {u"RTSThresholdMin", Uint16(a.rtsThresholdMin, 0xFFFF)},
        {u"RTSThresholdMax", Uint16(a.rtsThresholdMax, 0xFFFF)},
        {u"ZeroConfig", Switch(a.zeroConfig)},
    };
    Apply(s, setters, problems);
    if (a.fragThresholdMin > a.fragThresholdMax) {
        problems.push_back(
            u"scenario [Adapter] FragThresholdMin is above FragThresholdMax, built-in range used");
        a.fragThresholdMin = Adapter{}.fragThresholdMin;
        a.fragThresholdMax = Adapter{}.fragThresholdMax;
    }
    if (a.rtsThresholdMin > a.rtsThresholdMax) {
        problems.push_back(
            u"scenario [Adapter] RTSThresholdMin is above RTSThresholdMax, built-in range used");
        a.rtsThresholdMin = Adapter{}.rtsThresholdMin;
        a.rtsThresholdMax = Adapter{}.rtsThresholdMax;
    }
}

void LoadWorldSection(const Section& s, World& w, bool& builtInNetworks,
                      std::vector<std::u16string>& problems) {
    std::map<std::u16string, Setter> setters{
        {u"Internet", Switch(w.internet)},
        {u"ScanDelay", Uint(w.timing.scan, 600000)},
        {u"AssociateDelay", Uint(w.timing.associate, 600000)},
        {u"AddressDelay", Uint(w.timing.address, 600000)},
        {u"InternetDelay", Uint(w.timing.internet, 600000)},
        {u"WpsStepDelay", Uint(w.timing.wpsStep, 60000)},
        {u"WpsWalkTime", Uint(w.timing.wpsWalk, 600000)},
        {u"LinkPeriod",
         [&](std::u16string_view v) {
             uint32_t n = 0;
             if (!ParseUnsigned(v, 600000, n) || (n != 0 && n < 100)) {
                 return false;
             }
             w.timing.link = n;
             return true;
         }},
        {u"BuiltInNetworks", Switch(builtInNetworks)},
    };
    Apply(s, setters, problems);
}

Network LoadNetwork(const Section& s, size_t index, std::vector<std::u16string>& problems) {
    Network n;
    n.label = s.name;
    n.ssid = s.name.substr(0, 32);
    uint8_t i = static_cast<uint8_t>(index + 1);
    n.bssid = {0x00, 0x24, 0xB2, 0x5C, 0x00, i};
    n.address = {192, 168, static_cast<uint8_t>(100 + (i % 100)), 100};
    n.gateway = {192, 168, static_cast<uint8_t>(100 + (i % 100)), 1};
    std::map<std::u16string, Setter> setters{
        {u"SSID", Text(n.ssid, 32)},
        {u"Hidden", Switch(n.hidden)},
        {u"BSSID", [&](std::u16string_view v) { return ParseMac(v, n.bssid); }},
        {u"Channel",
         [&](std::u16string_view v) {
             uint32_t c = 0;
             if (!ParseUnsigned(v, 196, c) || c == 0) {
                 return false;
             }
             n.channel = static_cast<uint16_t>(c);
             return true;
         }},
        {u"Type",
         [&](std::u16string_view v) {
             uint32_t number = 0;
             if (base::EqualsAsciiNoCase(v, u"Infrastructure")) {
                 n.networkType = 0;
             } else if (base::EqualsAsciiNoCase(v, u"AdHoc") || base::EqualsAsciiNoCase(v, u"Ad-Hoc")) {
                 n.networkType = 1;
             } else if (ParseUnsigned(v, 0xFFFFFFFF, number)) {
                 n.networkType = number; // delivered as it is, also a type no service should report
             } else {
                 return false;
             }
             return true;
         }},
        {u"Modes",
         [&](std::u16string_view v) {
             uint32_t number = 0;
             if (!v.empty() && v[0] >= u'0' && v[0] <= u'9' && ParseUnsigned(v, 0xFF, number)) {
                 n.radioModes = static_cast<uint8_t>(number); // the byte as it is, 0 included
                 return true;
             }
             uint8_t modes = 0;
             bool htMode = false;
             for (char16_t c : v) {
                 switch (base::AsciiLower(c)) {
                 case u'b':
                     modes |= kernel::kRadio80211b;
                     break;
                 case u'g':
                     modes |= kernel::kRadio80211g;
                     break;
                 case u'a':
                     modes |= kernel::kRadio80211a;
                     break;
                 case u'n':
                     htMode = true;
                     break;
                 case u',':
                 case u' ':
                 case u'/':
                     break;
                 default:
                     return false;
                 }
             }
             if (modes == 0) {
                 return false;
             }
             n.radioModes = modes;
             n.n = htMode;
             return true;
         }},
        {u"Security", [&](std::u16string_view v) { return ParseSecurity(v, n.security); }},
        {u"Key",
         [&](std::u16string_view v) {
             bool ok = v.size() == 5 || v.size() == 13 || ((v.size() == 10 || v.size() == 26) && IsHex(v));
             if (ok) {
                 n.key = std::u16string(v);
             }
             return ok;
         }},
        {u"Passphrase",
         [&](std::u16string_view v) {
             if (v.size() < 8 || v.size() > 63) {
                 return false;
             }
             n.passphrase = std::u16string(v);
             return true;
         }},
        {u"PSK",
         [&](std::u16string_view v) {
             if (v.size() != 64 || !IsHex(v)) {
                 return false;
             }
             n.pskHex = std::u16string(v);
             return true;
         }},
        {u"Signal", Uint16(n.signal, 100)},
        {u"Internet", Switch(n.internet)},
        {u"Address", [&](std::u16string_view v) { return ParseIpv4(v, n.address); }},
        {u"Mask", [&](std::u16string_view v) { return ParseIpv4(v, n.mask); }},
        {u"Gateway", [&](std::u16string_view v) { return ParseIpv4(v, n.gateway); }},
        {u"WPS", Switch(n.wps.enabled)},
        {u"PushButton", Switch(n.wps.pushButton)},
        {u"APPin",
         [&](std::u16string_view v) {
             if (v.size() != 8 || !IsDigits(v)) {
                 return false;
             }
             n.wps.apPin = std::u16string(v);
             if (!WpsPinCheckDigitValid(v)) {
                 problems.push_back(u"scenario [" + s.name + u"] APPin=" + std::u16string(v) +
                                    u": wrong check digit, a program that checks PINs refuses it");
             }
             return true;
         }},
        {u"WpsInvolved",
         [&](std::u16string_view v) {
             std::vector<std::array<uint8_t, 6>> involved;
             v = base::Trim(v);
             while (!v.empty()) {
                 const size_t comma = v.find(u',');
                 std::array<uint8_t, 6> mac{};
                 if (!ParseMac(v.substr(0, comma), mac)) {
                     return false;
                 }
                 involved.push_back(mac);
                 if (comma == std::u16string_view::npos) {
                     break;
                 }
                 v = base::Trim(v.substr(comma + 1));
                 if (v.empty()) {
                     return false; // a trailing comma names no AP
                 }
             }
             n.wps.involvedGiven = true;
             n.wps.involved = std::move(involved);
             return true;
         }},
        {u"AcceptAdapterPin", Switch(n.wps.acceptsAdapterPin)},
        {u"WpsFail", Switch(n.wps.failExchange)},
        {u"Configured", Switch(n.wps.configured)},
    };
    Apply(s, setters, problems);
    // A push button or PIN only works on an AP that speaks WPS.
    if (n.wps.pushButton || !n.wps.apPin.empty() || n.wps.acceptsAdapterPin) {
        n.wps.enabled = true;
    }
    if (n.security == kernel::kBssWep && n.key.empty()) {
        problems.push_back(u"scenario [" + s.name + u"]: WEP network without Key, nobody can join it");
    }
    if ((n.security & (kernel::kBssWpaPsk | kernel::kBssWpa2Psk)) && n.passphrase.empty() &&
        n.pskHex.empty()) {
        problems.push_back(u"scenario [" + s.name +
                           u"]: WPA network without Passphrase or PSK, nobody can join it");
    }
    return n;
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    c = base::AsciiLower(c);
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

} // namespace

bool ParseUnsigned(std::u16string_view text, uint32_t maxValue, uint32_t& out) {
    text = base::Trim(text);
    unsigned base = 10;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        base = 16;
        text = text.substr(2);
    }
    if (text.empty() || text.size() > 10) {
        return false;
    }
    uint64_t value = 0;
    for (char16_t c : text) {
        int d = HexDigit(c);
        if (d < 0 || static_cast<unsigned>(d) >= base) {
            return false;
        }
        value = value * base + static_cast<unsigned>(d);
    }
    if (value > maxValue) {
        return false;
    }
    out = static_cast<uint32_t>(value);
    return true;
}

bool ParseSwitch(std::u16string_view text, bool& out) {
    text = base::Trim(text);
    for (auto yes : {u"1", u"yes", u"true", u"on"}) {
        if (base::EqualsAsciiNoCase(text, yes)) {
            out = true;
            return true;
        }
    }
    for (auto no : {u"0", u"no", u"false", u"off"}) {
        if (base::EqualsAsciiNoCase(text, no)) {
            out = false;
            return true;
        }
    }
    return false;
}

bool ParseMac(std::u16string_view text, std::array<uint8_t, 6>& out) {
    text = base::Trim(text);
    if (text.size() != 17) {
        return false;
    }
    std::array<uint8_t, 6> mac{};
    for (size_t i = 0; i < 6; ++i) {
        int hi = HexDigit(text[i * 3]);
        int lo = HexDigit(text[i * 3 + 1]);
        if (hi < 0 || lo < 0 || (i < 5 && text[i * 3 + 2] != u':' && text[i * 3 + 2] != u'-')) {
            return false;
        }
        mac[i] = static_cast<uint8_t>(hi * 16 + lo);
    }
    out = mac;
    return true;
}

bool ParseIpv4(std::u16string_view text, std::array<uint8_t, 4>& out) {
    text = base::Trim(text);
    std::array<uint8_t, 4> ip{};
    for (size_t i = 0; i < 4; ++i) {
        size_t dot = i < 3 ? text.find(u'.') : text.size();
        if (dot == std::u16string_view::npos) {
            return false;
        }
        uint32_t part = 0;
        std::u16string_view piece = text.substr(0, dot);
        if (piece.empty() || piece.size() > 3 || !IsDigits(piece) || !ParseUnsigned(piece, 255, part)) {
            return false;
        }
        ip[i] = static_cast<uint8_t>(part);
        text = i < 3 ? text.substr(dot + 1) : std::u16string_view();
    }
    out = ip;
    return true;
}

namespace {
struct SecurityNameEntry {
    const char16_t* name;
    uint32_t flags;
};
constexpr SecurityNameEntry kSecurityNames[] = {
    {u"None", kernel::kBssOpen},
    {u"WEP", kernel::kBssWep},
    {u"WPA-PSK/WPA2-PSK", kernel::kBssWpaPsk | kernel::kBssWpa2Psk},
    {u"WPA-PSK", kernel::kBssWpaPsk},
    {u"WPA2-PSK", kernel::kBssWpa2Psk},
    {u"WPA-Radius/WPA2-Radius", kernel::kBssWpaRadius | kernel::kBssWpa2Radius},
    {u"WPA-Radius", kernel::kBssWpaRadius},
    {u"WPA2-Radius", kernel::kBssWpa2Radius},
};
} // namespace

bool ParseSecurity(std::u16string_view text, uint32_t& out) {
    text = base::Trim(text);
    for (const auto& e : kSecurityNames) {
        if (base::EqualsAsciiNoCase(text, e.name)) {
            out = e.flags;
            return true;
        }
    }
    return ParseUnsigned(text, 0xFFFFFFFF, out);
}

std::u16string SecurityName(uint32_t security) {
    for (const auto& e : kSecurityNames) {
        if (security == e.flags) {
            return e.name;
        }
    }
    return base::Widen(std::to_string(security));
}

ScenarioResult LoadScenarioText(std::u16string_view text) {
    ScenarioResult result;
    result.world = DefaultWorld();
    std::vector<Section> sections = Split(text, result.problems);
    bool builtInNetworks = true;
    bool sawNetwork = false;
    std::vector<Network> networks;
    for (const Section& s : sections) {
        if (base::EqualsAsciiNoCase(s.name, u"Adapter")) {
            LoadAdapter(s, result.world.adapter, result.problems);
        } else if (base::EqualsAsciiNoCase(s.name, u"World")) {
            LoadWorldSection(s, result.world, builtInNetworks, result.problems);
        } else {
            sawNetwork = true;
            Network n = LoadNetwork(s, networks.size(), result.problems);
            bool duplicate = std::any_of(networks.begin(), networks.end(),
                                         [&](const Network& o) { return o.bssid == n.bssid; });
            if (duplicate) {
                result.problems.push_back(u"scenario [" + s.name +
                                          u"]: BSSID already used by another network, section ignored");
                continue;
            }
            networks.push_back(std::move(n));
        }
    }
    // A scenario without networks keeps the built-in ones unless it asks for an empty sky.
    if (sawNetwork || !builtInNetworks) {
        result.world.networks = std::move(networks);
    }
    return result;
}

ScenarioResult LoadScenario(std::span<const uint8_t> bytes) {
    return LoadScenarioText(Decode(bytes));
}

} // namespace skyvane
