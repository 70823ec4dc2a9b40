#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Md5.h"

using base::Md5;

namespace {

std::string HexOf(const std::string& text) {
    return Md5::HexOf(Md5::Of({reinterpret_cast<const uint8_t*>(text.data()), text.size()}));
}

} // namespace

TEST(Md5, Rfc1321TestSuite) {
    EXPECT_EQ(HexOf(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(HexOf("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(HexOf("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(HexOf("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(HexOf("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(HexOf("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(HexOf("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
              "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5, PiecewiseUpdatesGiveTheSameDigest) {
    // Block boundaries are where an implementation goes wrong: feed 64 bytes in uneven pieces.
    std::vector<uint8_t> bytes(200);
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7);
    }
    Md5 md5;
    md5.Update({bytes.data(), 1});
    md5.Update({bytes.data() + 1, 62});
    md5.Update({bytes.data() + 63, 2});
    md5.Update({bytes.data() + 65, 135});
    EXPECT_EQ(md5.Finish(), Md5::Of(bytes));
}
