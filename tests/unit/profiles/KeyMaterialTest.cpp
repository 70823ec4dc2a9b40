// Key scrambling, the WEP generators and the rules for typed keys. Expected keys were computed with an
// independent implementation of the generators (Python, hashlib's MD5).
#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeAnsiCodePage.h"
#include "kernel/ConnectionBlock.h"
#include "profiles/KeyMaterial.h"
#include "profiles/KeyRules.h"
#include "profiles/KeyScramble.h"

namespace profiles {
namespace {

const fakes::FakeAnsiCodePage kWestern = fakes::FakeAnsiCodePage::Windows1252();

std::u16string Hex64(const std::array<uint8_t, 5>& key) {
    return FormatKeyHex(key.data(), key.size(), 10);
}

TEST(KeyScramble, StoredFormAndRoundTrip) {
    EXPECT_EQ(ScrambleKeyText(u""), u"");
    // 'A' = 0x41: 0x41 ^ 0x3C = 0x7D -> '0' + 7, 'z' - 0xD.
    EXPECT_EQ(ScrambleKeyText(u"A"), u"7m");
    const std::u16string samples[] = {u"password123", u"\u00e9t\u00e9 \u20ac", u"\xFFFF\x0001 ~",
                                      std::u16string(64, u'f')};
    for (const std::u16string& text : samples) {
        std::u16string stored = ScrambleKeyText(text);
        EXPECT_EQ(stored.size(), text.size() * 2);
        EXPECT_EQ(UnscrambleKeyText(stored), text);
    }
}

TEST(KeyScramble, DamagedStoredFormInventsNothing) {
    std::u16string stored = ScrambleKeyText(u"key");
    EXPECT_EQ(UnscrambleKeyText(stored + u"7"), u"key");  // odd length
    EXPECT_EQ(UnscrambleKeyText(u"!!" + stored), u"key"); // high unit below '0'
    EXPECT_EQ(UnscrambleKeyText(stored.substr(0, 2) + u"7a" + stored.substr(2)), u"key"); // low below 'k'
    EXPECT_EQ(UnscrambleKeyText(u"3n" + stored), u"key"); // would decode to a terminator
    EXPECT_EQ(UnscrambleKeyText(u"A1B2C3"), u"");         // low units outside 'k'-'z'
}

TEST(KeyMaterial, Wep64SeedRules) {
    Wep64Keys keys{};
    // One character: the seed is that byte.
    ASSERT_TRUE(GenerateWep64Keys(PassphraseBytes(kWestern, u"a"), keys));
    EXPECT_EQ(Hex64(keys[0]), u"63CACE42D9");
    EXPECT_EQ(Hex64(keys[3]), u"B4721C60FD");
    // Four characters: the seed is the four bytes read little-endian.
    ASSERT_TRUE(GenerateWep64Keys(PassphraseBytes(kWestern, u"abcd"), keys));
    EXPECT_EQ(Hex64(keys[0]), u"41192B542A");
    EXPECT_EQ(Hex64(keys[1]), u"6473463AC1");
    EXPECT_EQ(Hex64(keys[2]), u"F33A3D5A83");
    EXPECT_EQ(Hex64(keys[3]), u"BD5C452EBD");
    // Longer passphrases fold onto the four seed bytes.
    ASSERT_TRUE(GenerateWep64Keys(PassphraseBytes(kWestern, u"Passphrase"), keys));
    EXPECT_EQ(Hex64(keys[0]), u"E1EA467FDB");
    EXPECT_EQ(Hex64(keys[2]), u"10070D6A76");
    // Characters outside ASCII go through the ANSI code page.
    ASSERT_TRUE(GenerateWep64Keys(PassphraseBytes(kWestern, u"\u00e9\u20ac"), keys));
    EXPECT_EQ(Hex64(keys[0]), u"1EE6180DFD");

    Wep64Keys untouched{};
    untouched[2][4] = 0x77;
    EXPECT_FALSE(GenerateWep64Keys({}, untouched));
    EXPECT_EQ(untouched[2][4], 0x77);
}

TEST(KeyMaterial, Wep128KeyFromMd5) {
    Wep128Key key{};
    ASSERT_TRUE(GenerateWep128Key(PassphraseBytes(kWestern, u"a"), key));
    EXPECT_EQ(FormatKeyHex(key.data(), key.size(), 26), u"014842D480B571495A4A036379");
    ASSERT_TRUE(GenerateWep128Key(PassphraseBytes(kWestern, u"secret"), key));
    EXPECT_EQ(FormatKeyHex(key.data(), key.size(), 26), u"1C064922046D6517DFEF3B7EF3");
    // 64 bytes or more: only the first 64 count.
    ASSERT_TRUE(GenerateWep128Key(PassphraseBytes(kWestern, std::u16string(64, u'x')), key));
    EXPECT_EQ(FormatKeyHex(key.data(), key.size(), 26), u"C1BB4F81D892B2D57947682AEB");
    ASSERT_TRUE(GenerateWep128Key(PassphraseBytes(kWestern, std::u16string(64, u'x') + u"TAIL"), key));
    EXPECT_EQ(FormatKeyHex(key.data(), key.size(), 26), u"C1BB4F81D892B2D57947682AEB");

    Wep128Key untouched{};
    untouched[12] = 0x42;
    EXPECT_FALSE(GenerateWep128Key({}, untouched));
    EXPECT_EQ(untouched[12], 0x42);
}

TEST(KeyMaterial, DiagnosticLinesOnStandardOutput) {
    Wep64Keys keys{};
    testing::internal::CaptureStdout();
    GenerateWep64Keys(PassphraseBytes(kWestern, u"abcd"), keys);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Key0=41192b542a\nKey1=6473463ac1\nKey2=f33a3d5a83\nKey3=bd5c452ebd\n");
    Wep128Key key{};
    testing::internal::CaptureStdout();
    GenerateWep128Key(PassphraseBytes(kWestern, u"secret"), key);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "1c064922046d6517dfef3b7ef3\n");
}

TEST(KeyMaterial, PassphraseBytesAreAnsiAndBounded) {
    EXPECT_EQ(PassphraseBytes(kWestern, u"\u00e9\u20ac\u4e2d"), (std::vector<uint8_t>{0xE9, 0x80, '?'}));
    EXPECT_EQ(PassphraseBytes(kWestern, u"\xD83D\xDE00").size(), 1u); // one character, one replacement
    EXPECT_EQ(PassphraseBytes(kWestern, std::u16string(400, u'p')).size(), 255u);
}

TEST(KeyMaterial, PassphraseBytesFollowTheSystemCodePage) {
    const fakes::FakeAnsiCodePage cyrillic = fakes::FakeAnsiCodePage::Windows1251();
    const fakes::FakeAnsiCodePage greek = fakes::FakeAnsiCodePage::Windows1253();
    EXPECT_EQ(PassphraseBytes(cyrillic, u"Жж1"), (std::vector<uint8_t>{0xC6, 0xE6, '1'}));
    EXPECT_EQ(PassphraseBytes(greek, u"Ωω1"), (std::vector<uint8_t>{0xD9, 0xF9, '1'}));
    EXPECT_EQ(PassphraseBytes(cyrillic, std::u16string_view(u"ключ\0хвост", 10)),
              PassphraseBytes(cyrillic, u"ключ"));

    // Under the code page of the machine, passphrases of the same length in its script are different
    // passphrases; read as Windows-1252 they would all be "??????" and give every network one key.
    struct Case {
        const fakes::FakeAnsiCodePage& codePage;
        std::u16string_view first;
        std::u16string_view second;
    };
    const Case kCases[] = {{cyrillic, u"пароль", u"секрет"}, {greek, u"κλειδί", u"μυστικ"}};
    for (const Case& c : kCases) {
        for (bool use128 : {false, true}) {
            auto first = GenerateWepKeyTexts(c.codePage, c.first, use128);
            auto second = GenerateWepKeyTexts(c.codePage, c.second, use128);
            ASSERT_TRUE(first && second);
            EXPECT_NE((*first)[0], (*second)[0]) << (use128 ? "128" : "64") << "-bit keys coincide";
        }
    }
    // And the bytes are the page's own: the 64-bit seed of a one-letter passphrase is its code.
    Wep64Keys fromLetter{};
    Wep64Keys fromByte{};
    const uint8_t zhe = 0xC6;
    ASSERT_TRUE(GenerateWep64Keys(PassphraseBytes(cyrillic, u"Ж"), fromLetter));
    ASSERT_TRUE(GenerateWep64Keys(std::span<const uint8_t>(&zhe, 1), fromByte));
    EXPECT_EQ(fromLetter, fromByte);
}

TEST(KeyMaterial, KeyTextsForTheSettingsTab) {
    auto texts64 = GenerateWepKeyTexts(kWestern, u"abcd", false);
    ASSERT_TRUE(texts64.has_value());
    EXPECT_EQ((*texts64)[1], u"6473463AC1");
    auto texts128 = GenerateWepKeyTexts(kWestern, u"secret", true);
    ASSERT_TRUE(texts128.has_value());
    for (const std::u16string& text : *texts128) {
        EXPECT_EQ(text, u"1C064922046D6517DFEF3B7EF3");
    }
    EXPECT_FALSE(GenerateWepKeyTexts(kWestern, u"", true).has_value());
}

TEST(KeyMaterial, FormatKeyHexWidths) {
    const uint8_t bytes[] = {0x01, 0xAB, 0xF0};
    EXPECT_EQ(FormatKeyHex(bytes, 3, 6), u"01ABF0");
    EXPECT_EQ(FormatKeyHex(bytes, 3, 10), u"000001ABF0"); // right-aligned
    EXPECT_EQ(FormatKeyHex(bytes, 3, 4), u"ABF0");        // the first byte runs out of room
    EXPECT_EQ(FormatKeyHex(bytes, 3, 5), u"0ABF0");
    EXPECT_EQ(FormatKeyHex(bytes, 0, 3), u"000");
}

TEST(KeyMaterial, AsciiKeyToHexAndIsHexText) {
    EXPECT_EQ(AsciiKeyToHex(u"abcde"), u"6162636465");
    EXPECT_EQ(AsciiKeyToHex(u"Z0~\n"), u"5A307E0A");
    EXPECT_EQ(AsciiKeyToHex(u"ABCDEFGHIJKLM").size(), 26u);

    EXPECT_FALSE(IsHexText(u""));
    EXPECT_TRUE(IsHexText(u"0123456789abcdefABCDEF"));
    EXPECT_TRUE(IsHexText(u"12\t34"));
    EXPECT_FALSE(IsHexText(u"12G4"));
    EXPECT_FALSE(IsHexText(u"12 4"));
}

TEST(KeyRules, HandEnteredWepKeys) {
    WepKeyCheck ascii = CheckWepKey(u"abcde", false);
    EXPECT_EQ(ascii.result, kKeyAccepted);
    EXPECT_EQ(ascii.keyText, u"6162636465");
    EXPECT_EQ(ascii.keyFormat, kernel::kKeyWep64);

    WepKeyCheck ascii128 = CheckWepKey(u"ABCDEFGHIJKLM", true);
    EXPECT_EQ(ascii128.result, kKeyAccepted);
    EXPECT_EQ(ascii128.keyText, u"4142434445464748494A4B4C4D");
    EXPECT_EQ(ascii128.keyFormat, kernel::kKeyWep128);

    WepKeyCheck lower = CheckWepKey(u"0123456abf", false);
    EXPECT_EQ(lower.result, kKeyAccepted);
    EXPECT_EQ(lower.keyText, u"0123456abf"); // kept as typed

    EXPECT_EQ(CheckWepKey(u"0123456abg", false).result, kWep64KeyInvalid);
    // Each character is one byte of the key: Latin-1 fits, a character beyond it would lose its high byte.
    EXPECT_EQ(CheckWepKey(u"caf\u00E9s", false).keyText, u"636166E973");
    EXPECT_EQ(CheckWepKey(u"\u041A\u043B\u044E\u0447!", false).result, kWep64KeyInvalid);
    EXPECT_EQ(CheckWepKey(u"ABCDEFGHIJKL\u4E2D", true).result, kWep128KeyInvalid);
    EXPECT_EQ(CheckWepKey(u"0123456789ABCDEF012345678G", true).result, kWep128KeyInvalid);
    EXPECT_EQ(CheckWepKey(u"0123456789ABCDEF0123456789", true).result, kKeyAccepted);
    EXPECT_EQ(CheckWepKey(u"", false).result, kWep64KeyInvalid);
    EXPECT_EQ(CheckWepKey(u"123456", true).result, kWep128KeyInvalid);
    // A key of the other size is refused rather than stored under the wrong key format.
    EXPECT_EQ(CheckWepKey(u"abcde", true).result, kWep128KeyInvalid);
    EXPECT_EQ(CheckWepKey(u"0123456789", true).result, kWep128KeyInvalid);
    EXPECT_EQ(CheckWepKey(u"ABCDEFGHIJKLM", false).result, kWep64KeyInvalid);

    EXPECT_EQ(CheckWepPassphrase(u"", false), kWep64PassphraseEmpty);
    EXPECT_EQ(CheckWepPassphrase(u"", true), kWep128PassphraseEmpty);
    EXPECT_EQ(CheckWepPassphrase(u"x", true), kKeyAccepted);
}

TEST(KeyRules, PskKeys) {
    EXPECT_EQ(CheckPskKey(u"1234567").result, kPskTooShort);
    PskCheck eight = CheckPskKey(u"12345678");
    EXPECT_EQ(eight.result, kKeyAccepted);
    EXPECT_EQ(eight.keyFormat, kernel::kKeyPskAscii);
    // 63 hexadecimal digits are still a passphrase.
    EXPECT_EQ(CheckPskKey(std::u16string(63, u'a')).keyFormat, kernel::kKeyPskAscii);
    PskCheck hex = CheckPskKey(std::u16string(64, u'a'));
    EXPECT_EQ(hex.result, kKeyAccepted);
    EXPECT_EQ(hex.keyFormat, kernel::kKeyPskHex);
    EXPECT_EQ(CheckPskKey(std::u16string(63, u'a') + u"g").result, kPskHexInvalid);
    EXPECT_EQ(CheckPskKey(std::u16string(65, u'a')).result, kPskHexInvalid);
}

TEST(KeyRules, MessagesOfTheResults) {
    EXPECT_EQ(KeyResultMessage(kWep64PassphraseEmpty).key, u"Msg_0201");
    EXPECT_EQ(KeyResultMessage(kWep64KeyInvalid).key, u"Msg_0201");
    EXPECT_EQ(KeyResultMessage(kWep128PassphraseEmpty).key, u"Msg_0205");
    EXPECT_EQ(KeyResultMessage(kWep128KeyInvalid).defaultText, u"The network password needs to be 64bits.");
    EXPECT_EQ(KeyResultMessage(kPskTooShort).defaultText, u"You must set key with 8 characters at least!");
    EXPECT_EQ(KeyResultMessage(kPskHexInvalid).defaultText,
              u"The passphrase must be 8 to 63 ASCII or 64 hexadecimal characters.!");
    EXPECT_TRUE(KeyResultMessage(kKeyAccepted).key.empty());
}

} // namespace
} // namespace profiles
