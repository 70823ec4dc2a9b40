#include "wps/WpsPinRules.h"

#include <algorithm>

namespace wps {

bool PinHasEightDigits(std::u16string_view text) {
    return text.size() == kPinDigits &&
           std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

bool PinCheckDigitValid(std::u16string_view text) {
    if (!PinHasEightDigits(text)) {
        return false;
    }
    unsigned sum = 0;
    for (size_t i = 0; i + 1 < kPinDigits; ++i) {
        const unsigned digit = static_cast<unsigned>(text[i] - u'0');
        sum += (i % 2 == 0) ? 3 * digit : digit;
    }
    const unsigned check = (10 - sum % 10) % 10;
    return static_cast<unsigned>(text[kPinDigits - 1] - u'0') == check;
}

} // namespace wps
