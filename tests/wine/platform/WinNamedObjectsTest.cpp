#include <windows.h>

#include <aclapi.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/win32/WinNamedObjects.h"

namespace {

std::u16string UniqueName(const char16_t* stem) {
    std::wstring id = std::to_wstring(GetCurrentProcessId());
    return std::u16string(stem) + std::u16string(id.begin(), id.end());
}

} // namespace

TEST(WinNamedObjects, SecondCreationReportsThatTheObjectExisted) {
    platform::win32::WinNamedObjects objects;
    auto name = UniqueName(u"KT_TEST_MUTEX_");
    auto first = objects.CreateNamedMutex(name, true);
    ASSERT_NE(first.object, nullptr);
    EXPECT_FALSE(first.alreadyExisted);
    auto second = objects.CreateNamedMutex(name, true);
    ASSERT_NE(second.object, nullptr);
    EXPECT_TRUE(second.alreadyExisted);
    first.object.reset();
    second.object.reset();
    auto again = objects.CreateNamedMutex(name, false);
    EXPECT_FALSE(again.alreadyExisted) << "the name outlived its last handle";
}

TEST(WinNamedObjects, EventsAcrossHandlesAndTheirWaits) {
    platform::win32::WinNamedObjects objects;
    auto name = u"Global\\" + UniqueName(u"KT_TEST_EVENT_");
    auto event = objects.CreateNamedEvent(name, true, false);
    ASSERT_NE(event.object, nullptr);
    auto opened = objects.OpenNamedEvent(name);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(event.object->Wait(0), platform::WaitResult::TimedOut);
    EXPECT_TRUE(opened->Set());
    EXPECT_EQ(event.object->Wait(0), platform::WaitResult::Signalled);
    EXPECT_EQ(event.object->Wait(0), platform::WaitResult::Signalled) << "a manual-reset event stays set";
    EXPECT_TRUE(event.object->Reset());
    EXPECT_EQ(opened->Wait(0), platform::WaitResult::TimedOut);
    EXPECT_EQ(objects.OpenNamedEvent(UniqueName(u"KT_NO_SUCH_EVENT_")), nullptr);
}

TEST(WinNamedObjects, ObjectsCarryANullAccessListSoEveryUserMayOpenThem) {
    platform::win32::WinNamedObjects objects;
    auto name = UniqueName(u"KT_TEST_OPEN_");
    auto event = objects.CreateNamedEvent(name, true, false);
    ASSERT_NE(event.object, nullptr);
    std::wstring wide(name.begin(), name.end());
    HANDLE h = OpenEventW(READ_CONTROL, FALSE, wide.c_str());
    ASSERT_NE(h, nullptr);
    PACL dacl = reinterpret_cast<PACL>(1);
    PSECURITY_DESCRIPTOR sd = nullptr;
    DWORD rc = GetSecurityInfo(h, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                               nullptr, &sd);
    CloseHandle(h);
    ASSERT_EQ(rc, ERROR_SUCCESS);
    EXPECT_EQ(dacl, nullptr) << "a present, empty access list would lock every other user out";
    LocalFree(sd);
}

TEST(WinNamedObjects, WaitForEitherTellsWhichObjectEndedTheWait) {
    platform::win32::WinNamedObjects objects;
    auto request = objects.CreateNamedEvent(u"Global\\" + UniqueName(u"KT_TEST_EITHER_"), true, false);
    ASSERT_NE(request.object, nullptr);
    auto wake = objects.CreateLocalEvent(false, false);
    ASSERT_NE(wake, nullptr);
    platform::SyncObject& named = *request.object;

    EXPECT_EQ(objects.WaitForEither(named, *wake, 0), platform::EitherResult::TimedOut);
    wake->Set();
    EXPECT_EQ(objects.WaitForEither(named, *wake, 0), platform::EitherResult::Second);
    EXPECT_EQ(objects.WaitForEither(named, *wake, 0), platform::EitherResult::TimedOut)
        << "the auto-reset wake event was consumed by the wait";
    named.Set();
    wake->Set();
    EXPECT_EQ(objects.WaitForEither(named, *wake, 0), platform::EitherResult::First)
        << "the first wins a tie";
    EXPECT_EQ(objects.WaitForEither(named, *wake, 0), platform::EitherResult::First)
        << "the manual-reset request stays set";
    named.Reset();
    EXPECT_EQ(objects.WaitForEither(named, *wake, 0), platform::EitherResult::Second)
        << "the wake-up lost the tie but was kept";
}

TEST(WinNamedObjects, ALocalEventSetFromAnotherThreadEndsAWaitWithoutTimeOut) {
    platform::win32::WinNamedObjects objects;
    auto request = objects.CreateNamedEvent(u"Global\\" + UniqueName(u"KT_TEST_STOP_"), true, false);
    auto stop = objects.CreateLocalEvent(false, false);
    ASSERT_NE(request.object, nullptr);
    ASSERT_NE(stop, nullptr);
    std::thread stopper([&] { stop->Set(); });
    EXPECT_EQ(objects.WaitForEither(*request.object, *stop, platform::kInfinite),
              platform::EitherResult::Second);
    stopper.join();
}
