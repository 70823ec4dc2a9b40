#include "base/Format.h"

#include <cstdio>
#include <vector>

#include "base/Text.h"

namespace base {
namespace {

constexpr int kMaxWidth = 512;

struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    int lengthBits = 32; // 8, 16, 32 or 64
    char conversion = 0;
};

// Reads one conversion after the '%'; returns false for anything outside the supported repertoire.
bool ParseConversion(std::u16string_view pattern, size_t& i, Conversion& conv) {
    while (i < pattern.size()) {
        char16_t c = pattern[i];
        if (c == u'-' || c == u'+' || c == u' ' || c == u'#' || c == u'0') {
            if (conv.flags.find(static_cast<char>(c)) == std::string::npos) {
                conv.flags.push_back(static_cast<char>(c));
            }
            ++i;
        } else {
            break;
        }
    }
    auto readNumber = [&](int& out) {
        int value = 0;
        bool any = false;
        while (i < pattern.size() && pattern[i] >= u'0' && pattern[i] <= u'9') {
            value = value * 10 + (pattern[i] - u'0');
            if (value > kMaxWidth) {
                value = kMaxWidth;
            }
            any = true;
            ++i;
        }
        if (any) {
            out = value;
        }
        return any;
    };
    readNumber(conv.width);
    if (i < pattern.size() && pattern[i] == u'.') {
        ++i;
        conv.precision = 0;
        readNumber(conv.precision);
    }
    if (i < pattern.size() && pattern[i] == u'h') {
        ++i;
        conv.lengthBits = 16;
        if (i < pattern.size() && pattern[i] == u'h') {
            ++i;
            conv.lengthBits = 8;
        }
    } else if (i < pattern.size() && pattern[i] == u'l') {
        ++i;
        if (i < pattern.size() && pattern[i] == u'l') {
            ++i;
            conv.lengthBits = 64;
        }
    } else if (pattern.substr(i, 3) == u"I64") {
        i += 3;
        conv.lengthBits = 64;
    }
    if (i >= pattern.size()) {
        return false;
    }
    char16_t c = pattern[i++];
    switch (c) {
    case u'd':
    case u'i':
    case u'u':
    case u'x':
    case u'X':
    case u'o':
    case u'c':
    case u's':
    case u'S':
    case u'f':
    case u'e':
    case u'g':
    case u'%':
        conv.conversion = static_cast<char>(c);
        return true;
    default:
        return false;
    }
}

FormatArg::Kind KindOf(char conversion) {
    switch (conversion) {
    case 's':
    case 'S':
        return FormatArg::Kind::Text;
    case 'f':
    case 'e':
    case 'g':
        return FormatArg::Kind::Real;
    default:
        return FormatArg::Kind::Integer;
    }
}

void Pad(std::u16string& out, std::u16string_view body, const Conversion& conv) {
    size_t width = conv.width > 0 ? static_cast<size_t>(conv.width) : 0;
    size_t fill = width > body.size() ? width - body.size() : 0;
    bool left = conv.flags.find('-') != std::string::npos;
    if (!left) {
        out.append(fill, u' ');
    }
    out.append(body);
    if (left) {
        out.append(fill, u' ');
    }
}

// Numbers go through snprintf with a conversion rebuilt from validated parts, never from the pattern;
// that is why the non-literal format is safe here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
void AppendNumber(std::u16string& out, const Conversion& conv, const FormatArg& arg) {
    std::string fmt(1, '%');
    fmt.append(conv.flags);
    if (conv.width >= 0) {
        fmt.append(std::to_string(conv.width));
    }
    if (conv.precision >= 0) {
        fmt.push_back('.');
        fmt.append(std::to_string(conv.precision));
    }
    char buffer[kMaxWidth * 2 + 64];
    int n = 0;
    if (conv.conversion == 'f' || conv.conversion == 'e' || conv.conversion == 'g') {
        fmt.push_back(conv.conversion);
        n = std::snprintf(buffer, sizeof buffer, fmt.c_str(), arg.real());
    } else if (conv.conversion == 'c') {
        char16_t ch = static_cast<char16_t>(arg.integer());
        Pad(out, std::u16string_view(&ch, 1), conv);
        return;
    } else {
        bool isSigned = conv.conversion == 'd' || conv.conversion == 'i';
        fmt.append("ll");
        fmt.push_back(conv.conversion);
        int64_t v = arg.integer();
        // The value is taken at the width the conversion names, as the C runtime would read it.
        switch (conv.lengthBits) {
        case 8:
            v = isSigned ? static_cast<int8_t>(v) : static_cast<uint8_t>(v);
            break;
        case 16:
            v = isSigned ? static_cast<int16_t>(v) : static_cast<uint16_t>(v);
            break;
        case 32:
            v = isSigned ? static_cast<int32_t>(v) : static_cast<int64_t>(static_cast<uint32_t>(v));
            break;
        default:
            break;
        }
        if (isSigned) {
            n = std::snprintf(buffer, sizeof buffer, fmt.c_str(), static_cast<long long>(v));
        } else {
            n = std::snprintf(buffer, sizeof buffer, fmt.c_str(), static_cast<unsigned long long>(v));
        }
    }
    if (n > 0) {
        out +=
            Widen(std::string_view(buffer, static_cast<size_t>(n) < sizeof buffer ? n : sizeof buffer - 1));
    }
}

#pragma GCC diagnostic pop

void AppendText(std::u16string& out, const Conversion& conv, std::u16string_view text) {
    if (conv.precision >= 0 && text.size() > static_cast<size_t>(conv.precision)) {
        text = text.substr(0, conv.precision);
    }
    Pad(out, text, conv);
}

} // namespace

std::optional<std::u16string> TryFormat(std::u16string_view pattern, std::initializer_list<FormatArg> args) {
    std::u16string out;
    out.reserve(pattern.size() + 16);
    const FormatArg* next = args.begin();
    for (size_t i = 0; i < pattern.size();) {
        char16_t c = pattern[i];
        if (c != u'%') {
            out.push_back(c);
            ++i;
            continue;
        }
        ++i;
        Conversion conv;
        if (!ParseConversion(pattern, i, conv)) {
            return std::nullopt;
        }
        if (conv.conversion == '%') {
            out.push_back(u'%');
            continue;
        }
        if (next == args.end() || next->kind() != KindOf(conv.conversion)) {
            return std::nullopt;
        }
        if (conv.conversion == 's' || conv.conversion == 'S') {
            AppendText(out, conv, next->text());
        } else {
            AppendNumber(out, conv, *next);
        }
        ++next;
    }
    if (next != args.end()) {
        return std::nullopt;
    }
    return out;
}

std::u16string Format(std::u16string_view pattern, std::initializer_list<FormatArg> args) {
    auto result = TryFormat(pattern, args);
    return result ? std::move(*result) : std::u16string(pattern);
}

std::u16string FormatTranslated(std::u16string_view pattern, std::initializer_list<FormatArg> args) {
    if (args.size() == 0) {
        return std::u16string(pattern);
    }
    auto result = TryFormat(pattern, args);
    return result ? std::move(*result) : std::u16string(pattern);
}

std::u16string FormatMac(const uint8_t mac[6]) {
    return Format(u"%02X:%02X:%02X:%02X:%02X:%02X", {unsigned{mac[0]}, unsigned{mac[1]}, unsigned{mac[2]},
                                                     unsigned{mac[3]}, unsigned{mac[4]}, unsigned{mac[5]}});
}

std::u16string FormatIpv4(const uint8_t ip[4]) {
    return Format(u"%d.%d.%d.%d", {int{ip[0]}, int{ip[1]}, int{ip[2]}, int{ip[3]}});
}

} // namespace base
