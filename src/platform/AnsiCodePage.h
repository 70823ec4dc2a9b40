// The system's ANSI code page: the bytes a text becomes for the parts of the system that still work
// in bytes (the WEP key generators among them). The same passphrase must give the keys every other
// program of this system derives from it on the same machine, so the conversion is the system's own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // `text` in the code page; a character it cannot show becomes its default character. At most
    // `maxBytes` bytes, ending on a character boundary (a double-byte character is never split).
    virtual std::vector<uint8_t> ToAnsi(std::u16string_view text, size_t maxBytes) const = 0;
};

} // namespace platform
