// What this program hands an AP when it acts as registrar (AP PIN): a network name "ORVL_" with eight
// random characters and a passphrase of 8 to 63 random printable characters. The name goes out in the
// AP's beacons, so nothing about it may help guess the passphrase: both come from the system's
// cryptographic random source, drawn without bias.
#pragma once

#include <optional>
#include <string>

#include "platform/RandomSource.h"

namespace wps {

constexpr std::u16string_view kRegistrarSsidPrefix = u"ORVL_";
constexpr size_t kRegistrarSuffixLength = 8;
constexpr size_t kRegistrarPassphraseMin = 8;
constexpr size_t kRegistrarPassphraseMax = 63;

struct RegistrarValues {
    std::u16string ssid;
    std::u16string passphrase;
};

// Empty when the random source failed: then there is nothing safe to offer.
std::optional<RegistrarValues> MakeRegistrarValues(platform::RandomSource& random);

} // namespace wps
