// Console for DrvSeed on Windows: progress lines to standard output, the waiting message as a
// message box.
#pragma once

#include "drvseed/Console.h"

namespace drvseed::win32 {

class WinConsole final : public Console {
public:
    void Print(std::u16string_view text) override;
    void ShowMessage(std::u16string_view title, std::u16string_view text) override;
};

} // namespace drvseed::win32
