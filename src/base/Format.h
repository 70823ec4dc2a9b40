// printf-style formatting of UTF-16 patterns without handing any pattern to the C runtime.
//
// Format() is for the program's own patterns ("%02X:%02X:%02X:%02X:%02X:%02X", "%4d(B)", "%.2f", ...).
// FormatTranslated() is for patterns that come from language files: a translator may have dropped,
// added or reordered conversions, so the text is substituted only when its conversions are exactly
// the ones the call site supplies; otherwise it is shown as it stands.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace base {

class FormatArg {
public:
    enum class Kind { Integer, Real, Text };

    FormatArg(int v) : m_kind(Kind::Integer), m_int(v) {}
    FormatArg(unsigned v) : m_kind(Kind::Integer), m_int(v) {}
    FormatArg(long v) : m_kind(Kind::Integer), m_int(v) {}
    FormatArg(unsigned long v) : m_kind(Kind::Integer), m_int(static_cast<int64_t>(v)) {}
    FormatArg(long long v) : m_kind(Kind::Integer), m_int(v) {}
    FormatArg(unsigned long long v) : m_kind(Kind::Integer), m_int(static_cast<int64_t>(v)) {}
    FormatArg(double v) : m_kind(Kind::Real), m_real(v) {}
    FormatArg(std::u16string_view v) : m_kind(Kind::Text), m_text(v) {}
    FormatArg(const std::u16string& v) : m_kind(Kind::Text), m_text(v) {}
    FormatArg(const char16_t* v)
        : m_kind(Kind::Text), m_text(v ? std::u16string_view(v) : std::u16string_view()) {}

    Kind kind() const { return m_kind; }
    int64_t integer() const { return m_int; }
    double real() const { return m_real; }
    std::u16string_view text() const { return m_text; }

private:
    Kind m_kind;
    int64_t m_int = 0;
    double m_real = 0;
    std::u16string_view m_text;
};

// Formats when every conversion of the pattern has an argument of its kind and every argument is used;
// nullopt otherwise. Conversions: d i u x X o c s S f e g %, with flags "-+ #0", a width and a precision
// (no '*'), and the length prefixes h hh l ll I64. Widths and precisions are capped at 512.
std::optional<std::u16string> TryFormat(std::u16string_view pattern, std::initializer_list<FormatArg> args);

// The program's own patterns. A pattern that does not fit its arguments is a programming error; it is
// returned unformatted rather than read past its arguments.
std::u16string Format(std::u16string_view pattern, std::initializer_list<FormatArg> args);

// Patterns from language files: substituted only when they fit the arguments exactly, else returned as
// they stand. With no arguments, a text holding any conversion is shown without substitution, and "%%"
// stays "%%".
std::u16string FormatTranslated(std::u16string_view pattern, std::initializer_list<FormatArg> args);

// Frequently used forms.
std::u16string FormatMac(const uint8_t mac[6]); // "%02X:%02X:%02X:%02X:%02X:%02X"
std::u16string FormatIpv4(const uint8_t ip[4]); // "%d.%d.%d.%d", first byte first

} // namespace base
