// Host-name lookup, which is how the program tells whether the Internet can be reached when the
// service library does not say so.
#pragma once

#include <string_view>

namespace platform {

class NameResolver {
public:
    virtual ~NameResolver() = default;
    // True when the lookup answered with at least one address for `host`; false when the name is
    // unknown, the lookup failed or no name server could be reached.
    virtual bool Resolve(std::u16string_view host) = 0;
};

} // namespace platform
