// A name server that knows the names the test gives it; every lookup is recorded as asked.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/NameResolver.h"

namespace fakes {

class FakeNameResolver final : public platform::NameResolver {
public:
    bool Resolve(std::u16string_view host) override {
        lookups.emplace_back(host);
        return known.count(std::u16string(host)) != 0;
    }

    std::set<std::u16string> known;
    std::vector<std::u16string> lookups;
};

} // namespace fakes
