// A random source that hands out the bytes a test scripted, then 0, 1, 2, ... ; `fail` makes it refuse
// as a system without a generator would.
#pragma once

#include <cstdint>
#include <deque>

#include "platform/RandomSource.h"

namespace fakes {

class FakeRandomSource final : public platform::RandomSource {
public:
    bool Fill(uint8_t* out, size_t count) override {
        ++calls;
        if (fail) {
            return false;
        }
        for (size_t i = 0; i < count; ++i) {
            if (bytes.empty()) {
                out[i] = m_next++;
            } else {
                out[i] = bytes.front();
                bytes.pop_front();
            }
        }
        return true;
    }

    std::deque<uint8_t> bytes;
    bool fail = false;
    int calls = 0;

private:
    uint8_t m_next = 0;
};

} // namespace fakes
