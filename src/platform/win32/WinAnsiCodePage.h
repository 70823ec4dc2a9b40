#pragma once

#include "platform/AnsiCodePage.h"

namespace platform::win32 {

class WinAnsiCodePage final : public AnsiCodePage {
public:
    std::vector<uint8_t> ToAnsi(std::u16string_view text, size_t maxBytes) const override;
};

} // namespace platform::win32
