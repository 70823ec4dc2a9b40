#include "mainwnd/InternetReachable.h"

namespace mainwnd {

int InternetReachable(platform::NameResolver& resolver, platform::Clock& clock, std::u16string_view host) {
    // The name may come from a line of a file.
    if (!host.empty() && host.back() == u'\n') {
        host.remove_suffix(1);
    }
    if (!host.empty() && resolver.Resolve(host)) {
        return 1;
    }
    clock.Sleep(kInternetRetryPauseMs);
    return 0;
}

} // namespace mainwnd
