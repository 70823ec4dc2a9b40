#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <vector>

#include "WorkerTestSupport.h"
#include "base/Text.h"
#include "fakes/FakeClock.h"
#include "mainwnd/ProfileFallback.h"

using namespace mainwnd;

namespace {

class FallbackTest : public mainwndtest::WorkerTest {
protected:
    void SetUp() override {
        WorkerTest::SetUp();
        m_kernel.connection.flags = kernel::kConnectionNotAssociated;
    }
    ProfileFallbackSources Sources() {
        return {[this] { return &m_kernel; }, [this] { return busy.load(); },
                [this] { return wpsRun.load(); }, [this] { return present.load(); }};
    }
    // The default profile and "P1", "P2", ... in that order: slot i holds the profile stored i-th.
    void StoreProfiles(int count) {
        m_registry = fakes::FakeRegistry();
        for (int i = 0; i < count; ++i) {
            PutProfile(i == 0 ? std::u16string(u"Default") : base::Widen("P" + std::to_string(i)), i);
        }
        profiles::LoadProfileTable(0);
    }
    // Past the grace period, then missed checks until the fallback acts; the index it asked for.
    std::optional<int> RunToFallback() {
        clock.Advance(kFallbackGraceMs + 1);
        for (int i = 0; i <= kFallbackMissesAllowed; ++i) {
            EXPECT_FALSE(requests.Pending()) << "fell back after " << i << " checks";
            fallback.Step();
        }
        if (!requests.Pending()) {
            return std::nullopt;
        }
        requests.Clear();
        return requests.ProfileIndex();
    }
    size_t Reads() { return m_kernel.CountCalls(u"ReadConnection"); }

    fakes::FakeClock clock;
    ConnectRequests requests;
    std::atomic<bool> busy{false}, wpsRun{false}, present{true};
    ProfileFallback fallback{requests, clock, Sources()};
};

} // namespace

TEST_F(FallbackTest, GraceThenElevenMissedChecksWhileTheAdapterIsPresent) {
    StoreProfiles(3);
    clock.Advance(kFallbackGraceMs);
    fallback.Step();
    EXPECT_EQ(Reads(), 0u) << "exactly 15 s is still grace";
    present = false;
    clock.Advance(1);
    fallback.Step();
    EXPECT_EQ(Reads(), 0u) << "no adapter, nothing to read";
    present = true;
    EXPECT_EQ(RunToFallback(), 1);
    EXPECT_EQ(Reads(), 11u);
    for (int i = 0; i < 5; ++i) {
        fallback.Step();
    }
    EXPECT_EQ(Reads(), 11u) << "the new attempt gets its own grace before it is judged";

    // A good check starts over; a record with no flag, no name and no access point is a miss.
    clock.Advance(kFallbackGraceMs + 1);
    m_kernel.connection.flags = kernel::kConnectionAssociated;
    base::CopyToField(m_kernel.connection.ssid, u"HomeNet");
    fallback.Step();
    EXPECT_EQ(fallback.Misses(), 0);
    m_kernel.connection = kernel::ConnectionStatus{};
    fallback.Step();
    EXPECT_EQ(Reads(), 12u) << "back in grace";
    EXPECT_EQ(RunToFallback(), 2);
}

TEST_F(FallbackTest, OrderForOneTwoThreeAndMoreProfiles) {
    struct Case {
        int count;
        std::u16string current;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {1, u"Default", {0, 0}},
        {2, u"P1", {1, 1, 1}}, // slot 0 is only reached from the selected profile of a one-entry list
        {3, u"Default", {1, 2, 1}},
        {3, u"P1", {2, 1, 2}}, // starting at slot 1 would repeat the profile that just failed
        {5, u"P1", {2, 3, 4, 1}},
        {5, u"P3", {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.count << " profiles, current " << base::NarrowForLog(c.current));
        StoreProfiles(c.count);
        profiles::SetCurrentProfile(Record(c.current));
        requests.SelectProfile(kSelectedProfile);
        std::vector<int> taken;
        for (size_t i = 0; i < c.expected.size(); ++i) {
            taken.push_back(RunToFallback().value_or(-99));
        }
        EXPECT_EQ(taken, c.expected);
    }
    EXPECT_EQ(NextFallbackIndex(kSelectedProfile, 0, false), std::nullopt) << "nothing stored";
    EXPECT_EQ(NextFallbackIndex(7, 5, false), 1) << "the list shrank under the index";
}

TEST_F(FallbackTest, EachSkipReasonStartsTheClockAndCountOver) {
    StoreProfiles(3);
    auto adHoc = [](bool on) {
        kernel::WirelessProfile p = Record(u"P1");
        p.block.NetworkConnectType = on ? kernel::kNetworkAdHoc : kernel::kNetworkInfrastructure;
        profiles::SetCurrentProfile(p);
    };
    const std::pair<const char*, std::function<void(bool)>> reasons[] = {
        {"busy", [this](bool on) { busy = on; }},
        {"WPS push button", [this](bool on) { wpsRun = on; }},
        {"ad hoc, selected profile", adHoc},
        {"restart from the window", [this](bool on) { on ? fallback.Restart() : void(); }},
    };
    for (const auto& [what, set] : reasons) {
        SCOPED_TRACE(what);
        requests.SelectProfile(kSelectedProfile);
        clock.Advance(kFallbackGraceMs + 1);
        for (int i = 0; i < 9; ++i) {
            fallback.Step();
        }
        size_t before = Reads();
        set(true);
        fallback.Step();
        set(false);
        fallback.Step();
        EXPECT_EQ(Reads(), before) << "the skipped round read nothing and restarted the clock";
        EXPECT_EQ(fallback.Misses(), 0);
        EXPECT_TRUE(RunToFallback().has_value()) << "a full count again";
    }

    // An ad-hoc profile is left when the fallback has already chosen an index.
    adHoc(true);
    requests.SelectProfile(2);
    EXPECT_EQ(RunToFallback(), 1);
}
