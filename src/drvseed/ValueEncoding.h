// How DrvSeed_Product.ini spells a registry value: a type name and a text, turned into the bytes
// written to the registry.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace drvseed {

// "REG_SZ", "REG_MULTI_SZ", "REG_DWORD" or "REG_BINARY" (any case) with its text; nullopt for any other
// type name, which the caller skips.
//   REG_SZ        the text with its terminating zero
//   REG_MULTI_SZ  the text as the only string of the list: its zero and the list's final zero
//   REG_DWORD     the text as a signed decimal number
//   REG_BINARY    hexadecimal pairs, each followed by one separator: "00 1A FF" is 00 1A FF
std::optional<platform::RegValue> EncodeValue(std::u16string_view type, std::u16string_view text);

// REG_BINARY alone: (length + 2) / 3 bytes; byte k is read from the (up to) two characters at 3k.
std::vector<uint8_t> ParseBinaryText(std::u16string_view text);

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER" (any case) as the platform's root number; nullopt
// otherwise.
std::optional<uint32_t> ParseRoot(std::u16string_view name);

} // namespace drvseed
