#include <gtest/gtest.h>

#include "controls/CNamedColors.h"

namespace {
uint32_t Value(std::u16string_view text) {
    return CNamedColors(text).value();
}
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return CNamedColors::Rgb(r, g, b);
}
} // namespace

TEST(CNamedColors, DecimalTriplesWithAnOptionalBlue) {
    EXPECT_EQ(Value(u"255,0,0"), Rgb(255, 0, 0));
    EXPECT_EQ(Value(u"10,20,30"), 0x1E140Au) << "COLORREF order: red in the low byte";
    EXPECT_EQ(Value(u"10,20"), Rgb(10, 20, 0));
}

TEST(CNamedColors, SevenCharacterHexWithHash) {
    EXPECT_EQ(Value(u"#FF8000"), Rgb(0xFF, 0x80, 0x00));
    EXPECT_EQ(Value(u"#00ff7f"), Rgb(0, 0xFF, 0x7F));
    EXPECT_EQ(Value(u"#FF80"), 0u) << "too short: no colour name either, so black";
    EXPECT_EQ(Value(u"#GG0000"), 0u);
}

TEST(CNamedColors, HtmlNamesIncludingTheThreeDeviatingValues) {
    EXPECT_EQ(CNamedColors::NameCount(), 179u);
    EXPECT_EQ(Value(u"Red"), Rgb(255, 0, 0));
    EXPECT_EQ(Value(u"aliceblue"), Rgb(0xF0, 0xF8, 0xFF));
    EXPECT_EQ(Value(u"Lawngreen"), Rgb(0x7C, 0xFC, 0x00));
    EXPECT_EQ(Value(u"BURLYWOOD"), Rgb(0xDE, 0xB8, 0x87));
    EXPECT_EQ(Value(u"LightGrey"), Rgb(0xD3, 0xD3, 0xD3));
    EXPECT_EQ(Value(u"Green"), Rgb(0, 0x80, 0));
    EXPECT_EQ(Value(u"BlanchedAlmond"), Rgb(0xFF, 0xFF, 0xCD));
    EXPECT_EQ(Value(u"Gray"), Rgb(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(Value(u"YellowGreen"), Rgb(0x8B, 0xCD, 0x32));
    EXPECT_EQ(Value(u"LightGray"), 0u) << "spelled as in the table only";
    EXPECT_EQ(Value(u"NoSuchColour"), 0u);
}

TEST(CNamedColors, SystemNamesResolveThroughTheSystemLookup) {
    CNamedColors window(u"Window");
    EXPECT_TRUE(window.IsSystemColour());
    EXPECT_EQ(window.value(), CNamedColors::kSystemColourFlag | 5);
    const std::pair<const char16_t*, int> expected[] = {{u"ScrollBar", 0},
                                                        {u"Background", 1},
                                                        {u"ActiveCaption", 2},
                                                        {u"Menu", 4},
                                                        {u"WindowText", 8},
                                                        {u"BtnFace", 15},
                                                        {u"BtnHilight", 20},
                                                        {u"ControlDarkDark", 21},
                                                        {u"InfoBk", 24},
                                                        {u"HotTrack", 26},
                                                        {u"GradientInactiveCaption", 28},
                                                        {u"MenuHilight", 29},
                                                        {u"MenuBar", 30}};
    for (const auto& [name, index] : expected) {
        CNamedColors colour(name);
        EXPECT_EQ(colour.value(), CNamedColors::kSystemColourFlag | static_cast<uint32_t>(index))
            << static_cast<char>(name[0]);
        EXPECT_EQ(colour.Resolve([](int i) { return static_cast<uint32_t>(0x010101 * i); }),
                  static_cast<uint32_t>(0x010101 * index));
    }
    EXPECT_EQ(CNamedColors(u"Red").Resolve([](int) { return 0x123456u; }), Rgb(255, 0, 0));
}
