#include "BenchWorld.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "base/Text.h"

namespace benchworld {
namespace {

// A fixed linear congruential sequence: the same world on every run and every compiler.
class Sequence {
public:
    uint32_t Next(uint32_t bound) {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % bound;
    }

private:
    uint32_t m_state = 0x7A11u;
};

struct SecurityKind {
    uint32_t flags;
    const char16_t* name;
};
constexpr std::array<SecurityKind, 8> kSecurities{{
    {kernel::kBssOpen, u"None"},
    {kernel::kBssWep, u"WEP"},
    {kernel::kBssWpaPsk, u"WPA-PSK"},
    {kernel::kBssWpa2Psk, u"WPA2-PSK"},
    {kernel::kBssWpaPsk | kernel::kBssWpa2Psk, u"WPA-PSK/WPA2-PSK"},
    {kernel::kBssWpaRadius, u"WPA-Radius"},
    {kernel::kBssWpa2Radius, u"WPA2-Radius"},
    {kernel::kBssWpaRadius | kernel::kBssWpa2Radius, u"WPA-Radius/WPA2-Radius"},
}};

// Radio modes in scenario letters; the byte and the 802.11n flag follow from them.
constexpr std::array<const char16_t*, 7> kModes{u"bg", u"bgn", u"a", u"an", u"b", u"g", u"abgn"};

constexpr std::array<const char16_t*, 6> kNamePrefixes{u"Home", u"cafe",  u"Orvelin_",
                                                       u"lab",  u"Guest", u"_x"};

constexpr uint16_t kChannels24[] = {1, 6, 11, 3, 9, 13};
constexpr uint16_t kChannels5[] = {36, 44, 100, 149, 165, 52};

uint8_t ModeByte(std::u16string_view letters) {
    uint8_t modes = 0;
    for (char16_t c : letters) {
        modes |= c == u'b'   ? kernel::kRadio80211b
                 : c == u'g' ? kernel::kRadio80211g
                 : c == u'a' ? kernel::kRadio80211a
                             : 0;
    }
    return modes;
}

std::u16string Hex2(uint8_t value) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", value);
    return base::Widen(text);
}

std::u16string Dec(uint32_t value) {
    return base::Widen(std::to_string(value));
}

std::u16string ModeLetters(const WorldNetwork& n) {
    std::u16string letters;
    if (n.radioModes & kernel::kRadio80211a) {
        letters += u'a';
    }
    if (n.radioModes & kernel::kRadio80211b) {
        letters += u'b';
    }
    if (n.radioModes & kernel::kRadio80211g) {
        letters += u'g';
    }
    if (n.n) {
        letters += u'n';
    }
    return letters;
}

const char16_t* SecurityName(uint32_t flags) {
    for (const SecurityKind& kind : kSecurities) {
        if (kind.flags == flags) {
            return kind.name;
        }
    }
    return u"None";
}

} // namespace

std::vector<WorldNetwork> Networks() {
    Sequence random;
    std::vector<WorldNetwork> world;
    for (size_t i = 0; i < kWorldNetworks; ++i) {
        WorldNetwork n;
        n.section = u"Bench" + Dec(static_cast<uint32_t>(i));
        // Shuffled numbers so that names, like every other key, arrive out of order.
        n.ssid = std::u16string(kNamePrefixes[random.Next(kNamePrefixes.size())]) + Dec(random.Next(1000));
        n.hidden = i % 16 == 7;
        // Byte 4 is the index, so no two addresses are the same; the others spread over 0..255 so that
        // the address key meets "%02d" texts of two and of three digits.
        n.bssid[0] = 0x02;
        n.bssid[1] = static_cast<uint8_t>(random.Next(256));
        n.bssid[2] = static_cast<uint8_t>(random.Next(256));
        n.bssid[3] = static_cast<uint8_t>(random.Next(256));
        n.bssid[4] = static_cast<uint8_t>(i);
        n.bssid[5] = static_cast<uint8_t>(random.Next(256));
        std::u16string_view modes = kModes[random.Next(kModes.size())];
        n.networkType = i % 8 == 5 ? 1 : 0;
        if (n.networkType == 1) {
            modes = i % 16 == 5 ? u"b" : u"a"; // ad-hoc networks run without 802.11n
        }
        n.radioModes = ModeByte(modes);
        n.n = modes.find(u'n') != std::u16string_view::npos;
        n.channel = (n.radioModes & (kernel::kRadio80211b | kernel::kRadio80211g)) != 0
                        ? kChannels24[random.Next(std::size(kChannels24))]
                        : kChannels5[random.Next(std::size(kChannels5))];
        n.security = kSecurities[random.Next(kSecurities.size())].flags;
        if (n.networkType == 1 && (n.security & ~(kernel::kBssOpen | kernel::kBssWep)) != 0) {
            n.security = kernel::kBssWep; // ad-hoc networks offer only open or WEP
        }
        n.wps = n.networkType == 0 && random.Next(5) == 0;
        n.signal = static_cast<uint16_t>(1 + random.Next(100));
        world.push_back(std::move(n));
    }
    return world;
}

kernel::BssEntry EntryOf(const WorldNetwork& n) {
    kernel::BssEntry e{};
    if (!n.hidden) {
        base::CopyToField(e.ssid, n.ssid);
    }
    std::copy(std::begin(n.bssid), std::end(n.bssid), e.bssid);
    e.channel = n.channel;
    e.networkType = n.networkType;
    e.radioModes = n.radioModes;
    e.security = n.security;
    e.capabilities = (n.n ? kernel::kCap80211n : 0u) | (n.wps ? kernel::kCapWps : 0u);
    e.signal = n.signal;
    return e;
}

std::vector<kernel::BssEntry> Delivered(size_t room) {
    std::vector<kernel::BssEntry> entries;
    for (const WorldNetwork& n : Networks()) {
        if (entries.size() == room) {
            break;
        }
        entries.push_back(EntryOf(n));
    }
    return entries;
}

std::u16string ScenarioText(uint32_t scanDelayMs) {
    std::u16string text =
        u"[World]\r\nScanDelay=" + Dec(scanDelayMs) +
        u"\r\nLinkPeriod=0\r\nBuiltInNetworks=0\r\n\r\n[Adapter]\r\nPresent=1\r\nRadio=1\r\n";
    for (const WorldNetwork& n : Networks()) {
        text += u"\r\n[" + n.section + u"]\r\nSSID=" + n.ssid + u"\r\n";
        if (n.hidden) {
            text += u"Hidden=1\r\n";
        }
        text += u"BSSID=";
        for (size_t b = 0; b < 6; ++b) {
            if (b > 0) {
                text += u':';
            }
            text += Hex2(n.bssid[b]);
        }
        text += u"\r\nChannel=" + Dec(n.channel) + u"\r\nType=" +
                (n.networkType == 1 ? u"AdHoc" : u"Infrastructure") + u"\r\nModes=" + ModeLetters(n) +
                u"\r\nSecurity=" + SecurityName(n.security) + u"\r\n";
        if (n.security == kernel::kBssWep) {
            text += u"Key=abcde\r\n";
        } else if (n.security & (kernel::kBssWpaPsk | kernel::kBssWpa2Psk)) {
            text += u"Passphrase=benchpass1\r\n";
        }
        text += u"Signal=" + Dec(n.signal) + u"\r\nWPS=" + (n.wps ? u"1" : u"0") + u"\r\n";
    }
    return text;
}

} // namespace benchworld
