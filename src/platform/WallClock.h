// The calendar time: seconds since 1970-01-01 UTC, as the program stores the time of its last update
// check. Kept apart from Clock, whose tick count wraps and says nothing about the date.
#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

class WallClock {
public:
    virtual ~WallClock() = default;
    virtual int64_t SecondsSince1970() = 0;
};

// The system's clock; the standard library reads it the same way on every platform.
class SystemWallClock final : public WallClock {
public:
    int64_t SecondsSince1970() override {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    }
};

} // namespace platform
