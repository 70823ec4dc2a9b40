// The adapter's service as the program meets it: registered with the service control manager by the
// session's install step, and running.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

DWORD WaitForState(SC_HANDLE service, DWORD wanted) {
    SERVICE_STATUS status{};
    for (int i = 0; i < 100; ++i) {
        if (!QueryServiceStatus(service, &status)) {
            return 0;
        }
        if (status.dwCurrentState == wanted) {
            break;
        }
        Sleep(100);
    }
    return status.dwCurrentState;
}

class ServiceTest : public testing::Test {
protected:
    void SetUp() override {
        manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
        ASSERT_NE(manager, nullptr) << GetLastError();
        service = OpenServiceW(manager, L"WSKTVA7700",
                               SERVICE_QUERY_STATUS | SERVICE_QUERY_CONFIG | SERVICE_START | SERVICE_STOP);
        ASSERT_NE(service, nullptr) << "WSKTVA7700 not registered, error " << GetLastError();
    }
    void TearDown() override {
        if (service) {
            CloseServiceHandle(service);
        }
        if (manager) {
            CloseServiceHandle(manager);
        }
    }
    SC_HANDLE manager = nullptr;
    SC_HANDLE service = nullptr;
};

TEST_F(ServiceTest, RegisteredForTheInstallTreeAndRunning) {
    BYTE buffer[8192];
    DWORD needed = 0;
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer);
    ASSERT_TRUE(QueryServiceConfigW(service, config, sizeof(buffer), &needed)) << GetLastError();
    EXPECT_NE(wcsstr(config->lpBinaryPathName, L"WSKTVA7700.exe"), nullptr) << config->lpBinaryPathName;
    EXPECT_EQ(config->dwStartType, static_cast<DWORD>(SERVICE_AUTO_START));
    if (WaitForState(service, SERVICE_RUNNING) != SERVICE_RUNNING) {
        StartServiceW(service, 0, nullptr);
    }
    EXPECT_EQ(WaitForState(service, SERVICE_RUNNING), static_cast<DWORD>(SERVICE_RUNNING));
}

TEST_F(ServiceTest, StopsOnRequestAndStartsAgain) {
    SERVICE_STATUS status{};
    ASSERT_EQ(WaitForState(service, SERVICE_RUNNING), static_cast<DWORD>(SERVICE_RUNNING));
    ASSERT_TRUE(ControlService(service, SERVICE_CONTROL_STOP, &status)) << GetLastError();
    EXPECT_EQ(WaitForState(service, SERVICE_STOPPED), static_cast<DWORD>(SERVICE_STOPPED));
    // Leave it running for the tests that come after, as an installed system has it.
    ASSERT_TRUE(StartServiceW(service, 0, nullptr)) << GetLastError();
    EXPECT_EQ(WaitForState(service, SERVICE_RUNNING), static_cast<DWORD>(SERVICE_RUNNING));
}

} // namespace
