#include "DownloadStatus.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace orvl_update;

TEST(DownloadStatus, OnlyACheckedDownloadReaches100AndEachDownloadGetsItsOwnNumber) {
    DownloadStatus status;
    EXPECT_EQ(status.Read().state, DownloadState::Idle);
    uint32_t first = status.Begin(u"a.exe", u"C:\\T\\", 1000);
    status.Advance(1000);
    EXPECT_EQ(status.Read().percent, 99u) << "all bytes are in, the checks are not done yet";
    status.Finish(false);
    DownloadSnapshot failed = status.Read();
    EXPECT_EQ(failed.state, DownloadState::Failed);
    EXPECT_EQ(failed.percent, 99u);

    status.Reset();
    EXPECT_EQ(status.Read().state, DownloadState::Idle);
    EXPECT_TRUE(status.Read().fileName.empty());
    uint32_t second = status.Begin(u"b.exe", u"C:\\T\\", 0);
    EXPECT_NE(second, first);
    EXPECT_EQ(status.Read().percent, 0u);
    status.Finish(true);
    EXPECT_EQ(status.Read().percent, 100u);
    EXPECT_EQ(status.Read().fileName, u"b.exe");
}

// A reader on another thread sees the fields of one download together, never a mix of two.
TEST(DownloadStatus, AReaderNeverSeesTwoDownloadsMixed) {
    DownloadStatus status;
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 2000; ++i) {
            bool even = i % 2 == 0;
            status.Begin(even ? u"even.exe" : u"odd.exe", u"F\\", even ? 200 : 300);
            status.Advance(even ? 100 : 150);
            status.Finish(true);
        }
        done = true;
    });
    while (!done) {
        DownloadSnapshot now = status.Read();
        if (now.fileName == u"even.exe") {
            EXPECT_EQ(now.total, 200u);
            EXPECT_EQ(now.handle % 2, 1u);
        } else if (now.fileName == u"odd.exe") {
            EXPECT_EQ(now.total, 300u);
            EXPECT_EQ(now.handle % 2, 0u);
        }
    }
    writer.join();
}
