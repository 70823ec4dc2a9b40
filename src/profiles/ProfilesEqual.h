// Whether two profile records hold the same settings: what the Settings tab compares to tell an edited
// profile from the stored one.
#pragma once

#include "kernel/WirelessProfile.h"

namespace profiles {

bool ProfilesEqual(const kernel::WirelessProfile& a, const kernel::WirelessProfile& b);

} // namespace profiles
