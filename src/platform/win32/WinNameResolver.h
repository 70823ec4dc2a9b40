// Host-name lookup through the socket library.
#pragma once

#include "platform/NameResolver.h"

namespace platform::win32 {

class WinNameResolver final : public NameResolver {
public:
    // Starts the socket library for the process on first use; false when it cannot be started.
    bool Resolve(std::u16string_view host) override;
};

} // namespace platform::win32
