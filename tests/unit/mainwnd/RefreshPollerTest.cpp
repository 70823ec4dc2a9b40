#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <vector>

#include "WorkerTestSupport.h"
#include "mainwnd/MainWndMessages.h"
#include "mainwnd/RefreshPoller.h"
#include "mainwnd/WorkerThread.h"

using mainwndtest::Posted;
using namespace mainwnd;

namespace {

std::vector<Posted> Refreshes(std::initializer_list<uintptr_t> numbers) {
    std::vector<Posted> posts;
    for (uintptr_t n : numbers) {
        posts.push_back({kMsgRefreshDisplay, n});
    }
    return posts;
}

// A stop that never comes back ends the test program instead of hanging the suite.
void StopOrAbort(WorkerThread& thread) {
    auto stopped = std::async(std::launch::async, [&] { thread.Stop(); });
    if (stopped.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        ADD_FAILURE() << "Stop did not return";
        std::abort();
    }
}

} // namespace

TEST(RefreshPoller, EightRefreshesPerRequest) {
    mainwndtest::RecordingWindow window;
    RefreshPoller poller(window.MakePoster());
    EXPECT_EQ(poller.Step(), kRefreshPollMs);
    EXPECT_TRUE(window.Posts().empty()) << "nothing requested";

    poller.Request();
    for (int i = 0; i < 10; ++i) {
        poller.Step();
        EXPECT_EQ(poller.Requested(), i < 7) << "after refresh " << i + 1;
    }
    EXPECT_EQ(window.Posts(), Refreshes({1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(RefreshPoller, ARequestDuringTheSequenceStartsItOver) {
    mainwndtest::RecordingWindow window;
    RefreshPoller poller(window.MakePoster());
    poller.Request();
    for (int i = 0; i < 5; ++i) {
        poller.Step();
    }
    poller.Request();
    for (int i = 0; i < 10; ++i) {
        poller.Step();
    }
    EXPECT_EQ(window.Posts(), Refreshes({1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(RefreshPoller, ClearEndsTheSequence) {
    mainwndtest::RecordingWindow window;
    RefreshPoller poller(window.MakePoster());
    poller.Request();
    poller.Step();
    poller.Clear();
    EXPECT_FALSE(poller.Requested());
    poller.Step();
    EXPECT_EQ(window.Posts(), Refreshes({1}));
}

TEST(WorkerThread, StopEndsALongWaitAtOnceAndIsSafeToRepeat) {
    std::mutex mutex;
    std::condition_variable stepped;
    int steps = 0;
    WorkerThread thread([&]() -> uint32_t {
        std::lock_guard lock(mutex);
        ++steps;
        stepped.notify_all();
        return 3600 * 1000; // an hour: only Stop can end this wait in time
    });
    thread.Start();
    EXPECT_TRUE(thread.Running());
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(stepped.wait_for(lock, std::chrono::seconds(20), [&] { return steps > 0; }));
    }
    StopOrAbort(thread);
    EXPECT_FALSE(thread.Running());
    StopOrAbort(thread);
    thread.Start();
    EXPECT_FALSE(thread.Running()) << "a stopped worker stays stopped";
    std::lock_guard lock(mutex);
    EXPECT_EQ(steps, 1);
}

TEST(WorkerThread, StopFromInsideTheStepEndsTheLoop) {
    std::atomic<int> steps{0};
    std::promise<void> stoppedItself;
    WorkerThread* self = nullptr;
    WorkerThread thread([&]() -> uint32_t {
        if (++steps == 1) {
            self->Stop();
            stoppedItself.set_value();
        }
        return 0; // no wait: a loop that ignored the stop would step again at once
    });
    self = &thread;
    thread.Start();
    ASSERT_EQ(stoppedItself.get_future().wait_for(std::chrono::seconds(20)), std::future_status::ready);
    StopOrAbort(thread); // joins the thread that ended itself
    EXPECT_EQ(steps, 1);

    WorkerThread never([] { return 0u; });
    StopOrAbort(never); // never started
}
