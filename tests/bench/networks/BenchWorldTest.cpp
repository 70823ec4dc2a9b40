// The benchmarks' world holds what it promises, in both of its forms: the scenario file the stand-in
// reads gives, network for network, the entries the native benchmark uses, and the 64 networks a survey
// delivers exercise every filter mode and sort key rather than a list already in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "BenchWorld.h"
#include "base/Encoding.h"
#include "networks/NetworkRules.h"
#include "skyvane/Scenario.h"

namespace {

// How the stand-in turns a scenario network into what a survey reports.
kernel::BssEntry AsSurveyed(const skyvane::Network& n) {
    kernel::BssEntry e{};
    if (!n.hidden) {
        std::copy_n(n.ssid.data(), std::min<size_t>(n.ssid.size(), 33), e.ssid);
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

} // namespace

TEST(BenchWorld, TheScenarioFileGivesTheSameNetworksAsTheEntries) {
    skyvane::ScenarioResult loaded = skyvane::LoadScenarioText(benchworld::ScenarioText(250));
    for (const std::u16string& problem : loaded.problems) {
        ADD_FAILURE() << base::Utf16ToUtf8(problem);
    }
    EXPECT_EQ(loaded.world.timing.scan, 250u);
    EXPECT_TRUE(loaded.world.adapter.present && loaded.world.adapter.radioOn);
    const std::vector<benchworld::WorldNetwork> world = benchworld::Networks();
    ASSERT_EQ(world.size(), benchworld::kWorldNetworks);
    ASSERT_EQ(loaded.world.networks.size(), world.size()) << "no built-in network may join in";
    for (size_t i = 0; i < world.size(); ++i) {
        kernel::BssEntry expected = benchworld::EntryOf(world[i]);
        kernel::BssEntry surveyed = AsSurveyed(loaded.world.networks[i]);
        EXPECT_EQ(std::memcmp(&expected, &surveyed, sizeof expected), 0)
            << "network " << i << " (" << base::Utf16ToUtf8(world[i].ssid) << ") differs";
        EXPECT_NE(world[i].signal, 0) << "network " << i << " would be out of range";
    }
}

TEST(BenchWorld, TheDeliveredNetworksMeetEveryFilterAndSortKey) {
    const std::vector<kernel::BssEntry> delivered = benchworld::Delivered(64);
    ASSERT_EQ(delivered.size(), 64u);
    EXPECT_EQ(benchworld::Delivered(1000).size(), benchworld::kWorldNetworks);

    std::set<uint32_t> securities;
    std::set<uint32_t> types;
    bool hidden = false;
    bool shortByte = false;
    bool longByte = false;
    for (const kernel::BssEntry& e : delivered) {
        securities.insert(e.security);
        types.insert(e.networkType);
        hidden = hidden || e.ssid[0] == u'\0';
        for (uint8_t b : e.bssid) {
            shortByte = shortByte || b < 10;
            longByte = longByte || b > 99;
        }
    }
    EXPECT_EQ(securities.size(), 8u);
    EXPECT_EQ(types, (std::set<uint32_t>{0, 1}));
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(shortByte && longByte) << "the address key needs texts of two and three digits";

    for (int mode = 1; mode <= 2; ++mode) {
        std::vector<kernel::BssEntry> kept = delivered;
        networks::FilterByBand(kept, mode);
        EXPECT_GT(kept.size(), 8u) << "band mode " << mode;
        EXPECT_LT(kept.size(), delivered.size()) << "band mode " << mode << " filters nothing";
    }
    auto sameOrder = [](const std::vector<kernel::BssEntry>& a, const std::vector<kernel::BssEntry>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](const auto& x, const auto& y) { return std::memcmp(&x, &y, sizeof x) == 0; });
    };
    for (int key = 0; key < networks::kSortKeyCount; ++key) {
        for (int order = 0; order <= 1; ++order) {
            std::vector<kernel::BssEntry> sorted = delivered;
            networks::SortEntries(sorted, key, order);
            EXPECT_FALSE(sameOrder(sorted, delivered))
                << "key " << key << " order " << order << " sorts nothing";
        }
    }
}
