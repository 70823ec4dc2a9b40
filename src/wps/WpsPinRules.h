// The 8-digit PIN of Wi-Fi Protected Setup: what the PIN edit accepts and whether a PIN's last digit is
// its check digit.
#pragma once

#include <string_view>

namespace wps {

constexpr size_t kPinDigits = 8;

// Exactly eight decimal digits (a pasted text with anything else does not count).
bool PinHasEightDigits(std::u16string_view text);

// The check digit rule: the first seven digits (leading zeros count) weigh 3,1,3,1,3,1,3 and the
// eighth is (10 - sum mod 10) mod 10. Only an eight-digit text can pass.
bool PinCheckDigitValid(std::u16string_view text);

} // namespace wps
