#include "app/ServiceStarter.h"

#include "app/AppGlobals.h"

bool ServiceManageMode(int osClass, bool isAdministrator) {
    return osClass != kOsVista && osClass != kOsVista64 && isAdministrator;
}

namespace {

// Polls until the service runs or the time is used up; returns whether it runs.
bool WaitRunning(platform::Service& service, platform::Clock& clock, uint32_t limitMs) {
    uint32_t waited = 0;
    bool running = service.IsRunning();
    while (!running && waited < limitMs) {
        clock.Sleep(kServicePollMs);
        waited += kServicePollMs;
        running = service.IsRunning();
    }
    return running;
}

} // namespace

bool StartWirelessService(platform::ServiceManager& manager, platform::Clock& clock, bool manage) {
    std::unique_ptr<platform::Service> service = manager.Open(kWirelessServiceName, manage);
    if (!service) {
        return false;
    }
    bool running = WaitRunning(*service, clock, manage ? kManageWaitMs : kObserveWaitMs);
    if (!manage || running) {
        return true;
    }
    if (!service->Start()) {
        return false;
    }
    // A service that is starting slowly is given the benefit of the doubt: the library reports the
    // adapter later when it is up.
    WaitRunning(*service, clock, kAfterStartWaitMs);
    return true;
}
