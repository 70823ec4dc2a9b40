// Time as the program measures it: the platform's millisecond tick count, and sleeping.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t TickCount() = 0; // wraps after 49.7 days, as GetTickCount does
    virtual void Sleep(uint32_t milliseconds) = 0;
};

} // namespace platform
