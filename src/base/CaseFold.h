// Case-insensitive comparison of names the way the registry and the file system see them: every
// letter that has a case partner, not only A-Z.
//
// Covers Unicode's simple case folding for the Basic Multilingual Plane: Latin (Basic, Latin-1,
// Extended-A to -E, Additional), Greek and Coptic, Cyrillic and its supplements, Armenian, Georgian,
// Cherokee, Glagolitic, letter-like symbols (Kelvin, Ohm), Roman numerals, circled and full-width
// letters. Surrogate pairs (letters outside the BMP, such as Deseret) are left as they are, and so
// are mappings that need more than one unit (the German sharp s stays one letter of its own).
#pragma once

#include <string>
#include <string_view>

namespace base {

char16_t FoldCase(char16_t c);
std::u16string FoldCase(std::u16string_view text);
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);

} // namespace base
