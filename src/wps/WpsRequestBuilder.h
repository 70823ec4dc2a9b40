// The WpsRequest of each method, built from the working connection block. Texts longer than their
// field are cut there and always terminated.
#pragma once

#include <string_view>

#include "kernel/ConnectionBlock.h"
#include "kernel/WpsRequest.h"
#include "wps/WpsRegistrar.h"

namespace wps {

constexpr uint8_t kRequestMarker = 0x80;
constexpr uint32_t kRegistrarSecurity = 0x00100004;
constexpr uint32_t kRegistrarFlags = 0x00010000;

// Push button: no PIN, SSID or BSSID; only the value after the BSSID passes through.
kernel::WpsRequest PushButtonRequest(const kernel::ConnectionBlock& block);

// Adapter PIN (method 2): the PIN, the selected network's name, its BSSID and the value after it.
kernel::WpsRequest AdapterPinRequest(std::u16string_view pin, std::u16string_view selectedSsid,
                                     const kernel::ConnectionBlock& block);

// AP PIN (method 16): as the adapter PIN, plus the network this program configures as registrar.
kernel::WpsRequest ApPinRequest(std::u16string_view pin, std::u16string_view selectedSsid,
                                const kernel::ConnectionBlock& block, const RegistrarValues& registrar);

} // namespace wps
