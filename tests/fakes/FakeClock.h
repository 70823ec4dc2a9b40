// A clock that moves only when told to, or when the code under test sleeps.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/Clock.h"

namespace fakes {

class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(uint32_t start = 1000) : m_now(start) {}
    uint32_t TickCount() override { return m_now; }
    void Sleep(uint32_t milliseconds) override {
        m_now += milliseconds;
        m_slept += milliseconds;
    }
    void Advance(uint32_t milliseconds) { m_now += milliseconds; }
    uint64_t TotalSlept() const { return m_slept; }

private:
    std::atomic<uint32_t> m_now;
    std::atomic<uint64_t> m_slept{0};
};

} // namespace fakes
