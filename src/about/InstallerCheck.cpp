#include "about/InstallerCheck.h"

#include "base/Md5.h"

namespace about {
namespace {

constexpr char16_t kSeparator = u'\t';
constexpr size_t kMd5Digits = 32;

char LowerHexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return static_cast<char>(c);
    }
    if (c >= u'a' && c <= u'f') {
        return static_cast<char>(c);
    }
    if (c >= u'A' && c <= u'F') {
        return static_cast<char>(c - u'A' + u'a');
    }
    return 0;
}

} // namespace

std::optional<InstallerStatement> ParseInstallerStatement(std::u16string_view text) {
    size_t first = text.find(kSeparator);
    if (first == std::u16string_view::npos || first == 0) {
        return std::nullopt;
    }
    size_t second = text.find(kSeparator, first + 1);
    if (second == std::u16string_view::npos) {
        return std::nullopt;
    }
    InstallerStatement statement;
    statement.path = std::u16string(text.substr(0, first));
    std::u16string_view size = text.substr(first + 1, second - first - 1);
    if (size.empty()) {
        return std::nullopt;
    }
    constexpr uint64_t kMax = UINT64_MAX;
    for (char16_t c : size) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        auto digit = static_cast<uint64_t>(c - u'0');
        if (statement.size > (kMax - digit) / 10) {
            return std::nullopt; // beyond what any file can hold
        }
        statement.size = statement.size * 10 + digit;
    }
    std::u16string_view md5 = text.substr(second + 1);
    if (md5.size() != kMd5Digits) {
        return std::nullopt;
    }
    for (char16_t c : md5) {
        char digit = LowerHexDigit(c);
        if (digit == 0) {
            return std::nullopt;
        }
        statement.md5 += digit;
    }
    return statement;
}

bool InstallerMatches(const InstallerStatement& statement, std::span<const uint8_t> bytes) {
    // Every Windows program starts with the "MZ" of its DOS header.
    if (bytes.size() != statement.size || bytes.size() < 2 || bytes[0] != 'M' || bytes[1] != 'Z') {
        return false;
    }
    return base::Md5::HexOf(base::Md5::Of(bytes)) == statement.md5;
}

} // namespace about
