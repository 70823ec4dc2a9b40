#include "LanguageFileRules.h"

#include "base/CaseFold.h"
#include "base/Encoding.h"

namespace languagerules {

namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Length of the conversion that starts at text[at] == '%', or 0 when it is a plain percent sign.
size_t ConversionLength(std::u16string_view text, size_t at) {
    size_t i = at + 1;
    while (i < text.size() && std::u16string_view(u"-+ #0").find(text[i]) != std::u16string_view::npos) {
        ++i;
    }
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
    }
    for (std::u16string_view prefix : {u"I64", u"hh", u"ll", u"h", u"l"}) {
        if (text.substr(i, prefix.size()) == prefix) {
            i += prefix.size();
            break;
        }
    }
    if (i < text.size() && std::u16string_view(u"diuxXocsSfeg%").find(text[i]) != std::u16string_view::npos) {
        return i + 1 - at;
    }
    return 0;
}

} // namespace

std::vector<std::u16string> Conversions(std::u16string_view text) {
    std::vector<std::u16string> found;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            continue;
        }
        size_t length = ConversionLength(text, i);
        if (length > 0) {
            found.emplace_back(text.substr(i, length));
            i += length - 1;
        }
    }
    return found;
}

EscapeCounts Escapes(std::u16string_view text) {
    EscapeCounts counts;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'\\') {
            continue;
        }
        switch (text[i + 1]) {
        case u'n':
            ++counts.newlines;
            ++i;
            break;
        case u'r':
            ++counts.returns;
            ++i;
            break;
        case u'"':
            ++counts.quotes;
            ++i;
            break;
        default:
            break;
        }
    }
    return counts;
}

std::vector<char16_t> Mnemonics(std::u16string_view text) {
    std::vector<char16_t> letters;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') {
            continue;
        }
        char16_t next = text[i + 1];
        if (next == u'&') {
            ++i;
            continue;
        }
        // "&name;" or "&#digits;" is a character of the mark-up, not an underlined letter.
        size_t j = i + 1;
        if (next == u'#') {
            ++j;
        }
        size_t nameStart = j;
        while (j < text.size() && (IsAsciiLetter(text[j]) || IsDigit(text[j]))) {
            ++j;
        }
        if (j > nameStart && j < text.size() && text[j] == u';') {
            i = j;
            continue;
        }
        letters.push_back(base::FoldCase(next));
    }
    return letters;
}

std::u16string_view ColumnWidth(std::u16string_view text) {
    size_t comma = text.rfind(u',');
    if (comma == std::u16string_view::npos || comma + 1 == text.size()) {
        return {};
    }
    for (size_t i = comma + 1; i < text.size(); ++i) {
        if (!IsDigit(text[i])) {
            return {};
        }
    }
    return text.substr(comma);
}

std::string Utf8(std::u16string_view text) {
    return base::Utf16ToUtf8(text);
}

} // namespace languagerules
