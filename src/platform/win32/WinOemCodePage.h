#pragma once

#include "platform/OemCodePage.h"

namespace platform::win32 {

class WinOemCodePage final : public OemCodePage {
public:
    bool IsLeadByte(uint8_t byte) const override;
    std::u16string ToUnicode(const uint8_t* bytes, size_t count) const override;
};

} // namespace platform::win32
