// Named mutexes and events shared between processes. Every object is created with a security
// descriptor whose access list is present but null, so that every user may open it.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace platform {

enum class WaitResult { Signalled, TimedOut, Failed };

// Which of two objects ended a wait for either of them.
enum class EitherResult { First, Second, TimedOut, Failed };

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
    // An event no other process can see: how one thread of this program wakes another that waits on a
    // named object (for example to stop it). Null when creation failed.
    virtual std::unique_ptr<SyncObject> CreateLocalEvent(bool manualReset, bool initiallySet) = 0;
    // Waits until either object is signalled; when both are, `first` wins. Both objects must come from
    // this NamedObjects (a foreign object fails the wait).
    virtual EitherResult WaitForEither(SyncObject& first, SyncObject& second, uint32_t milliseconds) = 0;
};

} // namespace platform
