// WEP key generation from a passphrase and the text forms of key bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AnsiCodePage.h"

namespace profiles {

using Wep64Keys = std::array<std::array<uint8_t, 5>, 4>;
using Wep128Key = std::array<uint8_t, 13>;

// The passphrase as the generators see it: in the system's ANSI code page, so that a passphrase gives
// the keys the other programs on the machine derive from it, at most 255 bytes.
std::vector<uint8_t> PassphraseBytes(const platform::AnsiCodePage& codePage, std::u16string_view passphrase);

// Both return false and leave the output alone for an empty passphrase. Each writes its diagnostic
// line(s) to standard output.
bool GenerateWep64Keys(std::span<const uint8_t> passphrase, Wep64Keys& keys);
bool GenerateWep128Key(std::span<const uint8_t> passphrase, Wep128Key& key);

// `count` bytes right-aligned in `width` upper-case digits, '0'-filled on the left; bytes that do not
// fit are dropped from the front.
std::u16string FormatKeyHex(const uint8_t* bytes, size_t count, size_t width);

// Each character's low byte as two upper-case digits.
std::u16string AsciiKeyToHex(std::u16string_view text);

// Non-empty and only hexadecimal digits (control characters below 0x20 are let through).
bool IsHexText(std::u16string_view text);

// The four key texts a passphrase gives: four different 10-digit keys for 64 bits, one 26-digit key
// four times for 128 bits; nothing for an empty passphrase.
std::optional<std::array<std::u16string, 4>> GenerateWepKeyTexts(const platform::AnsiCodePage& codePage,
                                                                 std::u16string_view passphrase, bool use128);

} // namespace profiles
