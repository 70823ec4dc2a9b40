// The value tables of the profile store, each in both directions.
#include <gtest/gtest.h>

#include <cstring>

#include "kernel/ConnectionBlock.h"
#include "kernel/WirelessProfile.h"
#include "profiles/ProfileCodec.h"

namespace profiles {
namespace {

using namespace kernel;

TEST(ProfileCodec, WirelessModeWritesFirstMatchingRule) {
    struct Case {
        uint32_t bits;
        uint32_t stored;
    };
    const Case cases[] = {
        {0x01, 0xF00D}, {0x1F, 0xF00D}, {0x03, 0xF00D}, // rule 1 wins over everything
        {0x02, 0xA00C}, {0x0A, 0xA00C}, {0x06, 0xF00D}, // rule 2
        {0x12, 0xA00D}, {0x16, 0xF00E},                 // rule 2 plus one for 54A
        {0x04, 0x5001}, {0x0C, 0x500D}, {0x14, 0x5001}, // rule 3
        {0x08, 0x000C}, {0x18, 0x000D},                 // rule 4
        {0x10, 0x0001},                                 // rule 5
        {0x00, 0xF00D}, {0x20, 0xF00D},                 // rule 6
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeWirelessMode(c.bits), c.stored) << "bits " << c.bits;
    }
}

TEST(ProfileCodec, WirelessModeReadsEachCodeOnItsOwn) {
    EXPECT_EQ(DecodeWirelessMode(0xF00Du), 0x01u);
    EXPECT_EQ(DecodeWirelessMode(0xA00Cu), 0x0Au);
    EXPECT_EQ(DecodeWirelessMode(0xA00Du), 0x1Au);
    EXPECT_EQ(DecodeWirelessMode(0x5001u), 0x04u);
    EXPECT_EQ(DecodeWirelessMode(0x500Du), 0x0Cu);
    EXPECT_EQ(DecodeWirelessMode(0x000Cu), 0x08u);
    EXPECT_EQ(DecodeWirelessMode(0x000Du), 0x18u);
    EXPECT_EQ(DecodeWirelessMode(0x0001u), 0x10u);
    EXPECT_EQ(DecodeWirelessMode(0xF00Eu), 0x01u); // written for 0x16, but not in the read table
    EXPECT_EQ(DecodeWirelessMode(12345u), 0x01u);
    EXPECT_EQ(DecodeWirelessMode(std::nullopt), 0x1Fu);
    // The documented round trip: 0x12 is stored as 0xA00D and comes back as 0x1A.
    EXPECT_EQ(DecodeWirelessMode(EncodeWirelessMode(0x12)), 0x1Au);
}

TEST(ProfileCodec, NetworkTypeAndAdHocBand) {
    EXPECT_EQ(EncodeNetworkType(kNetworkInfrastructure), 1u);
    EXPECT_EQ(EncodeNetworkType(kNetworkAdHoc), 2u);
    EXPECT_FALSE(EncodeNetworkType(7).has_value());
    EXPECT_EQ(DecodeNetworkType(1u), kNetworkInfrastructure);
    EXPECT_EQ(DecodeNetworkType(2u), kNetworkAdHoc);
    EXPECT_EQ(DecodeNetworkType(3u), kNetworkInfrastructure);
    EXPECT_EQ(DecodeNetworkType(std::nullopt), kNetworkInfrastructure);

    EXPECT_EQ(EncodeAdHocBand(kNetworkAdHoc, KWL_FLAG_WIRELESS_MODE_802_11B), 1u);
    EXPECT_EQ(EncodeAdHocBand(kNetworkAdHoc, KWL_FLAG_WIRELESS_MODE_802_11G), 3u);
    EXPECT_EQ(EncodeAdHocBand(kNetworkAdHoc, KWL_FLAG_WIRELESS_MODE_802_11A), 2u);
    EXPECT_EQ(EncodeAdHocBand(kNetworkAdHoc, KWL_FLAG_WIRELESS_MODE_AUTO_N), 1u);
    EXPECT_EQ(EncodeAdHocBand(kNetworkAdHoc, KWL_FLAG_WIRELESS_MODE_802_11G_N), 1u);
    EXPECT_EQ(EncodeAdHocBand(kNetworkInfrastructure, KWL_FLAG_WIRELESS_MODE_802_11G), 255u);

    EXPECT_EQ(DecodeAdHocBand(1u), KWL_FLAG_WIRELESS_MODE_802_11B);
    EXPECT_EQ(DecodeAdHocBand(3u), KWL_FLAG_WIRELESS_MODE_802_11G);
    EXPECT_EQ(DecodeAdHocBand(2u), KWL_FLAG_WIRELESS_MODE_802_11A);
    EXPECT_EQ(DecodeAdHocBand(255u), 0);
    EXPECT_EQ(DecodeAdHocBand(std::nullopt), 0);
}

TEST(ProfileCodec, AdHocChannelFrequencies) {
    EXPECT_EQ(EncodeAdHocChannel(0), 0u);
    EXPECT_EQ(EncodeAdHocChannel(1), 2412u);
    EXPECT_EQ(EncodeAdHocChannel(6), 2437u);
    EXPECT_EQ(EncodeAdHocChannel(13), 2472u);
    EXPECT_EQ(EncodeAdHocChannel(14), 2484u);
    for (uint16_t channel = 0; channel <= 14; ++channel) {
        EXPECT_EQ(DecodeAdHocChannel(EncodeAdHocChannel(channel)), channel);
    }
    EXPECT_EQ(DecodeAdHocChannel(2484u), 14);
    EXPECT_EQ(DecodeAdHocChannel(2413u), 0);
    EXPECT_EQ(DecodeAdHocChannel(std::nullopt), 0);
    // The ad-hoc dialog's 5 GHz channels keep their own centre frequency.
    EXPECT_EQ(EncodeAdHocChannel(36), 5180u);
    EXPECT_EQ(EncodeAdHocChannel(48), 5240u);
    EXPECT_EQ(DecodeAdHocChannel(5180u), 36);
    for (uint16_t channel : {36, 40, 44, 48}) {
        EXPECT_EQ(EncodeAdHocChannel(channel), 5000u + 5u * channel);
        EXPECT_EQ(DecodeAdHocChannel(EncodeAdHocChannel(channel)), channel) << "channel " << channel;
    }
    EXPECT_EQ(DecodeAdHocChannel(5182u), 0);
    EXPECT_EQ(DecodeAdHocChannel(5000u), 0) << "no 5 GHz channel 0";
    EXPECT_EQ(EncodeAdHocChannel(20), 0u);
}

TEST(ProfileCodec, SecurityCodesFirstSetBitWins) {
    EXPECT_EQ(EncodeAuthentication(kSecurityNone), 1u);
    EXPECT_EQ(EncodeAuthentication(kAuthCode2), 2u);
    EXPECT_EQ(EncodeAuthentication(kSecurityWep), 3u);
    EXPECT_EQ(EncodeAuthentication(kSecurityWpaPskTkip), 5u);
    EXPECT_EQ(EncodeAuthentication(kSecurityWpa2PskAes), 7u);
    EXPECT_EQ(EncodeAuthentication(kAuthWpaPsk | kAuthWpa2Psk), 5u);
    EXPECT_EQ(EncodeAuthentication(kCipherAes), 0u);

    EXPECT_EQ(EncodeCipher(kSecurityNone), 0u);
    EXPECT_EQ(EncodeCipher(kSecurityWep), 1u);
    EXPECT_EQ(EncodeCipher(kSecurityWpaPskTkip), 5u);
    EXPECT_EQ(EncodeCipher(kSecurityWpa2PskAes), 6u);
    EXPECT_EQ(EncodeCipher(kCipherTkip | kCipherAes), 5u);
    EXPECT_EQ(EncodeCipher(kAuthOpen), 0u);

    for (uint32_t flags : {kSecurityNone, kSecurityWep, kSecurityWpaPskTkip, kSecurityWpa2PskAes}) {
        EXPECT_EQ(DecodeSecurity(EncodeAuthentication(flags), EncodeCipher(flags)), flags);
    }
    EXPECT_EQ(DecodeSecurity(std::nullopt, 6u), kSecurityNone);
    EXPECT_EQ(DecodeSecurity(7u, std::nullopt), kSecurityNone);
    EXPECT_EQ(DecodeSecurity(4u, 9u), 0u);
    EXPECT_EQ(DecodeSecurity(2u, 1u), kAuthCode2 | kCipherWep);
}

TEST(ProfileCodec, KeyFormatCodes) {
    EXPECT_EQ(EncodeWepKeybit(true, kKeyWep64), 0u);
    EXPECT_EQ(EncodeWepKeybit(true, kKeyWep128), 1u);
    EXPECT_EQ(EncodeWepKeybit(true, kKeyWep64Bit | kKeyWep128Bit), 0u);
    EXPECT_EQ(EncodeWepKeybit(false, kKeyWep128), 255u);
    EXPECT_EQ(EncodeHexEntry(5, kKeyPskAscii), 0u);
    EXPECT_EQ(EncodeHexEntry(7, kKeyPskHex), 1u);
    EXPECT_EQ(EncodeHexEntry(1, kKeyPskHex), 0u);

    EXPECT_EQ(DecodeKeyFormat(1u, 3u, 0u, std::nullopt), kKeyWep64);
    EXPECT_EQ(DecodeKeyFormat(1u, 3u, 1u, std::nullopt), kKeyWep128);
    EXPECT_EQ(DecodeKeyFormat(1u, 3u, std::nullopt, std::nullopt), kKeyWep64);
    EXPECT_EQ(DecodeKeyFormat(6u, 7u, 255u, 0u), kKeyPskAscii);
    EXPECT_EQ(DecodeKeyFormat(5u, 5u, 255u, 1u), kKeyPskHex);
    EXPECT_FALSE(DecodeKeyFormat(0u, 1u, 255u, 0u).has_value());
}

TEST(ProfileCodec, TransmitPowerFourAndFiveLevels) {
    const uint16_t four[] = {0x800, 0x40, 0x20, 0x02};
    const uint16_t five[] = {0x800, 0x20, 0x04, 0x02, 0x01};
    for (uint32_t level = 0; level < 4; ++level) {
        EXPECT_EQ(EncodeTransmitPower(four[level], false), level);
        EXPECT_EQ(DecodeTransmitPower(level, false), four[level]);
    }
    for (uint32_t level = 0; level < 5; ++level) {
        EXPECT_EQ(EncodeTransmitPower(five[level], true), level);
        EXPECT_EQ(DecodeTransmitPower(level, true), five[level]);
    }
    // The same code means another level on the other scale; codes a scale lacks are not written.
    EXPECT_EQ(EncodeTransmitPower(0x20, false), 2u);
    EXPECT_EQ(EncodeTransmitPower(0x20, true), 1u);
    EXPECT_FALSE(EncodeTransmitPower(0x01, false).has_value());
    EXPECT_FALSE(EncodeTransmitPower(0x04, false).has_value());
    EXPECT_FALSE(EncodeTransmitPower(0x40, true).has_value());
    EXPECT_FALSE(EncodeTransmitPower(0, false).has_value());
    EXPECT_EQ(DecodeTransmitPower(4u, false), 0x800);
    EXPECT_EQ(DecodeTransmitPower(9u, true), 0x800);
    EXPECT_EQ(DecodeTransmitPower(std::nullopt, true), 0x800);
}

TEST(ProfileCodec, Preamble) {
    EXPECT_EQ(EncodePreamble(kPreambleLong), 0u);
    EXPECT_EQ(EncodePreamble(kPreambleAuto), 1u);
    EXPECT_EQ(EncodePreamble(kPreambleShort), 2u);
    EXPECT_FALSE(EncodePreamble(0x03).has_value());
    EXPECT_EQ(DecodePreamble(0u), kPreambleLong);
    EXPECT_EQ(DecodePreamble(1u), kPreambleAuto);
    EXPECT_EQ(DecodePreamble(2u), kPreambleShort);
    EXPECT_EQ(DecodePreamble(7u), kPreambleAuto);
    EXPECT_EQ(DecodePreamble(std::nullopt), kPreambleAuto);
}

TEST(ProfileCodec, BssidText) {
    const uint8_t mac[6] = {0x00, 0x1A, 0x2b, 0xC3, 0x04, 0xFF};
    EXPECT_EQ(EncodeBssid(mac), u"00:1A:2B:C3:04:FF");
    uint8_t back[6] = {};
    ASSERT_TRUE(DecodeBssid(u"00:1A:2B:C3:04:FF", back));
    EXPECT_EQ(0, memcmp(back, mac, 6));
    ASSERT_TRUE(DecodeBssid(u"0:1a:2b:c3:4:ff", back));
    EXPECT_EQ(0, memcmp(back, mac, 6));

    uint8_t untouched[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(DecodeBssid(u"00:1A:2B", untouched));
    EXPECT_FALSE(DecodeBssid(u"", untouched));
    EXPECT_FALSE(DecodeBssid(u"zz:00:00:00:00:00", untouched));
    EXPECT_EQ(untouched[0], 1);
    EXPECT_EQ(untouched[5], 6);
}

} // namespace
} // namespace profiles
