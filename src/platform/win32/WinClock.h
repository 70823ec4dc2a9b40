#pragma once

#include "platform/Clock.h"

namespace platform::win32 {

class WinClock final : public Clock {
public:
    uint32_t TickCount() override;
    void Sleep(uint32_t milliseconds) override;
};

} // namespace platform::win32
