// The summary page's rules: the security it names and what Finish leaves in the working profile.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "kernel/WirelessProfile.h"

namespace wizard {

// The key of the security value for a record's security flags: "Security1" WPA2-PSK ... "Security4"
// anything else.
std::u16string_view SummarySecurityKey(uint32_t securityFlags);
std::u16string_view SummarySecurityDefault(std::u16string_view key);

// The WEP key format for a key text's length: 10 digits 64 bits, 26 digits 128 bits; 0 otherwise.
uint32_t WepKeyFormatForLength(size_t length);

// Finish without WPS: WEP from a passphrase takes the generated keys (key 1 transmits); a network that
// offers both WPA-PSK and WPA2-PSK is joined with WPA2-PSK/AES and no stale key texts. Other flags stay
// as the network reported them.
void CompleteSecurity(kernel::WirelessProfile& profile, const std::array<std::u16string, 4>& generatedKeys);

// Finish after WPS with WEP: the keys came from the exchange, so the key format follows the transmit
// key and the PSK text, which a WEP exchange should leave empty, is emptied. Returns what it held (for
// the debug line).
std::u16string CompleteWpsWep(kernel::WirelessProfile& profile);

} // namespace wizard
