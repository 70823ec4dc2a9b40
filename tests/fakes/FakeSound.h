// A sound device that records which files were played; `fail` makes every play fail, as on a machine
// without sound.
#pragma once

#include <string>
#include <vector>

#include "platform/Sound.h"

namespace fakes {

class FakeSound final : public platform::Sound {
public:
    bool PlayFile(std::u16string_view path) override {
        played.emplace_back(path);
        return !fail;
    }

    bool fail = false;
    std::vector<std::u16string> played;
};

} // namespace fakes
