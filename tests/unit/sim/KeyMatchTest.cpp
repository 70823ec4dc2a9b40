#include <gtest/gtest.h>

#include <cstring>

#include "base/Text.h"
#include "kernel/BssEntry.h"
#include "skyvane/KeyMatch.h"

namespace skyvane {
namespace {

TEST(KeyMatchTest, PskDerivationMatchesTheStandardsTestVectors) {
    auto hex = [](const std::array<uint8_t, 32>& k) {
        std::string s;
        char b[3];
        for (uint8_t v : k) {
            std::snprintf(b, sizeof(b), "%02x", v);
            s += b;
        }
        return s;
    };
    EXPECT_EQ(hex(DerivePsk("password", "IEEE")),
              "f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e");
    EXPECT_EQ(hex(DerivePsk("ThisIsAPassword", "ThisIsASSID")),
              "0dc0d6eb90555ed6419756b9a15ec3e3209b63df707dd508d14581f8982721af");
}

template <size_t N> void Put(char16_t (&field)[N], std::u16string_view text) {
    base::CopyToField(field, text);
}

kernel::ConnectionBlock WpaBlock(uint32_t security, uint32_t keyFormat, std::u16string_view key) {
    kernel::ConnectionBlock b{};
    b.securityFlags = security;
    b.keyFormat = keyFormat;
    Put(b.psk, key);
    return b;
}

Network Wpa(uint32_t security) {
    Network n;
    n.ssid = u"IEEE";
    n.security = security;
    n.passphrase = u"password";
    return n;
}

TEST(KeyMatchTest, WpaNetworksJudgeAuthenticationCipherAndKey) {
    Network wpa2 = Wpa(kernel::kBssWpa2Psk);
    EXPECT_EQ(Judge(WpaBlock(kernel::kSecurityWpa2PskAes, kernel::kKeyPskAscii, u"password"), wpa2),
              JoinResult::Joined);
    EXPECT_EQ(Judge(WpaBlock(kernel::kSecurityWpa2PskAes, kernel::kKeyPskAscii, u"Password"), wpa2),
              JoinResult::WrongKey);
    EXPECT_EQ(Judge(WpaBlock(kernel::kSecurityWpa2PskAes, kernel::kKeyPskHex,
                             u"F42C6FC52DF0EBEF9EBB4B90B38A5F902E83FE1B135A70E23AED762E9710A12E"),
                    wpa2),
              JoinResult::Joined)
        << "the 64-digit key derived from the passphrase";
    EXPECT_EQ(Judge(WpaBlock(kernel::kSecurityWpa2PskAes, kernel::kKeyPskHex,
                             u"f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12f"),
                    wpa2),
              JoinResult::WrongKey);
    EXPECT_EQ(Judge(WpaBlock(kernel::kSecurityWpaPskTkip, kernel::kKeyPskAscii, u"password"), wpa2),
              JoinResult::WrongSecurity);
    EXPECT_EQ(Judge(WpaBlock(kernel::kSecurityNone, 0, u""), wpa2), JoinResult::WrongSecurity);
    Network mixed = Wpa(kernel::kBssWpaPsk | kernel::kBssWpa2Psk);
    EXPECT_EQ(Judge(WpaBlock(kernel::kSecurityWpaPskTkip, kernel::kKeyPskAscii, u"password"), mixed),
              JoinResult::Joined);
    EXPECT_EQ(Judge(WpaBlock(kernel::kSecurityWpa2PskAes, kernel::kKeyPskAscii, u"password"), mixed),
              JoinResult::Joined);
    Network radius = Wpa(kernel::kBssWpa2Radius);
    EXPECT_EQ(Judge(WpaBlock(kernel::kSecurityWpa2PskAes, kernel::kKeyPskAscii, u"password"), radius),
              JoinResult::Refused);
    kernel::ConnectionBlock adHoc = WpaBlock(kernel::kSecurityWpa2PskAes, kernel::kKeyPskAscii, u"password");
    adHoc.NetworkConnectType = kernel::kNetworkAdHoc;
    EXPECT_EQ(Judge(adHoc, wpa2), JoinResult::WrongType);
}

TEST(KeyMatchTest, WepComparesTheKeyBytesAtTheDefaultIndex) {
    Network wep;
    wep.security = kernel::kBssWep;
    wep.key = u"12345"; // the same bytes as 3132333435
    kernel::ConnectionBlock b{};
    b.securityFlags = kernel::kSecurityWep;
    b.keyFormat = kernel::kKeyWep64;
    Put(b.wepKeys[1], u"3132333435");
    b.defaultKey = 1;
    EXPECT_EQ(Judge(b, wep), JoinResult::Joined);
    b.defaultKey = 0;
    EXPECT_EQ(Judge(b, wep), JoinResult::WrongKey) << "key 1 is empty";
    b.defaultKey = 4;
    EXPECT_EQ(Judge(b, wep), JoinResult::WrongKey) << "no fifth key, and no read past the table";
    b.defaultKey = 1;
    Put(b.wepKeys[1], u"3132333436");
    EXPECT_EQ(Judge(b, wep), JoinResult::WrongKey);
    b.securityFlags = kernel::kSecurityNone;
    EXPECT_EQ(Judge(b, wep), JoinResult::WrongSecurity);

    EXPECT_FALSE(WepKeyBytes(u"12345678").has_value());
    EXPECT_FALSE(WepKeyBytes(u"12345678G0").has_value());
    EXPECT_EQ(WepKeyBytes(u"warehouse2010")->size(), 13u);
}

TEST(KeyMatchTest, OpenNetworksTakeOnlyUnencryptedBlocks) {
    Network open;
    open.security = kernel::kBssOpen;
    kernel::ConnectionBlock b{};
    b.securityFlags = kernel::kSecurityNone;
    EXPECT_EQ(Judge(b, open), JoinResult::Joined);
    b.securityFlags = kernel::kSecurityWep;
    EXPECT_EQ(Judge(b, open), JoinResult::WrongSecurity);
}

} // namespace
} // namespace skyvane
