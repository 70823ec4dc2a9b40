// The service manager against Wine's service control manager: the stand-in service the session
// installed, a missing one, and a throwaway service of the same program that each test registers and
// removes again. Start-up's only ways to lose the service are here: a handle that cannot start, a
// start reported wrongly, a status read wrongly.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/WinAppPlatform.h"
#include "wine/drvseed/ToolProcess.h"

namespace {

std::u16string U16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

class WinServiceManagerTest : public testing::Test {
protected:
    void SetUp() override {
        m_manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        ASSERT_NE(m_manager, nullptr) << "error " << GetLastError();
        m_name =
            L"KtTestService" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++s_counter);
    }
    void TearDown() override {
        if (SC_HANDLE service = OpenServiceW(m_manager, m_name.c_str(), SERVICE_ALL_ACCESS)) {
            SERVICE_STATUS status{};
            ControlService(service, SERVICE_CONTROL_STOP, &status);
            WaitForState(service, SERVICE_STOPPED);
            DeleteService(service);
            CloseServiceHandle(service);
        }
        CloseServiceHandle(m_manager);
    }

    // A demand-start service of the stand-in program, stopped.
    void RegisterThrowawayService() {
        std::wstring program = L"\"" + tooltest::DistPath(L"KT_DIST_DIR", L"WSKTVA7700.exe") + L"\"";
        SC_HANDLE service =
            CreateServiceW(m_manager, m_name.c_str(), m_name.c_str(), SERVICE_ALL_ACCESS,
                           SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                           program.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(service, nullptr) << "error " << GetLastError();
        CloseServiceHandle(service);
    }

    // The service's state once it stops changing, or after ten seconds (a guard against a hang, not a
    // measurement).
    static DWORD WaitForState(SC_HANDLE service, DWORD wanted) {
        SERVICE_STATUS status{};
        for (int i = 0; i < 500; ++i) {
            if (!QueryServiceStatus(service, &status) || status.dwCurrentState == wanted) {
                break;
            }
            Sleep(20);
        }
        return status.dwCurrentState;
    }

    platform::win32::WinServiceManager m_services;
    SC_HANDLE m_manager = nullptr;
    std::wstring m_name;
    static inline int s_counter = 0;
};

TEST_F(WinServiceManagerTest, MissingServiceOpensToNothing) {
    EXPECT_EQ(m_services.Open(U16(m_name), false), nullptr);
    EXPECT_EQ(m_services.Open(U16(m_name), true), nullptr);
}

TEST_F(WinServiceManagerTest, InstalledStandInIsSeenRunningAndAnotherStartChangesNothing) {
    auto watcher = m_services.Open(u"WSKTVA7700", false);
    ASSERT_NE(watcher, nullptr) << "the session did not install the stand-in service";
    EXPECT_TRUE(watcher->IsRunning());
    auto manager = m_services.Open(u"WSKTVA7700", true);
    ASSERT_NE(manager, nullptr) << "error " << GetLastError();
    SetLastError(0xDEADBEEF);
    EXPECT_FALSE(manager->Start());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SERVICE_ALREADY_RUNNING));
    EXPECT_TRUE(watcher->IsRunning());
}

TEST_F(WinServiceManagerTest, QueryOnlyOpeningCannotStartTheService) {
    RegisterThrowawayService();
    auto watcher = m_services.Open(U16(m_name), false);
    ASSERT_NE(watcher, nullptr);
    EXPECT_FALSE(watcher->IsRunning());
    SetLastError(0xDEADBEEF);
    EXPECT_FALSE(watcher->Start());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(watcher->IsRunning());
}

TEST_F(WinServiceManagerTest, ManagingOpeningStartsAStoppedService) {
    RegisterThrowawayService();
    auto manager = m_services.Open(U16(m_name), true);
    ASSERT_NE(manager, nullptr);
    EXPECT_FALSE(manager->IsRunning());
    ASSERT_TRUE(manager->Start()) << "error " << GetLastError();
    SC_HANDLE service = OpenServiceW(m_manager, m_name.c_str(), SERVICE_QUERY_STATUS);
    ASSERT_NE(service, nullptr);
    DWORD state = WaitForState(service, SERVICE_RUNNING);
    CloseServiceHandle(service);
    ASSERT_EQ(state, static_cast<DWORD>(SERVICE_RUNNING));
    EXPECT_TRUE(manager->IsRunning());
}

} // namespace
