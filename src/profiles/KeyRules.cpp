#include "profiles/KeyRules.h"

#include <algorithm>

#include "base/Text.h"
#include "kernel/ConnectionBlock.h"
#include "profiles/KeyMaterial.h"

namespace profiles {
namespace {

constexpr std::u16string_view kWepLengthText = u"The network password needs to be 64bits.";

bool IsUpperHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

} // namespace

KeyMessage KeyResultMessage(int result) {
    switch (result) {
    case kWep64PassphraseEmpty:
    case kWep64KeyInvalid:
        return {u"Msg_0201", kWepLengthText};
    case kWep128PassphraseEmpty:
    case kWep128KeyInvalid:
        return {u"Msg_0205", kWepLengthText};
    case kPskTooShort:
        return {u"Msg_0203", u"You must set key with 8 characters at least!"};
    case kPskHexInvalid:
        return {u"Msg_0204", u"The passphrase must be 8 to 63 ASCII or 64 hexadecimal characters.!"};
    default:
        return {};
    }
}

int CheckWepPassphrase(std::u16string_view passphrase, bool use128) {
    if (passphrase.empty()) {
        return use128 ? kWep128PassphraseEmpty : kWep64PassphraseEmpty;
    }
    return kKeyAccepted;
}

WepKeyCheck CheckWepKey(std::u16string_view typed, bool use128) {
    // Only the lengths of the chosen key size are taken: a 64-bit key marked as 128-bit (or the other
    // way round) would be stored as a profile that can never connect.
    const size_t asciiLength = use128 ? 13 : 5;
    const size_t hexLength = use128 ? kWep128KeyLimit : kWep64KeyLimit;
    WepKeyCheck check;
    // A typed character becomes one byte of the key; one beyond 0xFF has no byte and would be cut.
    const bool charactersFit = std::all_of(typed.begin(), typed.end(), [](char16_t c) { return c <= 0xFF; });
    if (typed.size() == asciiLength && charactersFit) {
        check.keyText = AsciiKeyToHex(typed);
    } else if (typed.size() == hexLength && IsHexText(typed)) {
        check.keyText = std::u16string(typed);
    } else {
        check.result = use128 ? kWep128KeyInvalid : kWep64KeyInvalid;
        return check;
    }
    check.keyFormat = use128 ? kernel::kKeyWep128 : kernel::kKeyWep64;
    return check;
}

PskCheck CheckPskKey(std::u16string_view typed) {
    PskCheck check;
    if (typed.size() < 8) {
        check.result = kPskTooShort;
        return check;
    }
    if (typed.size() == kPskLimit) {
        for (char16_t c : typed) {
            if (!IsUpperHexDigit(base::AsciiUpper(c))) {
                check.result = kPskHexInvalid;
                return check;
            }
        }
        check.keyFormat = kernel::kKeyPskHex;
        return check;
    }
    // Longer texts cannot come from the 64-character field; they are no valid key either.
    if (typed.size() > kPskLimit) {
        check.result = kPskHexInvalid;
        return check;
    }
    check.keyFormat = kernel::kKeyPskAscii;
    return check;
}

} // namespace profiles
