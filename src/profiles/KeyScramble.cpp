#include "profiles/KeyScramble.h"

namespace profiles {
namespace {

constexpr unsigned kMask = 0x3C;
constexpr unsigned kHighBase = u'0';
constexpr unsigned kLowBase = u'z';
// A 16-bit unit shifted right by four leaves twelve bits.
constexpr unsigned kHighLast = kHighBase + 0xFFF;

} // namespace

std::u16string ScrambleKeyText(std::u16string_view text) {
    std::u16string stored;
    stored.reserve(text.size() * 2);
    for (char16_t c : text) {
        unsigned b = static_cast<unsigned>(c) ^ kMask;
        stored.push_back(static_cast<char16_t>(kHighBase + (b >> 4)));
        stored.push_back(static_cast<char16_t>(kLowBase - (b & 0xF)));
    }
    return stored;
}

std::u16string UnscrambleKeyText(std::u16string_view stored) {
    std::u16string text;
    text.reserve(stored.size() / 2);
    for (size_t i = 0; i + 1 < stored.size(); i += 2) {
        unsigned h = stored[i];
        unsigned l = stored[i + 1];
        if (h < kHighBase || h > kHighLast || l > kLowBase || l < kLowBase - 0xF) {
            continue;
        }
        unsigned c = (((h - kHighBase) << 4) + (kLowBase - l)) ^ kMask;
        if (c == 0) {
            continue;
        }
        text.push_back(static_cast<char16_t>(c));
    }
    return text;
}

} // namespace profiles
