#include <gtest/gtest.h>

#include "drvseed/ValueEncoding.h"

namespace drvseed {
namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> bytes;
    for (int v : values) {
        bytes.push_back(static_cast<uint8_t>(v));
    }
    return bytes;
}

TEST(ValueEncoding, BinaryTextIsPairsWithOneSeparatorEach) {
    EXPECT_EQ(ParseBinaryText(u"00 1A FF"), Bytes({0x00, 0x1A, 0xFF}));
    EXPECT_EQ(ParseBinaryText(u"1A,2b"), Bytes({0x1A, 0x2B}));
    EXPECT_EQ(ParseBinaryText(u"7f"), Bytes({0x7F}));
    EXPECT_EQ(ParseBinaryText(u"7"), Bytes({0x07}));
    EXPECT_EQ(ParseBinaryText(u"01-02-"), Bytes({0x01, 0x02}));
    EXPECT_EQ(ParseBinaryText(u""), Bytes({}));
    // A pair that is not hexadecimal gives 0 and does not swallow the next pair.
    EXPECT_EQ(ParseBinaryText(u"zz 10"), Bytes({0x00, 0x10}));
    EXPECT_EQ(ParseBinaryText(u"1G 10"), Bytes({0x01, 0x10}));
    // The separator is skipped whatever it is, digits included.
    EXPECT_EQ(ParseBinaryText(u"1234567"), Bytes({0x12, 0x45, 0x07}));
}

TEST(ValueEncoding, EachTypeHasItsBytes) {
    auto sz = EncodeValue(u"reg_sz", u"Ab");
    ASSERT_TRUE(sz);
    EXPECT_EQ(sz->type, platform::kRegSz);
    EXPECT_EQ(sz->data, Bytes({'A', 0, 'b', 0, 0, 0}));

    auto multi = EncodeValue(u"REG_MULTI_SZ", u"Ab");
    ASSERT_TRUE(multi);
    EXPECT_EQ(multi->type, platform::kRegMultiSz);
    EXPECT_EQ(multi->data, Bytes({'A', 0, 'b', 0, 0, 0, 0, 0}));

    auto dword = EncodeValue(u"Reg_Dword", u"-2");
    ASSERT_TRUE(dword);
    EXPECT_EQ(dword->type, platform::kRegDword);
    EXPECT_EQ(dword->data, Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(EncodeValue(u"REG_DWORD", u" 300x")->data, Bytes({0x2C, 0x01, 0, 0}));
    EXPECT_EQ(EncodeValue(u"REG_DWORD", u"none")->data, Bytes({0, 0, 0, 0}));

    auto binary = EncodeValue(u"REG_BINARY", u"00 1A FF");
    ASSERT_TRUE(binary);
    EXPECT_EQ(binary->type, platform::kRegBinary);
    EXPECT_EQ(binary->data, Bytes({0x00, 0x1A, 0xFF}));

    EXPECT_FALSE(EncodeValue(u"REG_QWORD", u"1"));
    EXPECT_FALSE(EncodeValue(u"REG_SZ ", u"1"));
    EXPECT_FALSE(EncodeValue(u"", u"1"));
}

TEST(ValueEncoding, RootsByName) {
    EXPECT_EQ(ParseRoot(u"HKEY_LOCAL_MACHINE"), platform::kHkeyLocalMachine);
    EXPECT_EQ(ParseRoot(u"hkey_current_user"), platform::kHkeyCurrentUser);
    EXPECT_FALSE(ParseRoot(u"HKLM"));
    EXPECT_FALSE(ParseRoot(u"HKEY_CLASSES_ROOT"));
}

} // namespace
} // namespace drvseed
