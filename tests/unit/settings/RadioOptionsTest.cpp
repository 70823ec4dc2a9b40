// The rules of the advanced and ad-hoc dialogs on their own: the mode boxes' cascade and the bits they
// give, the power scale both ways, the preamble and band choices and the channel lists.
#include <gtest/gtest.h>

#include "profiles/ProfileCodec.h"
#include "profiles/settings/AdHocOptions.h"
#include "profiles/settings/RadioOptions.h"

namespace profiles {
namespace {

// X checked, L checked and locked, . clear, - clear and locked.
std::string Describe(const ModeBoxes& boxes) {
    std::string text;
    for (int box = 0; box < kModeBoxCount; ++box) {
        text += boxes.checked[box] ? (boxes.enabled[box] ? 'X' : 'L') : (boxes.enabled[box] ? '.' : '-');
    }
    return text;
}

TEST(RadioOptions, StoredModesShowAsBoxesAndBoxesGiveTheWidestChoice) {
    const std::pair<uint32_t, const char*> shown[] = {
        {0x01, "XLLLL"}, {0x1F, "XLLLL"}, {0x02, ".X.L."}, {0x12, ".X.LX"}, {0x04, "..X.L"}, {0x0C, "..XXL"},
        {0x06, ".XXLL"}, {0x08, "...X."}, {0x18, "...XX"}, {0x10, "....X"}, {0x00, "....."},
    };
    for (const auto& [bits, boxes] : shown) {
        EXPECT_EQ(Describe(ModeBoxesFromBits(bits)), boxes) << "bits " << bits;
    }
    // Locked boxes are checked, but a wider box speaks for them.
    const std::pair<const char*, uint32_t> given[] = {
        {"XXXXX", 0x01}, {".X.X.", 0x02}, {".XXXX", 0x06}, {".X.XX", 0x12}, {"..X.X", 0x04},
        {"..XXX", 0x0C}, {"...X.", 0x08}, {"...XX", 0x18}, {"....X", 0x10}, {".....", 0x00},
    };
    for (const auto& [boxes, bits] : given) {
        std::array<bool, kModeBoxCount> checked{};
        for (int box = 0; box < kModeBoxCount; ++box) {
            checked[box] = boxes[box] == 'X';
        }
        EXPECT_EQ(ModeBitsFromBoxes(checked), bits) << boxes;
    }
    EXPECT_EQ(EncodeWirelessMode(0x12), 0xA00Du) << "2.4 GHz only with 54 Mbps 5 GHz has its own code";
}

TEST(RadioOptions, ClearingAWideModeFreesOnlyWhatNoOtherCheckedModeHolds) {
    ModeBoxes boxes = ModeBoxesFromBits(0x01);
    boxes.checked[kBox300AG] = false;
    ApplyModeRule(boxes, kBox300AG);
    EXPECT_EQ(Describe(boxes), ".XXLL");
    boxes.checked[kBox300G] = false;
    ApplyModeRule(boxes, kBox300G);
    EXPECT_EQ(Describe(boxes), "..XXL") << "54 Mbps 2.4 GHz is free and stays checked";
}

TEST(RadioOptions, PowerScaleBothWaysAndOffTheScale) {
    const std::vector<uint16_t> scales[] = {{0x800, 0x40, 0x20, 0x02}, {0x800, 0x20, 0x04, 0x02, 0x01}};
    for (bool five : {false, true}) {
        const std::vector<uint16_t>& codes = scales[five];
        ASSERT_EQ(PowerLevelCount(five), static_cast<int>(codes.size()));
        for (int i = 0; i < PowerLevelCount(five); ++i) {
            EXPECT_EQ(PowerCodeAt(i, five), codes[static_cast<size_t>(i)]);
            EXPECT_EQ(PowerIndexOfCode(codes[static_cast<size_t>(i)], five), i);
        }
        EXPECT_EQ(PowerCodeAt(-1, five), std::nullopt) << "no selection is no code";
        EXPECT_EQ(PowerCodeAt(PowerLevelCount(five), five), std::nullopt);
    }
    EXPECT_EQ(PowerIndexOfCode(0x01, false), std::nullopt) << "no lowest level on four levels";
    EXPECT_EQ(PowerIndexOfCode(0, false), std::nullopt) << "the empty slot of the four-level table";
    EXPECT_EQ(PowerIndexOfCode(0x40, true), std::nullopt);
}

TEST(RadioOptions, PreamblesOfferedAndChosen) {
    std::vector<uint8_t> all = OfferedPreambles(0x83);
    EXPECT_EQ(all, (std::vector<uint8_t>{0x01, 0x02, 0x80}));
    EXPECT_EQ(OfferedPreambles(0x82), (std::vector<uint8_t>{0x02, 0x80}));
    EXPECT_EQ(PreambleIndexFor(all, 0x01), 0);
    EXPECT_EQ(PreambleIndexFor(all, 0x80), 2);
    EXPECT_EQ(PreambleIndexFor(OfferedPreambles(0x03), 0x80), -1);
    EXPECT_EQ(AutoPreambleIndex(all), 2);
    EXPECT_EQ(AutoPreambleIndex(OfferedPreambles(0x03)), -1);
}

TEST(AdHocOptions, BandsFollowTheModesAndAnUnlistedModeTakes80211g) {
    const std::vector<uint16_t> both{0x0004, 0x0002};
    const std::vector<uint16_t> onlyG{0x0002};
    for (uint32_t bits : {0x01u, 0x04u, 0x10u, 0x1Fu}) {
        EXPECT_EQ(AdHocBands(bits), both) << "bits " << bits;
    }
    EXPECT_EQ(AdHocBands(0x0A), onlyG);
    EXPECT_EQ(AdHocBandIndexFor(both, 0x0404), 0) << "802.11a with 802.11n";
    EXPECT_EQ(AdHocBandIndexFor(both, 0x0202), 1);
    for (uint16_t mode : {0x0000, 0x8080, 0x0080, 0x0001}) {
        EXPECT_EQ(AdHocBandIndexFor(both, mode), 1) << "mode " << mode;
    }
    EXPECT_EQ(AdHocBandIndexFor(onlyG, 0x0004), 0) << "802.11a on a profile without 5 GHz";
    EXPECT_EQ(AdHocModeForBand(0x0004), 0x0004);
    EXPECT_EQ(AdHocModeForBand(0x0002), 0x0002);
}

TEST(AdHocOptions, ChannelsByBandAndRegion) {
    EXPECT_EQ(AdHocChannels(0x0004, 1), (std::vector<uint16_t>{0, 36, 40, 44, 48}));
    std::vector<uint16_t> elsewhere = AdHocChannels(0x0002, 16);
    ASSERT_EQ(elsewhere.size(), 14u);
    for (uint16_t i = 0; i < elsewhere.size(); ++i) {
        EXPECT_EQ(elsewhere[i], i) << "each channel at its own position";
    }
    EXPECT_EQ(AdHocChannels(0x0002, 1).size(), 12u) << "1-11 in region 1";
    EXPECT_EQ(AdHocChannels(0x0002, 2048).size(), 14u) << "1-13 in every other region";
    EXPECT_EQ(AdHocChannelIndexFor(elsewhere, 13), 13);
    EXPECT_EQ(AdHocChannelIndexFor(elsewhere, 14), 0) << "off the list: automatic";
    EXPECT_EQ(AdHocChannelIndexFor(AdHocChannels(0x0004, 0), 44), 3);
}

} // namespace
} // namespace profiles
