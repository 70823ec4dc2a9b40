// MD5 message digest (RFC 1321), used for the 128-bit WEP key.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace base {

class Md5 {
public:
    using Digest = std::array<uint8_t, 16>;

    Md5();
    void Update(std::span<const uint8_t> bytes);
    Digest Finish();

    static Digest Of(std::span<const uint8_t> bytes);
    static std::string HexOf(const Digest& digest); // lower-case, as the test suite prints it

private:
    void Transform(const uint8_t block[64]);

    uint32_t m_state[4];
    uint64_t m_bitCount = 0;
    uint8_t m_buffer[64];
};

} // namespace base
