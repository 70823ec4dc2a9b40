#include "wps/WpsRegistrar.h"

#include <array>
#include <cstdint>

namespace wps {

namespace {

constexpr uint32_t kPrintableCount = 95; // ' ' .. '~'

// Uniform draws below a bound from random bytes: a byte at or above the largest multiple of the bound
// is thrown away instead of folded back, which would favour the low values.
class Draws {
public:
    explicit Draws(platform::RandomSource& random) : m_random(random) {}

    std::optional<uint32_t> Below(uint32_t bound) {
        const uint32_t limit = 256 - 256 % bound;
        for (;;) {
            if (m_used == m_buffer.size()) {
                if (!m_random.Fill(m_buffer.data(), m_buffer.size())) {
                    return std::nullopt;
                }
                m_used = 0;
            }
            const uint32_t byte = m_buffer[m_used++];
            if (byte < limit) {
                return byte % bound;
            }
        }
    }

private:
    platform::RandomSource& m_random;
    std::array<uint8_t, 64> m_buffer{};
    size_t m_used = 64;
};

} // namespace

std::optional<RegistrarValues> MakeRegistrarValues(platform::RandomSource& random) {
    Draws draws(random);
    RegistrarValues values;
    values.ssid = kRegistrarSsidPrefix;
    for (size_t i = 0; i < kRegistrarSuffixLength; ++i) {
        const std::optional<uint32_t> r = draws.Below(kPrintableCount);
        if (!r) {
            return std::nullopt;
        }
        // A backslash in a network name would nest the profile's registry key: "]" stands for it.
        const char16_t c = static_cast<char16_t>(u' ' + *r);
        values.ssid.push_back(c == u'\\' ? u']' : c);
    }
    const std::optional<uint32_t> extra =
        draws.Below(static_cast<uint32_t>(kRegistrarPassphraseMax - kRegistrarPassphraseMin + 1));
    if (!extra) {
        return std::nullopt;
    }
    const size_t length = kRegistrarPassphraseMin + *extra;
    for (size_t i = 0; i < length; ++i) {
        const std::optional<uint32_t> r = draws.Below(kPrintableCount);
        if (!r) {
            return std::nullopt;
        }
        values.passphrase.push_back(static_cast<char16_t>(u' ' + *r));
    }
    return values;
}

} // namespace wps
