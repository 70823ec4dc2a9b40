#include <gtest/gtest.h>

#include "app/AppGlobals.h"
#include "app/ServiceStarter.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeServiceManager.h"

TEST(ServiceStart, ModeIsManageOnlyForAnAdministratorBeforeVista) {
    EXPECT_TRUE(ServiceManageMode(kOsXp, true));
    EXPECT_TRUE(ServiceManageMode(kOs2000, true));
    EXPECT_FALSE(ServiceManageMode(kOsXp, false));
    EXPECT_FALSE(ServiceManageMode(kOsVista, true));
    EXPECT_FALSE(ServiceManageMode(kOsVista64, true));
}

TEST(ServiceStart, ARunningServiceIsSuccessInBothModesWithoutWaiting) {
    for (bool manage : {true, false}) {
        fakes::FakeServiceManager manager;
        fakes::FakeClock clock;
        EXPECT_TRUE(StartWirelessService(manager, clock, manage));
        EXPECT_EQ(manager.opened, std::vector<std::u16string>{u"WSKTVA7700"});
        EXPECT_EQ(manager.openedManaged, std::vector<bool>{manage});
        EXPECT_EQ(clock.TotalSlept(), 0u);
        EXPECT_EQ(manager.starts, 0);
        EXPECT_EQ(manager.closes, 1) << "handles are closed";
    }
}

TEST(ServiceStart, AMissingServiceFailsInBothModes) {
    for (bool manage : {true, false}) {
        fakes::FakeServiceManager manager;
        manager.script.installed = false;
        fakes::FakeClock clock;
        EXPECT_FALSE(StartWirelessService(manager, clock, manage));
    }
    fakes::FakeServiceManager manager;
    manager.script.openFails = true;
    fakes::FakeClock clock;
    EXPECT_FALSE(StartWirelessService(manager, clock, false));
}

TEST(ServiceStart, ManageWaitsSixtySecondsThenStartsAndWaitsThirtyMore) {
    fakes::FakeServiceManager manager;
    manager.script.runningAfterQueries = -1;
    manager.script.runningAfterStartQueries = 3;
    fakes::FakeClock clock;
    EXPECT_TRUE(StartWirelessService(manager, clock, true));
    EXPECT_EQ(manager.starts, 1);
    // 300 sleeps of 200 ms before the start, then three more until it runs.
    EXPECT_EQ(clock.TotalSlept(), 60'000u + 3 * 200u);
}

TEST(ServiceStart, ManageReportsSuccessWhenTheStartedServiceStaysStarting) {
    fakes::FakeServiceManager manager;
    manager.script.runningAfterQueries = -1;
    manager.script.runningAfterStartQueries = -1;
    fakes::FakeClock clock;
    EXPECT_TRUE(StartWirelessService(manager, clock, true));
    EXPECT_EQ(clock.TotalSlept(), 60'000u + 30'000u);
}

TEST(ServiceStart, ManageFailsWhenStartingFails) {
    fakes::FakeServiceManager manager;
    manager.script.runningAfterQueries = -1;
    manager.script.startSucceeds = false;
    fakes::FakeClock clock;
    EXPECT_FALSE(StartWirelessService(manager, clock, true));
}

TEST(ServiceStart, ManageStopsWaitingAsSoonAsTheServiceRuns) {
    fakes::FakeServiceManager manager;
    manager.script.runningAfterQueries = 5;
    fakes::FakeClock clock;
    EXPECT_TRUE(StartWirelessService(manager, clock, true));
    EXPECT_EQ(manager.starts, 0);
    EXPECT_EQ(clock.TotalSlept(), 5 * 200u);
}

TEST(ServiceStart, ObserveWaitsUpToOneHundredMinutesAndNeverStarts) {
    fakes::FakeServiceManager manager;
    manager.script.runningAfterQueries = -1;
    fakes::FakeClock clock;
    EXPECT_TRUE(StartWirelessService(manager, clock, false)) << "observe reports success either way";
    EXPECT_EQ(manager.starts, 0);
    EXPECT_EQ(clock.TotalSlept(), 6'000'000u);
}

TEST(ServiceStart, ObserveProceedsWhenTheSystemStartsTheServiceLate) {
    fakes::FakeServiceManager manager;
    manager.script.runningAfterQueries = 1000;
    fakes::FakeClock clock;
    EXPECT_TRUE(StartWirelessService(manager, clock, false));
    EXPECT_EQ(clock.TotalSlept(), 1000 * 200u);
}
