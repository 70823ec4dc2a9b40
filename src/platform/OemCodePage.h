// The console's OEM code page: the bytes console commands write. A double-byte code page may split a
// character between two reads, so the caller asks which bytes lead such a character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

class OemCodePage {
public:
    virtual ~OemCodePage() = default;
    // Whether `byte` is the first of a two-byte character (never true on a single-byte page).
    virtual bool IsLeadByte(uint8_t byte) const = 0;
    // The text of `count` bytes that hold whole characters only.
    virtual std::u16string ToUnicode(const uint8_t* bytes, size_t count) const = 0;
};

} // namespace platform
