#pragma once

#include "platform/NamedObjects.h"

namespace platform::win32 {

class WinNamedObjects final : public NamedObjects {
public:
    NamedObject CreateNamedMutex(std::u16string_view name, bool initiallyOwned) override;
    NamedObject CreateNamedEvent(std::u16string_view name, bool manualReset, bool initiallySet) override;
    std::unique_ptr<SyncObject> OpenNamedEvent(std::u16string_view name) override;
    std::unique_ptr<SyncObject> CreateLocalEvent(bool manualReset, bool initiallySet) override;
    EitherResult WaitForEither(SyncObject& first, SyncObject& second, uint32_t milliseconds) override;
};

} // namespace platform::win32
