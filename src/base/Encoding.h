// Conversions between byte encodings and UTF-16, as Windows performs them for text files.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace base {

// UTF-8 to UTF-16; each byte that does not start or continue a valid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::span<const uint8_t> bytes);
std::u16string Utf8ToUtf16(std::string_view text);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Windows-1252, the ANSI code page of the Western-European installations the program meets. The five
// bytes the code page leaves undefined map to the control character of the same value, as Windows does.
std::u16string Windows1252ToUtf16(std::span<const uint8_t> bytes);

// UTF-16 little-endian bytes (without a mark) to text; an odd last byte is dropped.
std::u16string Utf16LeToUtf16(std::span<const uint8_t> bytes);
std::u16string Utf16BeToUtf16(std::span<const uint8_t> bytes);

} // namespace base
