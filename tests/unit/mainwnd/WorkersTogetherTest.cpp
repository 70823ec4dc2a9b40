// The three workers on their own threads while another thread plays the service library: raising
// requests, refreshing the status records and replacing the scan list. Built with ThreadSanitizer this
// is the proof that the shared state is guarded; natively it proves that the workers stop.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "WorkerTestSupport.h"
#include "base/Text.h"
#include "fakes/FakeClock.h"
#include "mainwnd/ConnectWorker.h"
#include "mainwnd/MainWndMessages.h"
#include "mainwnd/ProfileFallback.h"
#include "mainwnd/RefreshPoller.h"
#include "mainwnd/WorkerThread.h"

using namespace mainwnd;

namespace {

kernel::BssEntry Open(std::u16string_view ssid, uint16_t channel, uint16_t signal) {
    kernel::BssEntry e{};
    base::CopyToField(e.ssid, ssid);
    e.channel = channel;
    e.security = kernel::kBssOpen;
    e.signal = signal;
    e.radioModes = kernel::kRadio80211g;
    return e;
}

class WorkersTogether : public mainwndtest::WorkerTest {};

} // namespace

TEST_F(WorkersTogether, RunAgainstTheLibrarysThreadAndStopCleanly) {
    PutProfile(u"Default", 0);
    PutProfile(u"Office", 1);
    PutProfile(u"Lab", 2);
    profiles::LoadProfileTable(0);
    {
        std::lock_guard lock(profiles::ProfileStoreMutex());
        base::CopyToField(profiles::ProfileTable[0].NetworkName, u"Any (First available network)");
    }
    kernel::WirelessProfile home = Record(u"Home", u"HomeNet");
    profiles::SetCurrentProfile(home);
    m_kernel.connection.flags = kernel::kConnectionNotAssociated;
    m_kernel.adapterState.regionCode = 16;

    fakes::FakeClock clock;
    std::atomic<bool> busy{false};
    ConnectRequests requests;

    ConnectWorkerSources connectSources;
    connectSources.kernel = [this] { return &m_kernel; };
    connectSources.window = window.MakePoster();
    connectSources.anyNetworkText = [] { return std::u16string(u"Any (First available network)"); };
    connectSources.regionCode = [] { return CopyLinkRecords().adapter.regionCode; };
    ConnectWorker connect(requests, connectSources);

    ProfileFallbackSources fallbackSources;
    fallbackSources.kernel = [this] { return &m_kernel; };
    fallbackSources.busy = [&] { return busy.load(); };
    fallbackSources.wpsPushButtonRunning = [] { return false; };
    fallbackSources.adapterPresent = [] { return DevicePresent.load(); };
    ProfileFallback fallback(requests, clock, fallbackSources);

    RefreshPoller refresh(window.MakePoster());

    WorkerThread connectThread([&] { return connect.Step(); });
    WorkerThread fallbackThread([&] { return fallback.Step(); });
    WorkerThread refreshThread([&] { return refresh.Step(); });
    connectThread.Start();
    fallbackThread.Start();
    refreshThread.Start();

    // The library's thread: every round it changes everything the workers read, then waits until a
    // worker has posted to the window once more (the refresh it asks for guarantees one) before going on.
    std::thread library([&] {
        for (int round = 0; round < 200; ++round) {
            if (window.Count(kMsgConnectStarted) >= 4 && window.Count(kMsgRefreshDisplay) >= 8) {
                break;
            }
            size_t seen = window.Posts().size();
            RefreshLinkRecords(m_kernel);
            g_bScanDone = false;
            networks::ReplaceNetworkList({Open(u"cafe", static_cast<uint16_t>(1 + round % 13), 40),
                                          Open(u"library", 6, static_cast<uint16_t>(round % 100))});
            g_bScanDone = true;
            requests.Raise(round % 3 - 1, round % 2 == 0);
            requests.SetAutomaticMark();
            refresh.Request();
            clock.Advance(kFallbackGraceMs / 4);
            busy = round % 4 == 3;
            profiles::SetCurrentProfile(home);
            if (round % 5 == 4) {
                fallback.Restart();
            }
            if (!window.WaitForMore(seen)) {
                ADD_FAILURE() << "the workers went quiet";
                break;
            }
        }
    });
    library.join();

    connectThread.Stop();
    fallbackThread.Stop();
    refreshThread.Stop();
    EXPECT_FALSE(connectThread.Running());

    // Joined: the fake's records are ours to read again.
    ASSERT_FALSE(m_kernel.connects.empty());
    const std::set<std::u16string> known = {u"HomeNet", u"net-Office", u"net-Lab", u"cafe", u"library"};
    for (const kernel::ConnectionBlock& block : m_kernel.connects) {
        EXPECT_TRUE(known.count(std::u16string(base::FieldText(block.ssid))))
            << base::NarrowForLog(base::FieldText(block.ssid));
    }
    EXPECT_EQ(std::memcmp(&home, &profiles::CurrentProfile, sizeof home), 0);
    EXPECT_GE(window.Count(kMsgRefreshDisplay), 8u);
}
