#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "base/Text.h"
#include "kernel/BssEntry.h"
#include "skyvane/Scenario.h"

namespace skyvane {
namespace {

std::string Narrow(std::u16string_view s) {
    return base::NarrowForLog(s);
}

std::string AllProblems(const ScenarioResult& r) {
    std::string all;
    for (const auto& p : r.problems) {
        all += Narrow(p) + "\n";
    }
    return all;
}

TEST(ScenarioTest, ShippedScenarioIsTheBuiltInWorldWithoutProblems) {
    std::ifstream file(KT_SOURCE_DIR "/data/Skyvane.ini", std::ios::binary);
    ASSERT_TRUE(file.good());
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ScenarioResult r = LoadScenario(bytes);
    EXPECT_TRUE(r.problems.empty()) << AllProblems(r);
    World builtIn = DefaultWorld();
    ASSERT_EQ(r.world.networks.size(), builtIn.networks.size());
    for (size_t i = 0; i < builtIn.networks.size(); ++i) {
        const Network& a = r.world.networks[i];
        const Network& b = builtIn.networks[i];
        SCOPED_TRACE(Narrow(b.ssid));
        EXPECT_EQ(a.ssid, b.ssid);
        EXPECT_EQ(a.hidden, b.hidden);
        EXPECT_EQ(a.bssid, b.bssid);
        EXPECT_EQ(a.channel, b.channel);
        EXPECT_EQ(a.networkType, b.networkType);
        EXPECT_EQ(a.radioModes, b.radioModes);
        EXPECT_EQ(a.n, b.n);
        EXPECT_EQ(a.security, b.security);
        EXPECT_EQ(a.key, b.key);
        EXPECT_EQ(a.passphrase, b.passphrase);
        EXPECT_EQ(a.signal, b.signal);
        EXPECT_EQ(a.internet, b.internet);
        EXPECT_EQ(a.address, b.address);
        EXPECT_EQ(a.mask, b.mask);
        EXPECT_EQ(a.gateway, b.gateway);
        EXPECT_EQ(a.wps.enabled, b.wps.enabled);
        EXPECT_EQ(a.wps.pushButton, b.wps.pushButton);
        EXPECT_EQ(a.wps.apPin, b.wps.apPin);
        EXPECT_EQ(a.wps.acceptsAdapterPin, b.wps.acceptsAdapterPin);
    }
    EXPECT_EQ(r.world.adapter.mac, builtIn.adapter.mac);
    EXPECT_EQ(r.world.adapter.pin, builtIn.adapter.pin);
    EXPECT_EQ(r.world.adapter.driverYear, builtIn.adapter.driverYear);
    EXPECT_EQ(r.world.timing.scan, builtIn.timing.scan);
}

TEST(ScenarioTest, BuiltInWorldHasEveryKindTheUtilityMeets) {
    World w = DefaultWorld();
    int pushButtons = 0, hidden = 0, adHoc = 0, fiveGhz = 0, twoGhz = 0;
    uint32_t securities = 0;
    for (const Network& n : w.networks) {
        pushButtons += n.wps.pushButton;
        hidden += n.hidden;
        adHoc += n.networkType == 1;
        fiveGhz += (n.radioModes & kernel::kRadio80211a) != 0;
        twoGhz += (n.radioModes & (kernel::kRadio80211b | kernel::kRadio80211g)) != 0;
        securities |= n.security;
    }
    EXPECT_EQ(pushButtons, 1) << "exactly one: two would be an overlap";
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(adHoc, 1);
    EXPECT_GE(fiveGhz, 2);
    EXPECT_GE(twoGhz, 2);
    for (uint32_t bit : {kernel::kBssOpen, kernel::kBssWep, kernel::kBssWpaPsk, kernel::kBssWpa2Psk,
                         kernel::kBssWpa2Radius}) {
        EXPECT_NE(securities & bit, 0u) << std::hex << bit;
    }
}

TEST(ScenarioTest, BadValuesAreNamedAndTheBuiltInValuesStand) {
    ScenarioResult r = LoadScenarioText(u"[Adapter]\nMAC=00:11:22\nDriverDate=2010-13-01\nPIN=1234\n"
                                        u"FragThresholdMin=3000\n"
                                        u"[Net]\nChannel=abc\nSignal=101\nSecurity=Tunnel\nKey=123\n"
                                        u"Passphrase=short\nColour=blue\n"
                                        u"garbage line\n"
                                        u"[World]\nScanDelay=-5\n");
    std::string all = AllProblems(r);
    for (const char* expected :
         {"[Adapter] MAC=00:11:22", "[Adapter] DriverDate=2010-13-01", "[Adapter] PIN=1234",
          "FragThresholdMin is above", "[Net] Channel=abc", "[Net] Signal=101", "[Net] Security=Tunnel",
          "[Net] Key=123", "[Net] Passphrase=short", "[Net] Colour: unknown key", "line 13",
          "[World] ScanDelay=-5"}) {
        EXPECT_NE(all.find(expected), std::string::npos) << expected << " missing in\n" << all;
    }
    Adapter builtIn;
    EXPECT_EQ(r.world.adapter.mac, builtIn.mac);
    EXPECT_EQ(r.world.adapter.pin, builtIn.pin);
    EXPECT_EQ(r.world.adapter.driverMonth, builtIn.driverMonth);
    EXPECT_EQ(r.world.adapter.fragThresholdMin, builtIn.fragThresholdMin);
    EXPECT_EQ(r.world.adapter.fragThresholdMax, builtIn.fragThresholdMax);
    ASSERT_EQ(r.world.networks.size(), 1u);
    EXPECT_EQ(r.world.networks[0].ssid, u"Net") << "the section name is the SSID when none is given";
    EXPECT_EQ(r.world.networks[0].channel, 6);
    EXPECT_EQ(r.world.networks[0].signal, 70);
    EXPECT_EQ(r.world.timing.scan, Timing{}.scan);
}

TEST(ScenarioTest, NetworksOnlyReplaceTheBuiltInOnesWhenTheScenarioHasSome) {
    EXPECT_EQ(LoadScenarioText(u"[Adapter]\nPresent=0\n").world.networks.size(),
              DefaultWorld().networks.size());
    EXPECT_TRUE(LoadScenarioText(u"[World]\nBuiltInNetworks=0\n").world.networks.empty());
    ScenarioResult twice = LoadScenarioText(u"[A]\nBSSID=00:11:22:33:44:55\n[B]\nBSSID=00-11-22-33-44-55\n");
    EXPECT_EQ(twice.world.networks.size(), 1u) << "a second network with the same BSSID is dropped";
    EXPECT_NE(AllProblems(twice).find("[B]: BSSID already used"), std::string::npos);
}

TEST(ScenarioTest, ModesAndTypeAlsoTakeNumbersDeliveredAsTheyAre) {
    ScenarioResult r = LoadScenarioText(u"[None]\nBSSID=00:11:22:33:44:01\nModes=0x00\n"
                                        u"[Odd]\nBSSID=00:11:22:33:44:02\nType=2\nModes=5\n"
                                        u"[Big]\nBSSID=00:11:22:33:44:03\nModes=0x100\n");
    ASSERT_EQ(r.world.networks.size(), 3u);
    EXPECT_EQ(r.world.networks[0].radioModes, 0x00);
    EXPECT_EQ(r.world.networks[1].networkType, 2u);
    EXPECT_EQ(r.world.networks[1].radioModes, 0x05);
    EXPECT_NE(AllProblems(r).find("[Big] Modes=0x100"), std::string::npos) << "a byte cannot hold it";
}

TEST(ScenarioTest, EncodingsAndQuotesAreRead) {
    const char16_t text[] =
        u"[Caf\u00e9]\nSSID=\"Caf\u00e9 Lounge\"\nSecurity=wpa2-psk\nPassphrase=\"  spaced  \"\n";
    std::vector<uint8_t> utf16 = {0xFF, 0xFE};
    for (char16_t c : std::u16string_view(text)) {
        utf16.push_back(static_cast<uint8_t>(c & 0xFF));
        utf16.push_back(static_cast<uint8_t>(c >> 8));
    }
    ScenarioResult r = LoadScenario(utf16);
    ASSERT_EQ(r.world.networks.size(), 1u) << AllProblems(r);
    EXPECT_EQ(r.world.networks[0].ssid, u"Caf\u00e9 Lounge");
    EXPECT_EQ(r.world.networks[0].security, kernel::kBssWpa2Psk);
    EXPECT_EQ(r.world.networks[0].passphrase, u"  spaced  ");
    // Windows-1252 bytes that are not UTF-8.
    std::string ansi = "[N]\nSSID=Caf\xe9\n";
    ScenarioResult r2 = LoadScenario(std::vector<uint8_t>(ansi.begin(), ansi.end()));
    ASSERT_EQ(r2.world.networks.size(), 1u);
    EXPECT_EQ(r2.world.networks[0].ssid, u"Caf\u00e9");
}

TEST(ScenarioTest, ValueParsers) {
    std::array<uint8_t, 4> ip{};
    EXPECT_TRUE(ParseIpv4(u"192.168.1.20", ip));
    EXPECT_EQ(ip, (std::array<uint8_t, 4>{192, 168, 1, 20}));
    for (auto bad : {u"1.2.3", u"1.2.3.256", u"1..2.3", u"1.2.3.4.5", u"a.b.c.d"}) {
        EXPECT_FALSE(ParseIpv4(bad, ip)) << Narrow(bad);
    }
    uint32_t n = 7;
    EXPECT_TRUE(ParseUnsigned(u"0x1F", 100, n));
    EXPECT_EQ(n, 31u);
    EXPECT_FALSE(ParseUnsigned(u"4294967296", 0xFFFFFFFF, n));
    EXPECT_FALSE(ParseUnsigned(u"", 10, n));
    EXPECT_EQ(n, 31u) << "a failed parse leaves the value";
    EXPECT_EQ(SecurityName(kernel::kBssWpaPsk | kernel::kBssWpa2Psk), u"WPA-PSK/WPA2-PSK");
}

} // namespace
} // namespace skyvane
