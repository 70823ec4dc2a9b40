// The main-window benchmark's inputs and arithmetic: a wrong figure here would print a plausible but
// false comparison, which nothing else would notice.
#include "BenchFigures.h"

#include <gtest/gtest.h>

namespace {

TEST(BenchOptions, DefaultsAndEachOptionTakeEffect) {
    bench::Options defaults = bench::ParseOptions({});
    EXPECT_TRUE(defaults.ok);
    EXPECT_EQ(defaults.runs, 7);
    EXPECT_EQ(defaults.idleSeconds, 60);

    bench::Options quick = bench::ParseOptions(
        {u"--idle-seconds", u"10", u"--runs", u"3", u"--settle-seconds", u"2", u"--scenario", u"/tmp/w.ini"});
    EXPECT_TRUE(quick.ok) << std::string(quick.error.begin(), quick.error.end());
    EXPECT_EQ(quick.idleSeconds, 10);
    EXPECT_EQ(quick.runs, 3);
    EXPECT_EQ(quick.settleSeconds, 2);
    EXPECT_EQ(quick.scenario, u"/tmp/w.ini");
}

// A value that would read as 0 makes an idle window of no length, and a share of nothing.
TEST(BenchOptions, RefusesValuesThatAreNotPositiveWholeNumbers) {
    for (const char16_t* value : {u"0", u"-5", u"ten", u"", u"1.5", u"10s", u"99999999"}) {
        bench::Options options = bench::ParseOptions({u"--idle-seconds", value});
        EXPECT_FALSE(options.ok) << std::string(value, value + std::char_traits<char16_t>::length(value));
    }
    EXPECT_FALSE(bench::ParseOptions({u"--runs"}).ok) << "a missing value";
    EXPECT_FALSE(bench::ParseOptions({u"--idle", u"10"}).ok) << "an unknown option";
}

TEST(InstallerValues, ReadsNamesAndValuesButNotComments) {
    auto values = bench::ParseInstallerValues("; Name=Value (all strings)\r\n"
                                              "VIDPID=VID_0BDA&PID_8178;VID_2019&PID_AB2E\r\n"
                                              "\r\n"
                                              "  Language = 0 \r\n"
                                              "no separator\r\n"
                                              "=orphan\r\n"
                                              "Empty=\n"
                                              "Last=4");
    ASSERT_EQ(values.size(), 4u);
    // The ';' inside a value is part of it: the device list must reach the registry whole.
    EXPECT_EQ(values[0],
              (std::pair<std::string, std::string>{"VIDPID", "VID_0BDA&PID_8178;VID_2019&PID_AB2E"}));
    EXPECT_EQ(values[1], (std::pair<std::string, std::string>{"Language", "0"}));
    EXPECT_EQ(values[2], (std::pair<std::string, std::string>{"Empty", ""}));
    EXPECT_EQ(values[3], (std::pair<std::string, std::string>{"Last", "4"}));
}

TEST(BenchArithmetic, MedianOfOddEvenUnsortedAndEmptySamples) {
    EXPECT_DOUBLE_EQ(bench::Median({30, 10, 20}), 20);
    EXPECT_DOUBLE_EQ(bench::Median({40, 10, 30, 20}), 25);
    EXPECT_DOUBLE_EQ(bench::Median({5}), 5);
    EXPECT_DOUBLE_EQ(bench::Median({}), 0);
}

TEST(BenchArithmetic, SharesRatiosAndTheMemoryAim) {
    // 120 ms over 60 s is 0.2 % of one core (100 ns units).
    EXPECT_DOUBLE_EQ(bench::CpuPercentOfOneCore(1'200'000, 600'000'000), 0.2);
    EXPECT_DOUBLE_EQ(bench::CpuPercentOfOneCore(2'000'000'000, 1'000'000'000), 200.0) << "two busy cores";
    EXPECT_DOUBLE_EQ(bench::CpuPercentOfOneCore(5, 0), 0);
    EXPECT_DOUBLE_EQ(bench::Ratio(3, 2), 1.5);
    EXPECT_DOUBLE_EQ(bench::Ratio(3, 0), 0);
    EXPECT_EQ(bench::MemoryAimBytes(4u << 20), (6u << 20) + (8u << 20));
    EXPECT_EQ(bench::MemoryAimBytes(0), 8u << 20);
}

// The Linux view of the utility's threads: a name with blanks and parentheses must not shift the
// fields, and a torn or foreign line gives nothing rather than a wrong count.
TEST(ProcFiles, ReadTicksRunTimeAndSwitches) {
    EXPECT_EQ(
        bench::StatCpuTicks("4536 (KTVA7700v2.exe) S 1 4523 4523 0 -1 4194624 120 0 0 0 7 3 0 0 20 0 8"),
        10u);
    EXPECT_EQ(bench::StatCpuTicks("77 (a (b) c) R 1 2 3 4 5 6 7 8 9 10 250 50 0 0"), 300u);
    EXPECT_EQ(bench::StatCpuTicks("77 (short) S 1 2 3"), std::nullopt);
    EXPECT_EQ(bench::StatCpuTicks("no parenthesis at all"), std::nullopt);
    EXPECT_EQ(bench::StatCpuTicks("77 (x) S 1 2 3 4 5 6 7 8 9 10 -4 5 0"), std::nullopt);

    EXPECT_EQ(bench::SchedRunNanoseconds("120055998 39252581 402\n"), 120055998u);
    EXPECT_EQ(bench::SchedRunNanoseconds(""), std::nullopt);
    EXPECT_EQ(bench::SchedRunNanoseconds("x1 2 3"), std::nullopt);

    std::string status = "Name:\tKTVA7700v2.exe\nvoluntary_ctxt_switches:\t1234\n"
                         "nonvoluntary_ctxt_switches:\t56\nVmRSS:\t  7668 kB\n";
    EXPECT_EQ(bench::StatusValue(status, "voluntary_ctxt_switches"), 1234u) << "not the nonvoluntary line";
    EXPECT_EQ(bench::StatusValue(status, "nonvoluntary_ctxt_switches"), 56u);
    EXPECT_EQ(bench::StatusValue(status, "VmRSS"), 7668u);
    EXPECT_EQ(bench::StatusValue(status, "VmSwap"), std::nullopt);
    EXPECT_EQ(bench::StatusValue(status, "Name"), std::nullopt);
}

} // namespace
