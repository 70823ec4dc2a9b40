// ReadProfile in its two halves, for LoadProfileTable: a load of a hundred profiles asks the service
// for the record every read starts from once, not once per profile (the adapter's limits and the
// library's connection defaults cannot change while the store is locked for one load), and then reads
// each profile key onto a copy of it. Callers hold ProfileStoreMutex().
#pragma once

#include <string_view>

#include "kernel/WirelessProfile.h"

namespace profiles::detail {

// The record of a profile key that holds no values: the service's defaults and the localized names.
kernel::WirelessProfile UnreadProfile();

// Reads the values of one profile key (full path below HKEY_LOCAL_MACHINE) onto `record`, which holds
// UnreadProfile()'s defaults: a value that is missing or of another type leaves its default.
void ReadProfileValues(std::u16string_view keyPath, kernel::WirelessProfile& record);

} // namespace profiles::detail
