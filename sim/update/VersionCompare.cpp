#include "VersionCompare.h"

#include "base/Text.h"

namespace orvl_update {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The digits a part starts with, without leading zeros, so that numbers compare by length and then
// digit by digit whatever their size.
std::u16string_view PartNumber(std::u16string_view part) {
    part = base::Trim(part);
    size_t digits = 0;
    while (digits < part.size() && IsDigit(part[digits])) {
        ++digits;
    }
    part = part.substr(0, digits);
    while (!part.empty() && part.front() == u'0') {
        part.remove_prefix(1);
    }
    return part;
}

std::u16string_view NextPart(std::u16string_view& rest) {
    size_t dot = rest.find(u'.');
    std::u16string_view part = rest.substr(0, dot);
    rest = dot == std::u16string_view::npos ? std::u16string_view() : rest.substr(dot + 1);
    return part;
}

} // namespace

int CompareVersions(std::u16string_view a, std::u16string_view b) {
    a = base::Trim(a);
    b = base::Trim(b);
    while (!a.empty() || !b.empty()) {
        std::u16string_view x = PartNumber(NextPart(a));
        std::u16string_view y = PartNumber(NextPart(b));
        if (x.size() != y.size()) {
            return x.size() < y.size() ? -1 : 1;
        }
        int order = x.compare(y);
        if (order != 0) {
            return order < 0 ? -1 : 1;
        }
    }
    return 0;
}

bool HasVersionNumber(std::u16string_view text) {
    for (char16_t c : text) {
        if (IsDigit(c)) {
            return true;
        }
    }
    return false;
}

} // namespace orvl_update
