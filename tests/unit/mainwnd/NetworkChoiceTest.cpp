// The two choices the connect worker makes from the survey: the ad-hoc channel and the open network
// for an any-network profile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Text.h"
#include "kernel/BssEntry.h"
#include "kernel/ConnectionBlock.h"
#include "mainwnd/AdHocChannel.h"
#include "mainwnd/AnyNetworkChoice.h"

using namespace mainwnd;

namespace {

kernel::BssEntry Entry(std::u16string_view ssid, uint16_t channel, uint32_t security = kernel::kBssOpen,
                       uint16_t signal = 50, uint32_t type = 0) {
    kernel::BssEntry e{};
    base::CopyToField(e.ssid, ssid);
    e.channel = channel;
    e.security = security;
    e.signal = signal;
    e.networkType = type;
    return e;
}

std::vector<kernel::BssEntry> OnChannels(std::initializer_list<uint16_t> channels) {
    std::vector<kernel::BssEntry> list;
    for (uint16_t c : channels) {
        list.push_back(Entry(u"n", c));
    }
    return list;
}

std::vector<std::u16string> Names(const std::vector<kernel::BssEntry>& entries) {
    std::vector<std::u16string> names;
    for (const auto& e : entries) {
        names.emplace_back(base::FieldText(e.ssid));
    }
    return names;
}

std::vector<uint16_t> Range(uint16_t first, uint16_t last) {
    std::vector<uint16_t> r;
    for (uint16_t c = first; c <= last; ++c) {
        r.push_back(c);
    }
    return r;
}

} // namespace

TEST(AdHocChannel, CandidatesFollowBandAndRegion) {
    EXPECT_EQ(AdHocCandidates(true, 0), (std::vector<uint16_t>{36, 40, 44, 48}));
    EXPECT_EQ(AdHocCandidates(true, kRegionChannels14), (std::vector<uint16_t>{36, 40, 44, 48}))
        << "the region only widens 2.4 GHz";
    EXPECT_EQ(AdHocCandidates(false, 0), Range(1, 11));
    EXPECT_EQ(AdHocCandidates(false, 16), Range(1, 13));
    EXPECT_EQ(AdHocCandidates(false, 2048), Range(1, 14));
    EXPECT_EQ(AdHocCandidates(false, 16 | 2048), Range(1, 11)) << "codes are compared whole";
}

TEST(AdHocChannel, LeastUsedFirstWithTheExchangeSortsOrderForTies) {
    std::vector<uint16_t> four = {36, 40, 44, 48};
    EXPECT_EQ(OrderByUse(four, {}), four) << "nothing in range: the order stands";
    // 36 and 40 once each, 44 free, 48 twice. The swap that brings 44 forward sends 36 behind 40.
    EXPECT_EQ(OrderByUse(four, OnChannels({48, 36, 40, 48, 6})), (std::vector<uint16_t>{44, 40, 36, 48}));
    // Networks on channels that are no candidate count for nothing.
    EXPECT_EQ(OrderByUse(Range(1, 3), OnChannels({1, 1, 2, 14, 36})), (std::vector<uint16_t>{3, 2, 1}));
}

TEST(AdHocChannel, RotationSkipsTheLastCandidateAndStartsOverOnABandSwitch) {
    AdHocChannelRotation rotation;
    std::vector<uint16_t> band5 = {36, 40, 44, 48};
    EXPECT_EQ(rotation.Next(band5, true), 36);
    EXPECT_EQ(rotation.Next(band5, true), 40);
    EXPECT_EQ(rotation.Next(band5, true), 44);
    EXPECT_EQ(rotation.Next(band5, true), 36) << "index 3 + 1 is not below 4: start over";
    EXPECT_EQ(rotation.Next(band5, true), 40);

    std::vector<uint16_t> low = Range(1, 11);
    EXPECT_EQ(rotation.Next(low, false), 1) << "the band kind changed";
    EXPECT_EQ(rotation.Next(low, false), 2);
    EXPECT_EQ(rotation.Next(band5, true), 36) << "and changed back";

    AdHocChannelRotation region14;
    std::vector<uint16_t> wide = Range(1, 14);
    std::vector<uint16_t> taken;
    for (int i = 0; i < 14; ++i) {
        taken.push_back(region14.Next(wide, false));
    }
    std::vector<uint16_t> expected = Range(1, 13);
    expected.push_back(1);
    EXPECT_EQ(taken, expected);
}

TEST(AdHocChannel, RotationWithOneOrNoCandidate) {
    AdHocChannelRotation rotation;
    EXPECT_EQ(rotation.Next({6}, false), 6);
    EXPECT_EQ(rotation.Next({6}, false), 6);
    EXPECT_EQ(rotation.Next({}, false), 0);
}

TEST(AnyNetworkChoice, OnlyOpenAccessPointsStrongestFirst) {
    std::vector<kernel::BssEntry> survey = {
        Entry(u"a", 1, kernel::kBssOpen, 50),
        Entry(u"wep", 1, kernel::kBssWep, 99),
        Entry(u"b", 1, kernel::kBssOpen, 70),
        Entry(u"adhoc", 1, kernel::kBssOpen, 98, kernel::kNetworkAdHoc),
        Entry(u"c", 1, kernel::kBssOpen | kernel::kBssWep, 70),
        Entry(u"wpa2", 1, kernel::kBssWpa2Psk, 97),
        Entry(u"d", 1, kernel::kBssOpen, 90),
    };
    // The exchange sort is not stable: equally strong b and c come out as c, b.
    EXPECT_EQ(Names(OpenNetworksBySignal(survey)), (std::vector<std::u16string>{u"d", u"c", u"b", u"a"}));
    EXPECT_EQ(base::FieldText(ChooseAnyNetwork(survey)->ssid), u"d");
}

TEST(AnyNetworkChoice, TiesAtTheTopGoToTheFirstInSurveyOrder) {
    std::vector<kernel::BssEntry> survey = {Entry(u"weak", 1, 1, 10), Entry(u"first", 1, 1, 80),
                                            Entry(u"second", 1, 1, 80)};
    EXPECT_EQ(base::FieldText(ChooseAnyNetwork(survey)->ssid), u"first");
}

TEST(AnyNetworkChoice, NoneWithoutAnOpenAccessPoint) {
    EXPECT_FALSE(ChooseAnyNetwork({}));
    EXPECT_FALSE(ChooseAnyNetwork({Entry(u"wep", 1, kernel::kBssWep, 90),
                                   Entry(u"adhoc", 1, kernel::kBssOpen, 90, kernel::kNetworkAdHoc)}));
}
