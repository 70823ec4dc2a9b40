// Whether a connection block's security and key would let the adapter join a network, as the access
// point would judge it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/ConnectionBlock.h"
#include "skyvane/World.h"

namespace skyvane {

// The key bytes of a WEP key text: 10 or 26 hexadecimal digits, or 5 or 13 characters taken as bytes.
std::optional<std::vector<uint8_t>> WepKeyBytes(std::u16string_view text);

// The 64-digit PSK of a network (upper case): its PSK, or the one its passphrase and name derive.
std::u16string NetworkPsk(const Network& network);

// The 256-bit pre-shared key of WPA: PBKDF2-HMAC-SHA1(passphrase, ssid, 4096 rounds, 32 bytes).
std::array<uint8_t, 32> DerivePsk(std::string_view passphrase, std::string_view ssid);

enum class JoinResult { Joined, WrongType, WrongSecurity, WrongKey, Refused };
const char16_t* JoinResultName(JoinResult r);

JoinResult Judge(const kernel::ConnectionBlock& block, const Network& network);

} // namespace skyvane
