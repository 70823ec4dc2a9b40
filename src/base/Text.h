// UTF-16 text helpers. Text is std::u16string as on Windows; lengths and cuts are in UTF-16 units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// Widens 7-bit text (literals, numbers, ASCII protocol words) unit by unit.
std::u16string Widen(std::string_view ascii);

// Narrows for diagnostics: ASCII stays, everything else becomes '?'.
std::string NarrowForLog(std::u16string_view text);

// Case folding as the system uses it: only the letters a-z / A-Z change.
char16_t AsciiUpper(char16_t c);
char16_t AsciiLower(char16_t c);
std::u16string AsciiUpper(std::u16string_view text);
std::u16string AsciiLower(std::u16string_view text);
bool EqualsAsciiNoCase(std::u16string_view a, std::u16string_view b);

// White space as the C runtime's isspace sees it: blank, tab, line feed, vertical tab, form feed, return.
bool IsBlank(char16_t c);
std::u16string_view TrimLeft(std::u16string_view text);
std::u16string_view TrimRight(std::u16string_view text);
std::u16string_view Trim(std::u16string_view text);

// The text of a fixed, zero-terminated field: up to the first zero unit or the field's end.
std::u16string_view FieldText(const char16_t* field, size_t capacity);

template <size_t N> std::u16string_view FieldText(const char16_t (&field)[N]) {
    return FieldText(field, N);
}

// Copies into a fixed field: cut to capacity - 1 units and always terminated; the rest of the field is
// zeroed so that no stale text survives behind the terminator. Returns the number of units copied.
size_t CopyToField(char16_t* field, size_t capacity, std::u16string_view text);

template <size_t N> size_t CopyToField(char16_t (&field)[N], std::u16string_view text) {
    return CopyToField(field, N, text);
}

// The value of a hexadecimal digit (0-9, a-f, A-F), or -1 for any other unit.
int HexDigitValue(char16_t c);

// Parses a decimal number the way the C runtime's _wtoi does: leading blanks, optional sign, digits;
// anything else ends the number; no digits give 0. Out-of-range values wrap like a 32-bit int.
int32_t ParseInt(std::u16string_view text);

// True when the text is a complete, non-empty decimal number (optional sign).
bool IsDecimalNumber(std::u16string_view text);

} // namespace base
