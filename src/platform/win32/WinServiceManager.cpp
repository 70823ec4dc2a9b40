#include "platform/win32/WinAppPlatform.h"
#include "platform/win32/WinText.h"

namespace platform::win32 {

namespace {

class WinService final : public Service {
public:
    WinService(SC_HANDLE manager, SC_HANDLE service) : m_manager(manager), m_service(service) {}
    ~WinService() override {
        CloseServiceHandle(m_service);
        CloseServiceHandle(m_manager);
    }
    bool IsRunning() override {
        SERVICE_STATUS status{};
        return QueryServiceStatus(m_service, &status) && status.dwCurrentState == SERVICE_RUNNING;
    }
    bool Start() override { return StartServiceW(m_service, 0, nullptr) != FALSE; }

private:
    SC_HANDLE m_manager;
    SC_HANDLE m_service;
};

} // namespace

std::unique_ptr<Service> WinServiceManager::Open(std::u16string_view name, bool manage) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, manage ? SC_MANAGER_ALL_ACCESS : SC_MANAGER_CONNECT);
    if (manager == nullptr) {
        return nullptr;
    }
    std::u16string serviceName(name);
    SC_HANDLE service =
        OpenServiceW(manager, W(serviceName), manage ? SERVICE_ALL_ACCESS : SERVICE_QUERY_STATUS);
    if (service == nullptr) {
        CloseServiceHandle(manager);
        return nullptr;
    }
    return std::make_unique<WinService>(manager, service);
}

} // namespace platform::win32
