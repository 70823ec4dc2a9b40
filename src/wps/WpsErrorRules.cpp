#include "wps/WpsErrorRules.h"

#include <algorithm>

#include "base/Format.h"

namespace wps {

std::optional<ErrorTexts> ErrorTextsFor(int kind) {
    switch (kind) {
    case kErrorPushButtonTimeout:
        return ErrorTexts{u"27010", u"WPS procedure time out.", u"27020",
                          u"Fail to join a wireless network in 2 minutes."};
    case kErrorPinTimeout:
        return ErrorTexts{u"27010", u"WPS procedure time out.", u"27023",
                          u"Fail to join a wireless network in 4 minutes."};
    case kErrorCancelled:
        return ErrorTexts{u"27011", u"WPS procedure is cancelled by user.", u"27021",
                          u"Fail to join a wireless network."};
    case kErrorWrongApPin:
        return ErrorTexts{u"27012", u"The AP's PIN is not correct.", {}, {}};
    case kErrorOverlap:
        return ErrorTexts{u"27013", u"Security Risk:detecting more than one AP with push botton pressed.",
                          u"27022", u"Fail to join a wireless client to the network."};
    default:
        return std::nullopt;
    }
}

std::u16string QuotedFirstBssid(const std::array<kernel::BssEntry, kApListEntries>& list) {
    // Appended piece by piece: GCC's optimiser sees a possible overlap in a literal + string + literal.
    std::u16string quoted(1, u'"');
    quoted += base::FormatMac(list[0].bssid);
    quoted += u'"';
    return quoted;
}

std::u16string BssidListLine(const std::array<kernel::BssEntry, kApListEntries>& list, uint32_t count) {
    const size_t shown = std::min<size_t>(count, kShownApLimit);
    std::u16string line;
    for (size_t i = 0; i < shown; ++i) {
        if (i != 0) {
            line += u", ";
        }
        line += base::FormatMac(list[i].bssid);
    }
    return line + u".";
}

} // namespace wps
