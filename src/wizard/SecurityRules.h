// The rules the connect wizard's security pages share: which page Back returns to, when Next may be
// pressed, which characters a typed WEP key may hold, and what a first run without the save page
// stores. Pure functions over the values the pages hold, so the pages only move them in and out.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/BssEntry.h"
#include "kernel/WirelessProfile.h"

namespace wizard {

// The page before the security pages: the network list for a network that shows its name, the
// hidden-network page for one that does not. `selected` indexes `networks`; a run that reached a
// security page without a list entry (none chosen, or the list changed under it) can only have come
// through the hidden-network page.
int SecurityBackPage(const std::vector<kernel::BssEntry>& networks, int selected);

// Back is hidden when the Networks tab started the run with a named network: the run never showed the
// list page that Back would return to. A hidden network it started with was named on page 12, which
// Back does return to.
bool SecurityBackHidden(bool fromList, int backPage);

// The password character of a key field: '*' while "Hide characters as I type" is checked.
char16_t MaskCharacter(bool hide);

// Page 9: the key lengths a size takes (5 or 10 for 64 bits, 13 or 26 for 128 bits).
constexpr size_t kWep64HexLength = 10;
constexpr size_t kWep64AsciiLength = 5;
constexpr size_t kWep128HexLength = 26;
constexpr size_t kWep128AsciiLength = 13;
bool WepKeyLengthFits(size_t length, bool use128);
// The size a stored key text opens with: 128 bits for 13 or 26 characters, else 64 bits.
bool WepKeyTextIs128(size_t length);

// Page 11 speaks of WPA2-PSK when the hidden-network page chose it, of WPA-PSK when it chose that, and
// otherwise after the chosen network's flags (WPA2-PSK first).
bool PskPageShowsWpa2(int hiddenChoice, uint32_t securityFlags);

// Page 11: Next for 8 or more characters.
constexpr size_t kPskMinimumLength = 8;
bool PskLengthFits(size_t length);

// The key format of generated key texts by the length of the first: 0x101 for 10 digits, 0x201 for 26,
// none for anything else (no keys were generated).
std::optional<uint32_t> GeneratedKeyFormat(std::u16string_view firstKey);

// A first run without the save page, after a WEP page: keys from a passphrase (no-passphrase flag 0)
// become the profile's keys with key 1 for sending; the security becomes WEP.
void ApplySilentWep(kernel::WirelessProfile& profile, const std::array<std::u16string, 4>& generatedKeys);

// A first run without the save page, after the WPA-PSK page: the security that goes with the network's
// advertised authentication, WPA2-PSK with AES when it offers WPA2-PSK, else WPA-PSK with TKIP.
uint32_t SilentPskSecurity(uint32_t networkFlags);

} // namespace wizard
