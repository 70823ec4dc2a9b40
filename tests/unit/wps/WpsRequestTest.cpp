#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <string>

#include "base/Text.h"
#include "fakes/FakeRandomSource.h"
#include "wps/WpsPinRules.h"
#include "wps/WpsRegistrar.h"
#include "wps/WpsRequestBuilder.h"

namespace {

using Bytes = std::array<uint8_t, sizeof(kernel::WpsRequest)>;

Bytes BytesOf(const kernel::WpsRequest& request) {
    Bytes bytes;
    std::memcpy(bytes.data(), &request, bytes.size());
    return bytes;
}

uint32_t U32At(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

std::u16string TextAt(const Bytes& b, size_t at, size_t units) {
    std::u16string text;
    for (size_t i = 0; i < units; ++i) {
        char16_t c = static_cast<char16_t>(b[at + 2 * i] | (b[at + 2 * i + 1] << 8));
        if (c == 0) {
            break;
        }
        text.push_back(c);
    }
    return text;
}

bool ZeroFrom(const Bytes& b, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
        if (b[i] != 0) {
            return false;
        }
    }
    return true;
}

kernel::ConnectionBlock Chosen() {
    kernel::ConnectionBlock block;
    std::memset(&block, 0xCD, sizeof(block)); // whatever else the block holds must not leak in
    base::CopyToField(block.ssid, u"ignored");
    const uint8_t bssid[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    std::memcpy(block.BSSID, bssid, 6);
    block.adHocChannel = 0xBEEF;
    return block;
}

TEST(WpsRequest, PushButtonCarriesOnlyMethodMarkerAndTheValueAfterTheBssid) {
    const Bytes b = BytesOf(wps::PushButtonRequest(Chosen()));
    EXPECT_EQ(b[0] | (b[1] << 8), 1);
    EXPECT_EQ(b[2], 0x80);
    EXPECT_TRUE(ZeroFrom(b, 3, 98)) << "no PIN, SSID or BSSID";
    EXPECT_EQ(b[98] | (b[99] << 8), 0xBEEF);
    EXPECT_TRUE(ZeroFrom(b, 100, b.size()));
}

TEST(WpsRequest, AdapterPinCarriesPinNameAndBssidButNoRegistrarValues) {
    const Bytes b = BytesOf(wps::AdapterPinRequest(u"12345670", u"HomeNet", Chosen()));
    EXPECT_EQ(b[0] | (b[1] << 8), 2);
    EXPECT_EQ(b[2], 0x80);
    EXPECT_EQ(b[3], 0);
    EXPECT_EQ(TextAt(b, 4, 10), u"12345670");
    EXPECT_EQ(TextAt(b, 24, 34), u"HomeNet");
    EXPECT_EQ((std::array<uint8_t, 6>{b[92], b[93], b[94], b[95], b[96], b[97]}),
              (std::array<uint8_t, 6>{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(b[98] | (b[99] << 8), 0xBEEF);
    EXPECT_TRUE(ZeroFrom(b, 100, b.size()));
}

TEST(WpsRequest, ApPinAddsTheRegistrarNetworkAndCutsLongTextsAtTheirField) {
    wps::RegistrarValues registrar{u"ORVL_abcdefgh", std::u16string(63, u'p')};
    const std::u16string longName(300, u'n');
    const Bytes b = BytesOf(wps::ApPinRequest(u"0123456789012345678901", longName, Chosen(), registrar));
    EXPECT_EQ(b[0] | (b[1] << 8), 16);
    EXPECT_EQ(b[2], 0x80);
    EXPECT_EQ(TextAt(b, 4, 10), u"012345678") << "cut to the field and terminated";
    EXPECT_EQ(b[22] | b[23], 0);
    EXPECT_EQ(TextAt(b, 24, 34), std::u16string(33, u'n'));
    EXPECT_EQ(b[90] | b[91], 0);
    EXPECT_EQ(TextAt(b, 100, 34), u"ORVL_abcdefgh");
    EXPECT_EQ(U32At(b, 168), 0x00100004u);
    EXPECT_EQ(U32At(b, 172), 0x00010000u);
    EXPECT_EQ(TextAt(b, 176, 66), std::u16string(63, u'p'));
    EXPECT_EQ(U32At(b, 308), 0u);
}

TEST(WpsPin, EightDigitsEnableNextWhateverTheCheckDigit) {
    EXPECT_TRUE(wps::PinHasEightDigits(u"01234567"));
    EXPECT_FALSE(wps::PinHasEightDigits(u"0123456"));
    EXPECT_FALSE(wps::PinHasEightDigits(u"012345678"));
    EXPECT_FALSE(wps::PinHasEightDigits(u"0123 567"));
    EXPECT_FALSE(wps::PinHasEightDigits(u"1234567a"));
    EXPECT_FALSE(wps::PinHasEightDigits(u"\uFF11234567")); // a full-width one is no digit here
}

TEST(WpsPin, TheLastDigitMustBeTheWeightedCheckDigit) {
    EXPECT_TRUE(wps::PinCheckDigitValid(u"01234565"));
    EXPECT_TRUE(wps::PinCheckDigitValid(u"12345670"));
    EXPECT_TRUE(wps::PinCheckDigitValid(u"00000000"));
    EXPECT_TRUE(wps::PinCheckDigitValid(u"00000017")) << "the seventh digit weighs 3";
    EXPECT_FALSE(wps::PinCheckDigitValid(u"00000019")) << "the seventh digit weighs 3, not 1";
    EXPECT_FALSE(wps::PinCheckDigitValid(u"01234566"));
    EXPECT_FALSE(wps::PinCheckDigitValid(u"12345678"));
    EXPECT_FALSE(wps::PinCheckDigitValid(u"1234565")) << "seven digits";
    EXPECT_FALSE(wps::PinCheckDigitValid(u"0123456a"));
}

// The registrar's texts come only from the random source: scripted bytes give known texts, bytes that
// would bias the draw are skipped, and a failing source gives nothing at all.
TEST(WpsRegistrar, TextsAreDrawnFromTheRandomSourceWithoutBias) {
    fakes::FakeRandomSource random;
    // Name: 0 -> ' ', 60 -> '\\' written as ']', 190 and 255 skipped (they would fold back onto the low
    // values), 94 -> '~', 128 -> 33 'A', 61 -> ']', 189 -> '~', 1 -> '!', 33 -> 'A'. Length: 224 skipped,
    // 55 -> 63 characters, all from byte 65 -> 'a' but the last from 92 -> '\\' (kept in a passphrase).
    random.bytes = {0, 60, 190, 255, 94, 128, 61, 189, 1, 33, 224, 55};
    random.bytes.insert(random.bytes.end(), 62, 65);
    random.bytes.push_back(60);
    const std::optional<wps::RegistrarValues> values = wps::MakeRegistrarValues(random);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->ssid, u"ORVL_ ]~A]~!A");
    EXPECT_EQ(values->passphrase, std::u16string(62, u'a') + u"\\");

    random.bytes = {1, 1, 1, 1, 1, 1, 1, 1, 0, 2, 2, 2, 2, 2, 2, 2, 2};
    EXPECT_EQ(wps::MakeRegistrarValues(random)->passphrase, u"\"\"\"\"\"\"\"\"") << "length byte 0: 8";
}

TEST(WpsRegistrar, NameIsThirteenCharactersWithoutBackslashAndPassphraseEightToSixtyThree) {
    fakes::FakeRandomSource random;
    std::mt19937 bytes(7); // any bytes at all: the rules hold for every draw
    size_t shortest = 100;
    size_t longest = 0;
    for (int i = 0; i < 2000; ++i) {
        for (int n = 0; n < 256; ++n) {
            random.bytes.push_back(static_cast<uint8_t>(bytes()));
        }
        const std::optional<wps::RegistrarValues> values = wps::MakeRegistrarValues(random);
        ASSERT_TRUE(values);
        EXPECT_EQ(values->ssid.size(), 13u);
        EXPECT_EQ(values->ssid.substr(0, 5), u"ORVL_");
        EXPECT_EQ(values->ssid.find(u'\\'), std::u16string::npos);
        for (char16_t c : values->ssid + values->passphrase) {
            EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << int(c);
        }
        random.bytes.clear();
        shortest = std::min(shortest, values->passphrase.size());
        longest = std::max(longest, values->passphrase.size());
    }
    EXPECT_EQ(shortest, 8u);
    EXPECT_EQ(longest, 63u);
}

TEST(WpsRegistrar, AFailingRandomSourceGivesNoValues) {
    fakes::FakeRandomSource random;
    random.fail = true;
    EXPECT_FALSE(wps::MakeRegistrarValues(random));
}

} // namespace
