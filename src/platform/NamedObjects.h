// Named mutexes and events shared between processes. Every object is created with a security
// descriptor whose access list is present but null, so that every user may open it.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace platform {

enum class WaitResult { Signalled, TimedOut, Failed };

constexpr uint32_t kInfinite = 0xFFFFFFFF;

class SyncObject {
public:
    virtual ~SyncObject() = default; // closes the handle
    virtual bool Set() = 0;          // events
    virtual bool Reset() = 0;        // events
    virtual bool Release() = 0;      // mutexes
    virtual WaitResult Wait(uint32_t milliseconds) = 0;
};

struct NamedObject {
    std::unique_ptr<SyncObject> object; // null when creation failed
    bool alreadyExisted = false;
};

class NamedObjects {
public:
    virtual ~NamedObjects() = default;
    virtual NamedObject CreateNamedMutex(std::u16string_view name, bool initiallyOwned) = 0;
    virtual NamedObject CreateNamedEvent(std::u16string_view name, bool manualReset, bool initiallySet) = 0;
    virtual std::unique_ptr<SyncObject> OpenNamedEvent(std::u16string_view name) = 0;
};

} // namespace platform
