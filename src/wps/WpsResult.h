// What the process pages do with the network a successful exchange delivered (WpsGetResult): the
// checks before anything of it is used, the security and WEP rules, the 802.11n rule and the debug
// lines. Pure functions over the working profile, so both pages and their tests share them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "kernel/BssEntry.h"
#include "kernel/WirelessProfile.h"

namespace wps {

// The service's result is used only when the call succeeded and named a network; anything else counts
// as a failed exchange and nothing of it is saved.
bool ResultUsable(int32_t getResultReturn, const kernel::ConnectionBlock& block);

// The service fills fixed fields and need not terminate them: each text is cut at its field.
void TerminateResultTexts(kernel::ConnectionBlock& block);

// Security flags as the push-button page keeps them (WPA with AES counts as WPA2).
uint32_t PushButtonSecurity(uint32_t flags);
// ... and as the PIN page keeps them.
uint32_t PinSecurity(uint32_t flags);

// The push-button page's WEP rule: the authentication bit a WEP profile needs, keys marked as supplied
// and a 5 or 13 character key at the key index turned into hexadecimal digits with its key length. A
// key index outside 0-3 names no key and converts nothing.
void ApplyWepResult(kernel::WirelessProfile& profile);

// Any network of the scan list with exactly this name that offers 802.11n.
bool ScanListOffersN(const std::vector<kernel::BssEntry>& scanList, std::u16string_view ssid);

// The debug lines the push-button page writes about a result.
std::vector<std::u16string> ResultTraceLines(const kernel::ConnectionBlock& block);

// The steps both pages share after their own security rule: the name becomes the selected SSID, the
// transmit power preset is set again, WEP keys count as supplied and 802.11n follows the scan list.
void AdoptResult(kernel::WirelessProfile& profile, const std::vector<kernel::BssEntry>& scanList);

} // namespace wps
