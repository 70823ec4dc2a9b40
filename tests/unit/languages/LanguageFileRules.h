// The rules a translation keeps against the English file, as pure functions over texts, so the file
// test reads like the list of rules and each rule is tried on its own against hand-made texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace languagerules {

// The printf conversions of a text in order, each as written ("%s", "%02X", "%3d", "%%"), by the
// grammar the guarded formatter accepts: flags "-+ #0", a width, a precision, the length prefixes
// h hh l ll I64 and one of d i u x X o c s S f e g %. A '%' that starts no conversion is plain text.
std::vector<std::u16string> Conversions(std::u16string_view text);

// How often each two-character escape of the language files occurs: backslash-n, backslash-r,
// backslash-quote.
struct EscapeCounts {
    int newlines = 0;
    int returns = 0;
    int quotes = 0;
    bool operator==(const EscapeCounts&) const = default;
};
EscapeCounts Escapes(std::u16string_view text);

// The mnemonic letters of a caption, case-folded: the unit after each single "&". "&&" is a plain
// ampersand, and a character reference of the mark-up statics ("&nbsp;", "&#160;") is no mnemonic.
std::vector<char16_t> Mnemonics(std::u16string_view text);

// ",<digits>" at the end of a list column's "Caption,width"; empty when the text has none.
std::u16string_view ColumnWidth(std::u16string_view text);

// Shown in failure messages: UTF-8, so a reader sees the translation as written.
std::string Utf8(std::u16string_view text);

} // namespace languagerules
