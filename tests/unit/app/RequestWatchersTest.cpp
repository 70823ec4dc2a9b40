#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WatcherTestSupport.h"
#include "app/AppMessages.h"
#include "app/RequestWatchers.h"
#include "base/Trace.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeNamedObjects.h"

using apptest::MustFinish;
using apptest::RecordingWindow;

namespace {

class Watchers : public ::testing::Test {
protected:
    Watchers() {
        m_previousSink = base::SetTraceSink([this](std::u16string_view line) { traces.emplace_back(line); });
    }
    ~Watchers() override { base::SetTraceSink(m_previousSink); }

    // The running copy's window as the application object hands it out: none until a test registers
    // one, read by the watcher threads under a lock.
    RequestWatcher::MainWindowSource Source() {
        return [this] {
            std::lock_guard lock(m_windowMutex);
            return m_mainWindow;
        };
    }
    void Register(ui::Poster poster) {
        std::lock_guard lock(m_windowMutex);
        m_mainWindow = std::move(poster);
    }

    fakes::FakeNamedObjects objects;
    std::unique_ptr<platform::SyncObject> closeEvent =
        objects.CreateNamedEvent(u"Global\\KTVA7700v2", true, false).object;
    std::unique_ptr<platform::SyncObject> showEvent =
        objects.CreateNamedEvent(u"Global\\KTA7X00_WaitToShow_KTVA7700v2", true, false).object;
    fakes::FakeClock clock;
    RecordingWindow window;
    std::vector<std::u16string> traces; // written by the watchers that run on the test's thread

private:
    base::TraceSink m_previousSink;
    std::mutex m_windowMutex;
    ui::Poster m_mainWindow;
};

} // namespace

TEST_F(Watchers, CloseRequestIsOneExitMessageToTheMainWindowAndTheEventStaysSet) {
    CloseWatcher watcher(objects, *closeEvent, Source());
    Register(window.MakePoster());
    EXPECT_TRUE(watcher.Step(0)) << "nothing requested yet";
    EXPECT_TRUE(window.Messages().empty());
    closeEvent->Set();
    EXPECT_FALSE(watcher.Step(0)) << "one request, one message: the watcher is done";
    EXPECT_EQ(window.Messages(), std::vector<uint32_t>{kMsgExitProgram});
    EXPECT_EQ(closeEvent->Wait(0), platform::WaitResult::Signalled) << "the exit sequence ends the process";
}

TEST_F(Watchers, CloseRequestBeforeTheMainWindowExistsWaitsForIt) {
    CloseWatcher watcher(objects, *closeEvent, Source());
    closeEvent->Set();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(watcher.Step(0)) << "the request is kept, step " << i;
    }
    EXPECT_TRUE(window.Messages().empty());
    Register(window.MakePoster());
    watcher.Wake();
    EXPECT_FALSE(watcher.Step(0));
    EXPECT_EQ(window.Messages(), std::vector<uint32_t>{kMsgExitProgram});
}

TEST_F(Watchers, CloseRequestToAWindowThatIsGoneIsKeptForTheNextWindow) {
    CloseWatcher watcher(objects, *closeEvent, Source());
    RecordingWindow gone;
    Register(gone.MakePoster());
    gone.Close();
    closeEvent->Set();
    EXPECT_TRUE(watcher.Step(0));
    EXPECT_TRUE(gone.Messages().empty());
    Register(window.MakePoster());
    EXPECT_FALSE(watcher.Step(0));
    EXPECT_EQ(window.Messages(), std::vector<uint32_t>{kMsgExitProgram});
}

TEST_F(Watchers, ShowRequestIsAMessageToTheMainWindowThenTheEventClearsASecondLater) {
    ShowWatcher watcher(objects, *showEvent, Source(), clock);
    Register(window.MakePoster());
    EXPECT_TRUE(watcher.Step(0));
    EXPECT_TRUE(window.Messages().empty());

    showEvent->Set();
    EXPECT_TRUE(watcher.Step(0));
    EXPECT_EQ(window.Messages(), std::vector<uint32_t>{kMsgShowMainWindow});
    EXPECT_EQ(traces, std::vector<std::u16string>{u"ShowWindow - 1"});

    clock.Advance(ShowWatcher::kSettleMs - 1);
    EXPECT_TRUE(watcher.Step(0));
    EXPECT_EQ(showEvent->Wait(0), platform::WaitResult::Signalled) << "still settling";
    EXPECT_EQ(window.Messages().size(), 1u) << "the same request is not shown twice";

    clock.Advance(1);
    EXPECT_TRUE(watcher.Step(0));
    EXPECT_EQ(showEvent->Wait(0), platform::WaitResult::TimedOut) << "cleared for the next request";
    EXPECT_TRUE(watcher.Step(0));
    EXPECT_EQ(window.Messages().size(), 1u);

    showEvent->Set();
    EXPECT_TRUE(watcher.Step(0));
    EXPECT_EQ(window.Messages().size(), 2u) << "the next request shows the window again";
}

TEST_F(Watchers, ShowRequestWithoutAWindowIsKeptUntilOneRegisters) {
    ShowWatcher watcher(objects, *showEvent, Source(), clock);
    showEvent->Set();
    EXPECT_TRUE(watcher.Step(0));
    clock.Advance(5000);
    EXPECT_TRUE(watcher.Step(0));
    EXPECT_TRUE(traces.empty());
    EXPECT_EQ(showEvent->Wait(0), platform::WaitResult::Signalled) << "not cleared while unserved";
    Register(window.MakePoster());
    EXPECT_TRUE(watcher.Step(0));
    EXPECT_EQ(window.Messages(), std::vector<uint32_t>{kMsgShowMainWindow});
}

TEST_F(Watchers, AStoppedWatcherDoesNothingMore) {
    ShowWatcher show(objects, *showEvent, Source(), clock);
    CloseWatcher close(objects, *closeEvent, Source());
    Register(window.MakePoster());
    show.Stop();
    close.Stop();
    showEvent->Set();
    closeEvent->Set();
    EXPECT_FALSE(show.Step(0));
    EXPECT_FALSE(close.Step(0));
    EXPECT_TRUE(window.Messages().empty());
    show.Start();
    EXPECT_FALSE(show.Running()) << "a stopped watcher does not start again";
}

// The threads wait without a time-out; each case leaves them blocked where the exit finds them.
TEST_F(Watchers, StopWakesAThreadWhereverItWaits) {
    // Waiting for a request.
    {
        CloseWatcher close(objects, *closeEvent, Source());
        ShowWatcher show(objects, *showEvent, Source(), clock);
        close.Start();
        show.Start();
        ASSERT_TRUE(close.Running());
        MustFinish("stopping idle watchers", [&] {
            close.Stop();
            show.Stop();
        });
        EXPECT_FALSE(close.Running());
    }
    // Requests pending with no window to serve them.
    {
        closeEvent->Set();
        showEvent->Set();
        CloseWatcher close(objects, *closeEvent, Source());
        ShowWatcher show(objects, *showEvent, Source(), clock);
        close.Start();
        show.Start();
        MustFinish("stopping watchers with unserved requests", [&] {
            close.Stop();
            show.Stop();
        });
        EXPECT_TRUE(window.Messages().empty());
        closeEvent->Reset();
        showEvent->Reset();
    }
    // A show request served and settling: the fake clock never moves, so only Stop can end the pause.
    {
        Register(window.MakePoster());
        ShowWatcher show(objects, *showEvent, Source(), clock);
        show.Start();
        showEvent->Set();
        ASSERT_TRUE(window.WaitForMessages(1));
        MustFinish("stopping a settling watcher", [&] { show.Stop(); });
        EXPECT_EQ(window.Messages(), std::vector<uint32_t>{kMsgShowMainWindow});
    }
}

TEST_F(Watchers, AThreadWaitingForAWindowPostsAsSoonAsOneRegisters) {
    CloseWatcher close(objects, *closeEvent, Source());
    close.Start();
    closeEvent->Set();
    Register(window.MakePoster());
    close.Wake();
    ASSERT_TRUE(window.WaitForMessages(1)) << "the wake-up reached the waiting watcher";
    MustFinish("joining a finished watcher", [&] { close.Stop(); });
    EXPECT_EQ(window.Messages(), std::vector<uint32_t>{kMsgExitProgram});
}
