// What the pages after an unsuccessful WPS attempt show, as pure rules: the error page's texts by
// kind, and the BSSID lines of the failure pages.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kernel/BssEntry.h"
#include "wps/WpsState.h"

namespace wps {

// Kinds of WpsErrorKind.
constexpr int kErrorPushButtonTimeout = 0;
constexpr int kErrorPinTimeout = 1;
constexpr int kErrorCancelled = 2;
constexpr int kErrorWrongApPin = 3;
constexpr int kErrorOverlap = 4;

// The keys and defaults of the error page's headline and detail. An empty detail key: the detail is
// empty. No value for a kind outside 0-4: the template's texts stay.
struct ErrorTexts {
    std::u16string_view headlineKey;
    std::u16string_view headlineDefault;
    std::u16string_view detailKey;
    std::u16string_view detailDefault;
};
std::optional<ErrorTexts> ErrorTextsFor(int kind);

// The service offers at most this many APs to the failure pages.
constexpr uint32_t kShownApLimit = 4;

// Page 109: the first AP's BSSID in double quotation marks.
std::u16string QuotedFirstBssid(const std::array<kernel::BssEntry, kApListEntries>& list);

// Page 110: the BSSIDs of the first `count` APs (at most four), separated by ", " and ended by ".";
// no AP gives ".".
std::u16string BssidListLine(const std::array<kernel::BssEntry, kApListEntries>& list, uint32_t count);

} // namespace wps
