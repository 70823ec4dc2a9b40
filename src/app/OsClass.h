// The class of the running Windows version, which decides the service start mode, the driver folder
// clean-up and the first-run duties.
#pragma once

#include "platform/SystemInfo.h"

int ClassifyOs(const platform::OsVersion& version, bool isWow64);
// NT 6.1.
bool IsWindows7(const platform::OsVersion& version);
