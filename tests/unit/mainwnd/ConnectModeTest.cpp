#include <gtest/gtest.h>

#include <optional>

#include "mainwnd/ConnectMode.h"

using mainwnd::ChooseConnectMode;
using mainwnd::ConnectMode;
using mainwnd::RadioType;
using mainwnd::TargetRadioType;

namespace {

struct Expected {
    uint16_t modeWord;
    int bandMode;
    bool ht5G;
    bool ht24G;
};

void ExpectRow(const ConnectMode& mode, const Expected& expected, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(mode.modeWord, expected.modeWord);
    ASSERT_TRUE(mode.bandMode && mode.ht5G && mode.ht24G) << "every row but the last sets all three";
    EXPECT_EQ(*mode.bandMode, expected.bandMode);
    EXPECT_EQ(*mode.ht5G, expected.ht5G);
    EXPECT_EQ(*mode.ht24G, expected.ht24G);
}

constexpr std::optional<uint8_t> kNotScanned = std::nullopt;
constexpr uint16_t kNoBasicRadio = 0x8080; // auto with 802.11n: names none of b, g, a

} // namespace

TEST(ConnectMode, RadioTypeComesFromTheModeWordBeforeTheScanEntry) {
    EXPECT_EQ(TargetRadioType(0x0001, 0x04), RadioType::B) << "the block's word wins over the survey";
    EXPECT_EQ(TargetRadioType(0x0006, kNotScanned), RadioType::G) << "0x02 is asked before 0x04";
    EXPECT_EQ(TargetRadioType(0x0404, kNotScanned), RadioType::A);
    EXPECT_EQ(TargetRadioType(0x0202, 0x04), RadioType::G);
    EXPECT_EQ(TargetRadioType(kNoBasicRadio, 0x04), RadioType::A);
    EXPECT_EQ(TargetRadioType(kNoBasicRadio, 0x03), RadioType::B);
    EXPECT_EQ(TargetRadioType(0x0080, 0x06), RadioType::G);
    EXPECT_EQ(TargetRadioType(0x0080, kNotScanned), RadioType::Unknown);
    EXPECT_EQ(TargetRadioType(0x0000, 0x00), RadioType::Unknown) << "a scan entry that saw no radio";
}

TEST(ConnectMode, EachRowOfTheTableInOrder) {
    ExpectRow(ChooseConnectMode(0x01, 0, kNotScanned), {0x8080, 0, true, true}, "300 a+g");
    ExpectRow(ChooseConnectMode(0x06, 0, kNotScanned), {0x8080, 0, true, true}, "300 g and 300 a");
    ExpectRow(ChooseConnectMode(0x1F, 0, kNotScanned), {0x8080, 0, true, true}, "everything");
    ExpectRow(ChooseConnectMode(0x12, 0x0001, kNotScanned), {0x8080, 0, false, true},
              "300 g + 54 a, 2.4 GHz AP");
    ExpectRow(ChooseConnectMode(0x02, 0, kNotScanned), {0x0202, 2, false, true}, "300 g alone");
    ExpectRow(ChooseConnectMode(0x0A, 0, kNotScanned), {0x0202, 2, false, true}, "300 g with 54 g");
    ExpectRow(ChooseConnectMode(0x0C, 0x0004, kNotScanned), {0x8080, 0, true, false},
              "300 a + 54 g, 5 GHz AP");
    ExpectRow(ChooseConnectMode(0x1C, 0x0004, kNotScanned), {0x8080, 0, true, false}, "300 a + 54 g + 54 a");
    ExpectRow(ChooseConnectMode(0x04, 0, kNotScanned), {0x0404, 1, true, false}, "300 a alone");
    ExpectRow(ChooseConnectMode(0x14, 0, kNotScanned), {0x0404, 1, true, false}, "300 a with 54 a");
    ExpectRow(ChooseConnectMode(0x18, 0, kNotScanned), {0x0080, 0, false, false}, "54 g + 54 a");
    ExpectRow(ChooseConnectMode(0x08, 0, kNotScanned), {0x0003, 2, false, false}, "54 g");
    ExpectRow(ChooseConnectMode(0x10, 0, kNotScanned), {0x0004, 1, false, false}, "54 a");
}

TEST(ConnectMode, MixedRowsDropHighThroughputOnTheOtherBandsAccessPoint) {
    // 300 Mbps at 2.4 GHz, 54 at 5 GHz: a 5 GHz target is joined in plain automatic mode.
    EXPECT_EQ(ChooseConnectMode(0x12, 0x0004, kNotScanned).modeWord, 0x0080) << "t from the mode word";
    EXPECT_EQ(ChooseConnectMode(0x12, kNoBasicRadio, 0x04).modeWord, 0x0080) << "t from the survey";
    EXPECT_EQ(ChooseConnectMode(0x12, kNoBasicRadio, 0x02).modeWord, 0x8080);
    EXPECT_EQ(ChooseConnectMode(0x12, kNoBasicRadio, kNotScanned).modeWord, 0x8080) << "t unknown";

    // 300 Mbps at 5 GHz, 54 at 2.4 GHz: a b or g target is joined in plain automatic mode.
    EXPECT_EQ(ChooseConnectMode(0x0C, 0x0001, kNotScanned).modeWord, 0x0080);
    EXPECT_EQ(ChooseConnectMode(0x0C, 0x0002, kNotScanned).modeWord, 0x0080);
    EXPECT_EQ(ChooseConnectMode(0x0C, kNoBasicRadio, 0x01).modeWord, 0x0080) << "t from the survey";
    EXPECT_EQ(ChooseConnectMode(0x0C, kNoBasicRadio, 0x04).modeWord, 0x8080);
    EXPECT_EQ(ChooseConnectMode(0x0C, kNoBasicRadio, kNotScanned).modeWord, 0x8080) << "t unknown";
}

TEST(ConnectMode, NoModeAllowedLeavesTheProcessWideValuesAlone) {
    for (uint32_t bits : {0x00u, 0x20u, 0x80000000u}) {
        ConnectMode mode = ChooseConnectMode(bits, 0x8080, 0x04);
        EXPECT_EQ(mode.modeWord, 0) << bits;
        EXPECT_FALSE(mode.bandMode) << bits;
        EXPECT_FALSE(mode.ht5G) << bits;
        EXPECT_FALSE(mode.ht24G) << bits;
    }
}
