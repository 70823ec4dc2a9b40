// The Statistics page's sampler against an in-memory interface row and a clock that moves only when the
// sampler waits or the test says so.
#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeClock.h"
#include "fakes/FakeInterfaceCounters.h"
#include "networks/TrafficSampler.h"

namespace {

using networks::GraphMode;
using networks::TrafficSample;

constexpr uint32_t kIndex = 12;

platform::InterfaceRow Row(uint32_t txOctets, uint32_t rxOctets) {
    platform::InterfaceRow row;
    row.outOctets = txOctets;
    row.inOctets = rxOctets;
    row.outUnicastPackets = 100;
    row.outNonUnicastPackets = 5;
    row.inUnicastPackets = 200;
    row.inNonUnicastPackets = 7;
    row.physicalAddressLength = 6;
    return row;
}

// Octets in one second for a rate in bits per second.
constexpr uint32_t OctetsPerSecond(uint32_t bitsPerSecond) {
    return bitsPerSecond / 8;
}

class TrafficSamplerTest : public ::testing::Test {
protected:
    TrafficSamplerTest()
        : sampler(counters, clock, {[this] { return present; }, [] { return kIndex; }},
                  [this](TrafficSample sample) { delivered.push_back(sample); }) {}

    // The first sample stores the row; the next one, a sampling period later, measures against it.
    TrafficSample Measure(const platform::InterfaceRow& first, const platform::InterfaceRow& second) {
        counters.SetRow(kIndex, first);
        EXPECT_TRUE(sampler.TakeSample().has_value());
        clock.Advance(networks::kSamplePeriodMs - networks::kSampleSettleMs);
        counters.SetRow(kIndex, second);
        std::optional<TrafficSample> sample = sampler.TakeSample();
        EXPECT_TRUE(sample.has_value());
        return sample.value_or(TrafficSample{});
    }

    fakes::FakeInterfaceCounters counters;
    fakes::FakeClock clock{5000};
    bool present = true;
    std::vector<TrafficSample> delivered;
    networks::TrafficSampler sampler;
};

TEST_F(TrafficSamplerTest, FirstSampleMeasuresOnlyTheSettlingWaitAndShowsTheTotals) {
    platform::InterfaceRow row = Row(40000, 90000);
    row.inDiscards = 1;
    row.inErrors = 2;
    row.inUnknownProtocols = 3;
    row.outErrors = 4;
    row.outDiscards = 5;
    counters.SetRow(kIndex, row);
    std::optional<TrafficSample> sample = sampler.TakeSample();
    ASSERT_TRUE(sample.has_value());
    EXPECT_EQ(clock.TotalSlept(), networks::kSampleSettleMs);
    EXPECT_FALSE(sample->zeroed);
    EXPECT_EQ(sample->txRate, u"0.00");
    EXPECT_EQ(sample->rxRate, u"0.00");
    EXPECT_EQ(sample->txPerSecond, 0u);
    EXPECT_EQ(sample->rxPerSecond, 0u);
    EXPECT_EQ(sample->totalTx, 105u);
    EXPECT_EQ(sample->totalRx, 207u);
    EXPECT_EQ(sample->rxErrors, 6u);
    EXPECT_EQ(sample->txErrors, 9u);
    // A quiet interval still gives the graph a value: it drops to one step above the bottom.
    EXPECT_EQ(sample->graphValue, 1u);
}

TEST_F(TrafficSamplerTest, RatesAndPacketsPerIntervalAgainstThePreviousSample) {
    platform::InterfaceRow second =
        Row(40000 + OctetsPerSecond(2'000'000), 90000 + OctetsPerSecond(12'345'000));
    second.outUnicastPackets += 30;
    second.inNonUnicastPackets += 4;
    TrafficSample sample = Measure(Row(40000, 90000), second);
    EXPECT_EQ(sample.txRate, u"2.00");
    EXPECT_EQ(sample.rxRate, u"12.35");
    EXPECT_EQ(sample.txPerSecond, 30u);
    EXPECT_EQ(sample.rxPerSecond, 4u);
    EXPECT_EQ(sample.totalTx, 135u);
    EXPECT_EQ(sample.totalRx, 211u);
}

TEST_F(TrafficSamplerTest, LoadPerModeAndItsLimits) {
    struct Case {
        GraphMode mode;
        uint32_t txBits;
        uint32_t rxBits;
        int bar;
        int percent;
        std::u16string text;
    };
    const Case cases[] = {
        {GraphMode::Transmit, 13'500'000, 27'000'000, 50, 50, u"50%"},
        {GraphMode::Receive, 27'000'000, 13'500'000, 50, 50, u"50%"},
        {GraphMode::Total, 13'500'000, 13'500'000, 50, 50, u"50%"},
        {GraphMode::Transmit, 40'000'000, 0, 148, 100, u"100%"},
        {GraphMode::None, 40'000'000, 40'000'000, 0, 0, u"0%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        sampler.Forget();
        sampler.SetMode(c.mode);
        TrafficSample sample =
            Measure(Row(1000, 1000), Row(1000 + OctetsPerSecond(c.txBits), 1000 + OctetsPerSecond(c.rxBits)));
        EXPECT_EQ(sample.bar, c.bar);
        EXPECT_EQ(sample.percent, c.percent);
        EXPECT_EQ(networks::PercentText(sample.percent), c.text);
        EXPECT_EQ(sample.graphValue, static_cast<uint32_t>(c.bar + 1));
    }
}

TEST_F(TrafficSamplerTest, AnUnreadableRowZeroesEverythingAndStartsAfresh) {
    Measure(Row(1000, 1000), Row(1000 + OctetsPerSecond(8'000'000), 1000));
    counters.RemoveRow(kIndex);
    std::optional<TrafficSample> zeroes = sampler.TakeSample();
    ASSERT_TRUE(zeroes.has_value());
    EXPECT_TRUE(zeroes->zeroed);
    EXPECT_EQ(zeroes->txRate, u"0.00");
    EXPECT_EQ(zeroes->totalTx, 0u);
    EXPECT_EQ(zeroes->bar, 0);
    EXPECT_EQ(zeroes->graphValue, 0u);
    // The row comes back much later: measured from scratch, not against the reading before the gap.
    clock.Advance(60000);
    counters.SetRow(kIndex, Row(1000 + OctetsPerSecond(80'000'000), 1000));
    std::optional<TrafficSample> again = sampler.TakeSample();
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->txRate, u"0.00");
}

TEST_F(TrafficSamplerTest, NothingWithoutAnEthernetAddressOrWithoutTheAdapter) {
    platform::InterfaceRow row = Row(1000, 1000);
    row.physicalAddressLength = 0;
    counters.SetRow(kIndex, row);
    EXPECT_FALSE(sampler.TakeSample().has_value());
    EXPECT_EQ(clock.TotalSlept(), 0u);

    present = false;
    counters.SetRow(kIndex, Row(1000, 1000));
    int reads = counters.Reads();
    EXPECT_EQ(sampler.Step(), networks::kSamplePeriodMs);
    EXPECT_EQ(counters.Reads(), reads);
    EXPECT_TRUE(delivered.empty());

    present = true;
    sampler.Step();
    EXPECT_EQ(delivered.size(), 1u);
}

TEST_F(TrafficSamplerTest, ACounterThatWentBackGivesNoRateForThatInterval) {
    // Octets: a wrap or a restart of the interface.
    TrafficSample octets = Measure(Row(4'000'000'000u, 3000), Row(2000, 3000 + OctetsPerSecond(8'000'000)));
    EXPECT_EQ(octets.txRate, u"0.00");
    EXPECT_EQ(octets.rxRate, u"8.00");

    // Packets: a restart must not show a negative packet rate.
    sampler.Forget();
    platform::InterfaceRow before = Row(1000, 1000);
    before.outUnicastPackets = 50000;
    platform::InterfaceRow after = Row(2000, 2000);
    after.outUnicastPackets = 10;
    TrafficSample packets = Measure(before, after);
    EXPECT_EQ(packets.txPerSecond, 0u);
    EXPECT_EQ(packets.totalTx, 15u);
}

TEST_F(TrafficSamplerTest, TotalsBeyondTwoToTheThirtyOneStayPositive) {
    platform::InterfaceRow row = Row(1000, 1000);
    row.outUnicastPackets = 3'000'000'000u;
    row.outNonUnicastPackets = 2'000'000'000u;
    row.inUnicastPackets = 2'500'000'000u;
    row.inNonUnicastPackets = 0;
    counters.SetRow(kIndex, row);
    std::optional<TrafficSample> sample = sampler.TakeSample();
    ASSERT_TRUE(sample.has_value());
    EXPECT_EQ(sample->totalTx, 5'000'000'000u);
    EXPECT_EQ(sample->totalRx, 2'500'000'000u);
}

TEST_F(TrafficSamplerTest, ATickCountThatWentBackGivesRatesOfZeroAndAWrapMeasuresOn) {
    counters.SetRow(kIndex, Row(1000, 1000));
    sampler.TakeSample();
    clock.Advance(0u - 5000u); // five seconds back
    counters.SetRow(kIndex, Row(1000 + OctetsPerSecond(8'000'000), 1000));
    std::optional<TrafficSample> back = sampler.TakeSample();
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->txRate, u"0.00");
    EXPECT_EQ(back->graphValue, 1u);

    // The tick count wraps after 49.7 days: the interval across it is still a second.
    fakes::FakeClock late(0xFFFFFE00u);
    networks::TrafficSampler wrapping(counters, late, {nullptr, [] { return kIndex; }}, nullptr);
    counters.SetRow(kIndex, Row(1000, 1000));
    wrapping.TakeSample();
    late.Advance(networks::kSamplePeriodMs - networks::kSampleSettleMs);
    counters.SetRow(kIndex, Row(1000 + OctetsPerSecond(8'000'000), 1000));
    std::optional<TrafficSample> wrapped = wrapping.TakeSample();
    ASSERT_TRUE(wrapped.has_value());
    EXPECT_EQ(wrapped->txRate, u"8.00");
}

TEST(SampleMailbox, KeepsOrderAndOnlyTheNewestWhenNobodyTakes) {
    networks::SampleMailbox mailbox;
    for (int i = 0; i < static_cast<int>(networks::SampleMailbox::kLimit) + 10; ++i) {
        TrafficSample sample;
        sample.bar = i;
        mailbox.Put(sample);
    }
    std::vector<TrafficSample> taken = mailbox.TakeAll();
    ASSERT_EQ(taken.size(), networks::SampleMailbox::kLimit);
    EXPECT_EQ(taken.front().bar, 10);
    EXPECT_EQ(taken.back().bar, static_cast<int>(networks::SampleMailbox::kLimit) + 9);
    EXPECT_TRUE(mailbox.TakeAll().empty());
}

} // namespace
