#include "platform/win32/WinNamedObjects.h"

#include "platform/win32/WinText.h"

namespace platform::win32 {
namespace {

class HandleObject final : public SyncObject {
public:
    explicit HandleObject(HANDLE handle) : m_handle(handle) {}
    ~HandleObject() override { CloseHandle(m_handle); }
    HandleObject(const HandleObject&) = delete;
    HandleObject& operator=(const HandleObject&) = delete;

    bool Set() override { return SetEvent(m_handle) != FALSE; }
    bool Reset() override { return ResetEvent(m_handle) != FALSE; }
    bool Release() override { return ReleaseMutex(m_handle) != FALSE; }
    WaitResult Wait(uint32_t milliseconds) override {
        switch (WaitForSingleObject(m_handle, milliseconds)) {
        case WAIT_OBJECT_0:
        case WAIT_ABANDONED:
            return WaitResult::Signalled;
        case WAIT_TIMEOUT:
            return WaitResult::TimedOut;
        default:
            return WaitResult::Failed;
        }
    }
    HANDLE Handle() const { return m_handle; }

private:
    HANDLE m_handle;
};

// A present but null access list: every user of the machine may open the object. (A present list
// with no entries would deny everyone, which is the opposite of what the objects are for.)
struct OpenToEveryone {
    SECURITY_DESCRIPTOR descriptor;
    SECURITY_ATTRIBUTES attributes;
    OpenToEveryone() {
        InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE);
        attributes.nLength = sizeof attributes;
        attributes.lpSecurityDescriptor = &descriptor;
        attributes.bInheritHandle = FALSE;
    }
};

NamedObject Wrap(HANDLE handle) {
    NamedObject result;
    result.alreadyExisted = GetLastError() == ERROR_ALREADY_EXISTS;
    if (handle != nullptr) {
        result.object = std::make_unique<HandleObject>(handle);
    }
    return result;
}

} // namespace

NamedObject WinNamedObjects::CreateNamedMutex(std::u16string_view name, bool initiallyOwned) {
    OpenToEveryone security;
    std::u16string n(name);
    SetLastError(ERROR_SUCCESS);
    HANDLE h = CreateMutexW(&security.attributes, initiallyOwned ? TRUE : FALSE, W(n));
    return Wrap(h);
}

NamedObject WinNamedObjects::CreateNamedEvent(std::u16string_view name, bool manualReset, bool initiallySet) {
    OpenToEveryone security;
    std::u16string n(name);
    SetLastError(ERROR_SUCCESS);
    HANDLE h =
        CreateEventW(&security.attributes, manualReset ? TRUE : FALSE, initiallySet ? TRUE : FALSE, W(n));
    return Wrap(h);
}

std::unique_ptr<SyncObject> WinNamedObjects::OpenNamedEvent(std::u16string_view name) {
    std::u16string n(name);
    HANDLE h = OpenEventW(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, W(n));
    if (h == nullptr) {
        return nullptr;
    }
    return std::make_unique<HandleObject>(h);
}

std::unique_ptr<SyncObject> WinNamedObjects::CreateLocalEvent(bool manualReset, bool initiallySet) {
    HANDLE h = CreateEventW(nullptr, manualReset ? TRUE : FALSE, initiallySet ? TRUE : FALSE, nullptr);
    if (h == nullptr) {
        return nullptr;
    }
    return std::make_unique<HandleObject>(h);
}

EitherResult WinNamedObjects::WaitForEither(SyncObject& first, SyncObject& second, uint32_t milliseconds) {
    auto* a = dynamic_cast<HandleObject*>(&first);
    auto* b = dynamic_cast<HandleObject*>(&second);
    if (a == nullptr || b == nullptr) {
        return EitherResult::Failed;
    }
    // One kernel wait on both handles: a thread blocked on another process's event still wakes at once
    // when its own stop event is set. The lower index wins when both are signalled.
    HANDLE handles[2] = {a->Handle(), b->Handle()};
    switch (WaitForMultipleObjects(2, handles, FALSE, milliseconds)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED_0:
        return EitherResult::First;
    case WAIT_OBJECT_0 + 1:
    case WAIT_ABANDONED_0 + 1:
        return EitherResult::Second;
    case WAIT_TIMEOUT:
        return EitherResult::TimedOut;
    default:
        return EitherResult::Failed;
    }
}

} // namespace platform::win32
