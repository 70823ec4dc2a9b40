// The program's own Internet check, for when the service library's check is switched off: a public
// host name that resolves means a name server out there answered.
#pragma once

#include <string_view>

#include "platform/Clock.h"
#include "platform/NameResolver.h"

namespace mainwnd {

// A name the domain registry keeps resolving for documentation, so it never goes away.
constexpr std::u16string_view kInternetProbeHost = u"www.example.com";
// How long a failed check holds its caller, so that callers retrying in a loop do not spin.
constexpr uint32_t kInternetRetryPauseMs = 1000;

// 1 when `host` (a trailing line feed dropped) resolves at the first attempt; otherwise waits
// kInternetRetryPauseMs on `clock` and answers 0.
int InternetReachable(platform::NameResolver& resolver, platform::Clock& clock,
                      std::u16string_view host = kInternetProbeHost);

} // namespace mainwnd
