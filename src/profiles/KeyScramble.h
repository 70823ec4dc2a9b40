// The stored form of key texts (PSK and WEP keys): each UTF-16 unit becomes two units, so that the keys
// are not legible in the registry at a glance. It is an obfuscation, not a protection.
#pragma once

#include <string>
#include <string_view>

namespace profiles {

std::u16string ScrambleKeyText(std::u16string_view text);

// Stored data comes from the registry and may be damaged: a trailing odd unit is ignored, and a pair
// that the scrambler cannot have produced (or that would decode to a terminator) is dropped, so the
// result never holds a character that was not stored.
std::u16string UnscrambleKeyText(std::u16string_view stored);

} // namespace profiles
