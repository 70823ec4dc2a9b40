// What the worker tests share: a window stand-in that records what the workers post, and a profile
// store with the process-wide state the workers read put back after each test.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "app/AppGlobals.h"
#include "mainwnd/LinkStatus.h"
#include "networks/NetworkList.h"
#include "ui/Poster.h"
#include "unit/profiles/StoreFixture.h"

namespace mainwndtest {

struct Posted {
    uint32_t message;
    uintptr_t wParam;
    bool operator==(const Posted&) const = default;
};

// Stands for the main window: its Poster reaches it until the recorder goes.
class RecordingWindow {
public:
    RecordingWindow()
        : m_channel(std::make_shared<ui::PostChannel>([this](uint32_t message, uintptr_t wParam, intptr_t) {
              std::lock_guard lock(m_mutex);
              m_posted.push_back({message, wParam});
              m_changed.notify_all();
              return true;
          })) {}
    ~RecordingWindow() { m_channel->Close(); }

    ui::Poster MakePoster() const { return ui::Poster(m_channel); }
    std::vector<Posted> Posts() {
        std::lock_guard lock(m_mutex);
        return m_posted;
    }
    size_t Count(uint32_t message) {
        std::lock_guard lock(m_mutex);
        size_t n = 0;
        for (const Posted& p : m_posted) {
            n += p.message == message ? 1 : 0;
        }
        return n;
    }
    // Waits for one more post than `seen`; false when the deadline (a guard against a hang) passed.
    bool WaitForMore(size_t seen, std::chrono::seconds deadline = std::chrono::seconds(20)) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, deadline, [&] { return m_posted.size() > seen; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Posted> m_posted;
    std::shared_ptr<ui::PostChannel> m_channel;
};

class WorkerTest : public profiles::testing::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ResetShared();
    }
    void TearDown() override {
        ResetShared();
        StoreTest::TearDown();
    }

    static void ResetShared() {
        networks::ResetNetworkList();
        mainwnd::ResetLinkStatus();
        g_bZeroConfig = false;
        DevicePresent = true;
    }

    // The library's answer to ReadConnection, taken into the process-wide record.
    void SetConnectionFlags(uint32_t flags) {
        m_kernel.connection.flags = flags;
        mainwnd::RefreshLinkRecords(m_kernel);
    }

    RecordingWindow window;
};

} // namespace mainwndtest
