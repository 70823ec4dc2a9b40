// The service control manager, as far as the program asks it: open one service, read whether it runs,
// start it.
#pragma once

#include <memory>
#include <string_view>

namespace platform {

class Service {
public:
    virtual ~Service() = default; // closes the service and the manager handles
    // False when the status cannot be read, as well as when the service is not running.
    virtual bool IsRunning() = 0;
    virtual bool Start() = 0; // no arguments
};

class ServiceManager {
public:
    virtual ~ServiceManager() = default;
    // manage: the manager with full access and the service with full access; otherwise connect access
    // and query-status access. Null when the manager or the service cannot be opened.
    virtual std::unique_ptr<Service> Open(std::u16string_view name, bool manage) = 0;
};

} // namespace platform
