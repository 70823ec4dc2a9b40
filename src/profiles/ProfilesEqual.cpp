#include "profiles/ProfilesEqual.h"

#include <cstddef>
#include <cstring>

#include "base/Text.h"

namespace profiles {

namespace {

// Texts end at their terminator. What lies behind it is left over from a longer text the field once
// held (or whatever the service wrote there) and is not part of the setting.
template <size_t N> bool SameText(const char16_t (&a)[N], const char16_t (&b)[N]) {
    return base::FieldText(a) == base::FieldText(b);
}

// Record bytes 1852-1865, compared as one run: the transmit power code, the preamble and the byte after
// it, both thresholds, and the six bytes of the service's area just ahead of them.
constexpr size_t kRadioRunBegin = 1852;
constexpr size_t kRadioRunEnd = 1866;
static_assert(offsetof(kernel::WirelessProfile, block) + offsetof(kernel::ConnectionBlock, RTSThreshold) +
                  sizeof(kernel::ConnectionBlock::RTSThreshold) ==
              kRadioRunEnd);
static_assert(offsetof(kernel::WirelessProfile, block) + offsetof(kernel::ConnectionBlock, transmitPower) -
                  kRadioRunBegin ==
              6);

bool SameRadioRun(const kernel::WirelessProfile& a, const kernel::WirelessProfile& b) {
    const auto* bytesA = reinterpret_cast<const unsigned char*>(&a);
    const auto* bytesB = reinterpret_cast<const unsigned char*>(&b);
    return std::memcmp(bytesA + kRadioRunBegin, bytesB + kRadioRunBegin, kRadioRunEnd - kRadioRunBegin) == 0;
}

bool SameWepKeys(const kernel::ConnectionBlock& a, const kernel::ConnectionBlock& b) {
    for (size_t key = 0; key < 4; ++key) {
        if (!SameText(a.wepKeys[key], b.wepKeys[key])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool ProfilesEqual(const kernel::WirelessProfile& a, const kernel::WirelessProfile& b) {
    const kernel::ConnectionBlock& blockA = a.block;
    const kernel::ConnectionBlock& blockB = b.block;
    if (!SameText(a.ConfigurationName, b.ConfigurationName) || !SameText(a.NetworkName, b.NetworkName)) {
        return false;
    }
    if (blockA.NetworkConnectType != blockB.NetworkConnectType || a.wirelessModes != b.wirelessModes) {
        return false;
    }
    // An infrastructure profile has no ad-hoc mode of its own: whatever the field holds is not shown.
    if (blockA.NetworkConnectType == kernel::kNetworkAdHoc && blockA.adHocMode != blockB.adHocMode) {
        return false;
    }
    if (!SameRadioRun(a, b)) {
        return false;
    }
    return blockA.securityFlags == blockB.securityFlags && a.noPassphrase == b.noPassphrase &&
           SameText(a.wepPassphrase, b.wepPassphrase) && blockA.defaultKey == blockB.defaultKey &&
           SameWepKeys(blockA, blockB) && SameText(blockA.psk, blockB.psk);
}

} // namespace profiles
