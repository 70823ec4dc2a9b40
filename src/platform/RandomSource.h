// Unpredictable bytes from the system's cryptographic random source, for secrets the program makes up
// (a registrar's network name and passphrase). Nothing here may fall back to a seeded generator: a
// caller that gets false makes no secret.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Fills `count` bytes; false when the system could not deliver them (the buffer is then undefined).
    virtual bool Fill(uint8_t* bytes, size_t count) = 0;
};

} // namespace platform
