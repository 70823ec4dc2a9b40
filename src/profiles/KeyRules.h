// The accept/reject rules for keys a user types (Settings tab and connect wizard). Results are the
// Settings tab's DataToProfile codes, so both callers show the same message for the same fault.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace profiles {

constexpr int kKeyAccepted = 0;
constexpr int kWep64PassphraseEmpty = 1;
constexpr int kWep64KeyInvalid = 2;
constexpr int kWep128PassphraseEmpty = 3;
constexpr int kWep128KeyInvalid = 4;
constexpr int kPskTooShort = 5; // the caller also selects the field and gives it the focus
constexpr int kPskHexInvalid = 6;

constexpr size_t kWep64KeyLimit = 10;
constexpr size_t kWep128KeyLimit = 26;
constexpr size_t kWepPassphraseLimit = 32;
constexpr size_t kPskLimit = 64;

// The message of a result, section "MAIN" of the language file.
struct KeyMessage {
    std::u16string_view key;         // "Msg_0201", ...; empty for kKeyAccepted
    std::u16string_view defaultText; // the built-in English text
};
KeyMessage KeyResultMessage(int result);

// WEP passphrase: anything but empty.
int CheckWepPassphrase(std::u16string_view passphrase, bool use128);

// A hand-entered WEP key of the chosen size: 5 (64-bit) or 13 (128-bit) characters are ASCII and become
// hexadecimal; 10 or 26 must be hexadecimal and are kept as typed.
struct WepKeyCheck {
    int result = kKeyAccepted;
    std::u16string keyText; // what goes into the key slot
    uint32_t keyFormat = 0; // 0x101 / 0x201
};
WepKeyCheck CheckWepKey(std::u16string_view typed, bool use128);

// WPA-PSK / WPA2-PSK: 8-63 characters are an ASCII passphrase, 64 must be hexadecimal. The text is
// stored as typed.
struct PskCheck {
    int result = kKeyAccepted;
    uint32_t keyFormat = 0; // 0x10000 / 0x20000
};
PskCheck CheckPskKey(std::u16string_view typed);

} // namespace profiles
