#pragma once

#include "platform/RandomSource.h"

namespace platform::win32 {

// The system's preferred generator (BCryptGenRandom), as Windows 7 and Wine offer it.
class WinRandomSource final : public RandomSource {
public:
    bool Fill(uint8_t* bytes, size_t count) override;
};

} // namespace platform::win32
