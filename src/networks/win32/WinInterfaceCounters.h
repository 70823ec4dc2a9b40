// The interface rows of the IP helper library.
#pragma once

#include "platform/InterfaceCounters.h"

namespace networks::win32 {

class WinInterfaceCounters final : public platform::InterfaceCounters {
public:
    bool ReadRow(uint32_t interfaceIndex, platform::InterfaceRow& row) override;
};

} // namespace networks::win32
