// Where DrvSeed reports: progress lines on the console, and the waiting message box.
#pragma once

#include <string_view>

namespace drvseed {

class Console {
public:
    virtual ~Console() = default;
    virtual void Print(std::u16string_view text) = 0;
    // A message box with an OK button; returns when the user has answered.
    virtual void ShowMessage(std::u16string_view title, std::u16string_view text) = 0;
};

} // namespace drvseed
