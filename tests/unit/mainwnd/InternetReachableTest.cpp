// The program's own Internet check against a scripted name server and a clock that only moves when
// the check waits.
#include <gtest/gtest.h>

#include "fakes/FakeClock.h"
#include "fakes/FakeNameResolver.h"
#include "mainwnd/InternetReachable.h"

namespace {

TEST(InternetReachable, AnsweredLookupIsReachableWithoutWaiting) {
    fakes::FakeNameResolver resolver;
    fakes::FakeClock clock;
    resolver.known.insert(std::u16string(mainwnd::kInternetProbeHost));
    EXPECT_EQ(mainwnd::InternetReachable(resolver, clock), 1);
    EXPECT_EQ(clock.TotalSlept(), 0u);
    EXPECT_EQ(resolver.lookups, std::vector<std::u16string>{std::u16string(mainwnd::kInternetProbeHost)});
}

TEST(InternetReachable, TrailingLineFeedIsDroppedBeforeTheLookup) {
    fakes::FakeNameResolver resolver;
    fakes::FakeClock clock;
    resolver.known.insert(u"probe.test");
    EXPECT_EQ(mainwnd::InternetReachable(resolver, clock, u"probe.test\n"), 1);
    EXPECT_EQ(resolver.lookups, std::vector<std::u16string>{u"probe.test"});
}

TEST(InternetReachable, FailedLookupIsOneAttemptThenASecondsPause) {
    fakes::FakeNameResolver resolver;
    fakes::FakeClock clock;
    EXPECT_EQ(mainwnd::InternetReachable(resolver, clock, u"probe.test"), 0);
    EXPECT_EQ(resolver.lookups.size(), 1u);
    EXPECT_EQ(clock.TotalSlept(), 1000u);

    // Nothing left to look up is a failure too, and still holds a caller that retries in a loop.
    EXPECT_EQ(mainwnd::InternetReachable(resolver, clock, u"\n"), 0);
    EXPECT_EQ(resolver.lookups.size(), 1u);
    EXPECT_EQ(clock.TotalSlept(), 2000u);
}

} // namespace
