#include "wps/WpsState.h"

std::array<char16_t, wps::kPinUnits> WpsPin{};
std::array<kernel::BssEntry, wps::kApListEntries> WpsApList{};
uint32_t WpsApCount = 0;
std::atomic<bool> WpsCheckCancelled{false};
std::atomic<bool> WpsRetryRequested{false};

namespace wps {

void ResetWpsState() {
    WpsPin = {};
    WpsApList = {};
    WpsApCount = 0;
    WpsCheckCancelled = false;
    WpsRetryRequested = false;
}

} // namespace wps
