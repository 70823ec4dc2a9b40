// Sound files through the multimedia library.
#pragma once

#include "platform/Sound.h"

namespace platform::win32 {

class WinSound final : public Sound {
public:
    bool PlayFile(std::u16string_view path) override;
};

} // namespace platform::win32
