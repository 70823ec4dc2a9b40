#include "drvseed/ValueEncoding.h"

#include "base/Text.h"

namespace drvseed {
namespace {

// One pair read the way "%x" reads it: blanks first, then hexadecimal digits until one is not; a pair
// without digits is 0.
uint8_t ParseHexPair(std::u16string_view pair) {
    size_t at = 0;
    while (at < pair.size() && base::IsBlank(pair[at])) {
        ++at;
    }
    unsigned value = 0;
    for (; at < pair.size() && base::HexDigitValue(pair[at]) >= 0; ++at) {
        value = value * 16 + static_cast<unsigned>(base::HexDigitValue(pair[at]));
    }
    return static_cast<uint8_t>(value);
}

void AppendUnits(std::vector<uint8_t>& out, std::u16string_view text) {
    for (char16_t unit : text) {
        out.push_back(static_cast<uint8_t>(unit & 0xFF));
        out.push_back(static_cast<uint8_t>(unit >> 8));
    }
}

} // namespace

std::vector<uint8_t> ParseBinaryText(std::u16string_view text) {
    std::vector<uint8_t> bytes((text.size() + 2) / 3);
    for (size_t k = 0; k < bytes.size(); ++k) {
        bytes[k] = ParseHexPair(text.substr(3 * k, 2));
    }
    return bytes;
}

std::optional<platform::RegValue> EncodeValue(std::u16string_view type, std::u16string_view text) {
    if (base::EqualsAsciiNoCase(type, u"REG_SZ")) {
        return platform::RegValue::String(text);
    }
    if (base::EqualsAsciiNoCase(type, u"REG_MULTI_SZ")) {
        platform::RegValue value;
        value.type = platform::kRegMultiSz;
        AppendUnits(value.data, text);
        AppendUnits(value.data, std::u16string_view(u"\0\0", 2));
        return value;
    }
    if (base::EqualsAsciiNoCase(type, u"REG_DWORD")) {
        return platform::RegValue::Dword(static_cast<uint32_t>(base::ParseInt(text)));
    }
    if (base::EqualsAsciiNoCase(type, u"REG_BINARY")) {
        return platform::RegValue::Binary(ParseBinaryText(text));
    }
    return std::nullopt;
}

std::optional<uint32_t> ParseRoot(std::u16string_view name) {
    if (base::EqualsAsciiNoCase(name, u"HKEY_LOCAL_MACHINE")) {
        return platform::kHkeyLocalMachine;
    }
    if (base::EqualsAsciiNoCase(name, u"HKEY_CURRENT_USER")) {
        return platform::kHkeyCurrentUser;
    }
    return std::nullopt;
}

} // namespace drvseed
