// Delivery on the library's real thread: removal during an event, removal from another thread while a
// call is in progress, and a receiver that calls back into the library.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "fakes/FakeRegistry.h"
#include "skyvane/SimKernel.h"

namespace skyvane {
namespace {

using namespace std::chrono_literals;

TEST(ReceiverListTest, ReceiversRemovedDuringAnEventAreNotCalledAgain) {
    ReceiverList list;
    struct Self final : kernel::NotificationReceiverBase {
        ReceiverList* list = nullptr;
        kernel::INotificationReceiver* other = nullptr;
        int calls = 0;
        void OnWKAdapterChanged() override {
            ++calls;
            list->Remove(this);
            if (other) {
                list->Remove(other);
            }
        }
    } first, second;
    first.list = &list;
    second.list = &list;
    first.other = &second;
    list.Add(&first);
    list.Add(&second);
    EXPECT_FALSE(list.Add(&first)) << "added once only";
    list.Deliver([](kernel::INotificationReceiver& r) { r.OnWKAdapterChanged(); });
    list.Deliver([](kernel::INotificationReceiver& r) { r.OnWKAdapterChanged(); });
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(second.calls, 0) << "removed by the first receiver of the same event";
    EXPECT_EQ(list.Count(), 0u);
}

TEST(ReceiverListTest, RemoveFromAnotherThreadWaitsForTheCallInProgress) {
    ReceiverList list;
    std::promise<void> entered;
    std::atomic<bool> release{false};
    std::atomic<bool> finished{false};
    struct Slow final : kernel::NotificationReceiverBase {
        std::promise<void>* entered;
        std::atomic<bool>* release;
        std::atomic<bool>* finished;
        void OnWKQuietRefresh() override {
            entered->set_value();
            while (!*release) {
                std::this_thread::sleep_for(1ms);
            }
            *finished = true;
        }
    } slow;
    slow.entered = &entered;
    slow.release = &release;
    slow.finished = &finished;
    list.Add(&slow);
    std::thread library(
        [&] { list.Deliver([](kernel::INotificationReceiver& r) { r.OnWKQuietRefresh(); }); });
    entered.get_future().wait();
    auto removal = std::async(std::launch::async, [&] {
        list.Remove(&slow);
        return finished.load();
    });
    EXPECT_EQ(removal.wait_for(50ms), std::future_status::timeout) << "returned while the receiver still ran";
    release = true;
    EXPECT_TRUE(removal.get()) << "the call had ended by the time Remove returned";
    library.join();
}

TEST(ReceiverListTest, AWaitStepKeepsServingTheRemovingThread) {
    ReceiverList list;
    std::atomic<int> steps{0};
    std::atomic<bool> inCall{false};
    list.SetWaitStep([&] {
        ++steps;
        std::this_thread::sleep_for(1ms);
    });
    struct Busy final : kernel::NotificationReceiverBase {
        std::atomic<int>* steps;
        std::atomic<bool>* inCall;
        void OnWKQuietRefresh() override {
            *inCall = true;
            // Finishes only once the removing thread has taken several wait steps: a handler that
            // needs the remover's thread to do something.
            while (*steps < 5) {
                std::this_thread::sleep_for(1ms);
            }
        }
    } busy;
    busy.steps = &steps;
    busy.inCall = &inCall;
    list.Add(&busy);
    std::thread library(
        [&] { list.Deliver([](kernel::INotificationReceiver& r) { r.OnWKQuietRefresh(); }); });
    while (!inCall) {
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_TRUE(list.Remove(&busy));
    EXPECT_GE(steps.load(), 5);
    library.join();
}

TEST(ReceiverListTest, AReceiverMayCallBackIntoTheLibraryFromAnEvent) {
    fakes::FakeRegistry registry;
    Dispatcher dispatcher(Dispatcher::Mode::Threaded);
    KernelServices services;
    services.registry = &registry;
    ScenarioResult world = LoadScenarioText(u"[World]\nScanDelay=10\n[Only]\nBSSID=00:00:00:00:00:01\n");
    SimKernel kernel(services, dispatcher, std::move(world));
    struct Reader final : kernel::NotificationReceiverBase {
        SimKernel* k = nullptr;
        std::promise<uint32_t> done;
        std::thread::id thread;
        void OnWKSiteSurveyed() override {
            thread = std::this_thread::get_id();
            kernel::BssEntry list[4];
            uint32_t count = 4;
            k->GetNetWorkList(list, &count);
            k->RemoveReceiver(this);
            done.set_value(count);
        }
    } reader;
    reader.k = &kernel;
    kernel.AddReceiver(&reader);
    kernel.StartSiteSurvey(0);
    auto result = reader.done.get_future();
    ASSERT_EQ(result.wait_for(10s), std::future_status::ready) << "deadlock: an event handler called back in";
    EXPECT_EQ(result.get(), 1u);
    EXPECT_NE(reader.thread, std::this_thread::get_id());
    dispatcher.Stop();
}

} // namespace
} // namespace skyvane
