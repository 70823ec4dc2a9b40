// The ANSI conversion against the system's own tables: what the passphrase of a WEP key becomes on
// this machine. The native fake models Windows-1252 without best-fit mapping; here the system shows
// what it really does.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/WinAnsiCodePage.h"

namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0xF];
        text += ' ';
    }
    return text;
}

TEST(WinAnsiCodePage, AsciiPassesAndTheLimitCutsBetweenCharacters) {
    platform::win32::WinAnsiCodePage codePage;
    std::vector<uint8_t> bytes = codePage.ToAnsi(u"pass word", 255);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{'p', 'a', 's', 's', ' ', 'w', 'o', 'r', 'd'})) << Hex(bytes);
    bytes = codePage.ToAnsi(std::u16string(300, u'x'), 255);
    EXPECT_EQ(bytes.size(), 255u);
    bytes = codePage.ToAnsi(u"abc", 0);
    EXPECT_TRUE(bytes.empty()) << Hex(bytes);
}

TEST(WinAnsiCodePage, WesternPageGivesItsBytesAndTheDefaultCharacter) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the system code page is " << GetACP() << ", not 1252";
    }
    platform::win32::WinAnsiCodePage codePage;
    // é and the euro sign are in the page; a CJK character is not.
    std::vector<uint8_t> bytes = codePage.ToAnsi(u"\u00e9\u20ac\u4e2d", 255);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0xE9, 0x80, '?'})) << Hex(bytes);
    // The cut never leaves a partial character, and never loses one that fits.
    bytes = codePage.ToAnsi(u"\u00e9\u00e9\u00e9", 2);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0xE9, 0xE9})) << Hex(bytes);
}

TEST(WinAnsiCodePage, CyrillicPageGivesItsOwnBytes) {
    if (GetACP() != 1251) {
        GTEST_SKIP() << "the system code page is " << GetACP() << ", not 1251";
    }
    platform::win32::WinAnsiCodePage codePage;
    std::vector<uint8_t> bytes = codePage.ToAnsi(u"Жжé", 255);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0xC6, 0xE6, 'e'})) << Hex(bytes); // é only by best fit
}

TEST(WinAnsiCodePage, CutFallsBetweenTheBytesOfADoubleByteCharacter) {
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize < 2) {
        GTEST_SKIP() << "the system code page " << GetACP() << " has no double-byte characters";
    }
    platform::win32::WinAnsiCodePage codePage;
    std::vector<uint8_t> bytes = codePage.ToAnsi(u"a\u4e2d", 2);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{'a'})) << Hex(bytes);
}

} // namespace
