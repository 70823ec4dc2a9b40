#include <gtest/gtest.h>

#include <vector>

#include "base/Encoding.h"

using namespace base;

TEST(Encoding, Windows1252MapsItsHighRowAndLeavesUndefinedBytes) {
    std::vector<uint8_t> bytes = {0x80, 0x81, 0x9F, 0xE4, 0x41};
    EXPECT_EQ(Windows1252ToUtf16(bytes), std::u16string(u"\u20AC\u0081\u0178\u00E4A"));
}

TEST(Encoding, Utf8RoundTripAndInvalidBytes) {
    std::u16string text = u"Größe Ωμέγα Привет \U0001F600";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    std::vector<uint8_t> bad = {0x41, 0xFF, 0x42, 0xC3};
    EXPECT_EQ(Utf8ToUtf16(bad), std::u16string(u"A\uFFFDB\uFFFD"));
    std::vector<uint8_t> overlong = {0xC0, 0xAF};
    EXPECT_EQ(Utf8ToUtf16(overlong).front(), u'\uFFFD');
}

TEST(Encoding, Utf16DropsAnOddLastByte) {
    std::vector<uint8_t> le = {0x41, 0x00, 0x42};
    EXPECT_EQ(Utf16LeToUtf16(le), u"A");
    std::vector<uint8_t> be = {0x00, 0x41, 0x04, 0x1F};
    EXPECT_EQ(Utf16BeToUtf16(be), u"A\u041F");
}
