// Whether a supported adapter is plugged in, judged from the USB hardware ids against the "VIDPID"
// fragments of the application key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/UsbDevices.h"

// The fragments of a "VIDPID" value: split at ';', one fragment when there is none, none when empty.
// Empty pieces (";;", a trailing ';') are dropped: an empty fragment would match every device.
std::vector<std::u16string> SplitVidPid(std::u16string_view value);

bool IsSupportedAdapterPlugged(std::u16string_view vidPid, platform::UsbDevices& devices);
