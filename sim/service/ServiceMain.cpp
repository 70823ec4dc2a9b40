// WSKTVA7700.exe: the adapter's Windows service. The program only needs it registered and running; it
// answers the service control manager and otherwise waits to be stopped.
//   WSKTVA7700.exe            run under the service control manager
//   WSKTVA7700.exe install    register the service (auto start) for this executable and start it;
//                             idempotent. Exit 0 done, 3 no manager, 4 not registered, 5 not started,
//                             6 not started because the manager's start-up lock is held
//   WSKTVA7700.exe uninstall  stop it (waiting up to 10 s for it to end) and remove it
#include <windows.h>

#include <string>

namespace {

wchar_t kServiceName[] = L"WSKTVA7700";

SERVICE_STATUS_HANDLE g_statusHandle = nullptr;
SERVICE_STATUS g_status{};
HANDLE g_stopEvent = nullptr;

void Report(DWORD state, DWORD waitHint = 0) {
    g_status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    g_status.dwCurrentState = state;
    g_status.dwControlsAccepted =
        state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN : 0;
    g_status.dwWin32ExitCode = NO_ERROR;
    g_status.dwWaitHint = waitHint;
    ++g_status.dwCheckPoint;
    if (state == SERVICE_RUNNING || state == SERVICE_STOPPED) {
        g_status.dwCheckPoint = 0;
    }
    SetServiceStatus(g_statusHandle, &g_status);
}

DWORD WINAPI Control(DWORD control, DWORD, LPVOID, LPVOID) {
    switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
        Report(SERVICE_STOP_PENDING, 2000);
        SetEvent(g_stopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void WINAPI ServiceMain(DWORD, LPWSTR*) {
    g_statusHandle = RegisterServiceCtrlHandlerExW(kServiceName, Control, nullptr);
    if (g_statusHandle == nullptr) {
        return;
    }
    g_stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Report(SERVICE_START_PENDING, 1000);
    Report(SERVICE_RUNNING);
    WaitForSingleObject(g_stopEvent, INFINITE);
    CloseHandle(g_stopEvent);
    Report(SERVICE_STOPPED);
}

int Install() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring binary = L"\"" + std::wstring(path) + L"\"";
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (manager == nullptr) {
        return 3;
    }
    int result = 0;
    SC_HANDLE service = OpenServiceW(manager, kServiceName, SERVICE_ALL_ACCESS);
    if (service != nullptr) {
        // Already registered: point it at this executable, which may have moved with the install tree.
        if (!ChangeServiceConfigW(service, SERVICE_NO_CHANGE, SERVICE_AUTO_START, SERVICE_NO_CHANGE,
                                  binary.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)) {
            result = 4;
        }
    } else {
        service = CreateServiceW(manager, kServiceName, kServiceName, SERVICE_ALL_ACCESS,
                                 SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                                 binary.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
        if (service == nullptr) {
            result = 4;
        }
    }
    if (service != nullptr) {
        if (!StartServiceW(service, 0, nullptr)) {
            DWORD error = GetLastError();
            // Wine's service manager holds its start-up lock for good when the prefix's very first
            // session is still starting its own services; the caller restarts the server and tries again.
            result = error == ERROR_SERVICE_ALREADY_RUNNING   ? result
                     : error == ERROR_SERVICE_DATABASE_LOCKED ? 6
                                                              : 5;
        }
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return result;
}

int Uninstall() {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (manager == nullptr) {
        return 3;
    }
    SC_HANDLE service = OpenServiceW(manager, kServiceName, SERVICE_ALL_ACCESS);
    int result = 0;
    if (service != nullptr) {
        SERVICE_STATUS status{};
        if (ControlService(service, SERVICE_CONTROL_STOP, &status)) {
            // The setup program replaces or deletes this file next: the process has to be gone first.
            for (int waited = 0; waited < 10000 && status.dwCurrentState != SERVICE_STOPPED; waited += 100) {
                Sleep(100);
                if (!QueryServiceStatus(service, &status)) {
                    break;
                }
            }
        }
        result = DeleteService(service) ? 0 : 4;
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return result;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2 && lstrcmpiW(argv[1], L"install") == 0) {
        return Install();
    }
    if (argc >= 2 && lstrcmpiW(argv[1], L"uninstall") == 0) {
        return Uninstall();
    }
    SERVICE_TABLE_ENTRYW table[] = {{kServiceName, ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherW(table) ? 0 : 1;
}
