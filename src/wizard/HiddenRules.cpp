#include "wizard/HiddenRules.h"

#include "kernel/ConnectionBlock.h"

namespace wizard {

std::array<ChoicePlace, kHiddenSecurityCount>
HiddenChoicePlaces(const HiddenMarks& marks,
                   const std::array<ui::Rect, kHiddenSecurityCount>& templatePlaces) {
    std::array<ChoicePlace, kHiddenSecurityCount> places;
    for (int i = 0; i < kHiddenSecurityCount; ++i) {
        places[i].rect = templatePlaces[i];
    }
    if (!marks.Any()) {
        return places;
    }
    const bool marked[kHiddenSecurityCount] = {marks.wep, marks.wpaPsk, marks.wpa2Psk, marks.open};
    int shownBefore = 0;
    for (int i = 0; i < kHiddenSecurityCount; ++i) {
        places[i].shown = marked[i];
        if (marked[i]) {
            places[i].rect = templatePlaces[0].Offset(0, kHiddenChoiceStep * shownBefore);
            ++shownBefore;
        }
    }
    return places;
}

HiddenOutcome HiddenOutcomeFor(HiddenSecurity choice) {
    switch (choice) {
    case HiddenSecurity::Wpa2Psk:
        return {kernel::kSecurityWpa2PskAes, kHiddenChoiceWpa2Psk, kPagePsk};
    case HiddenSecurity::WpaPsk:
        return {kernel::kSecurityWpaPskTkip, kHiddenChoiceWpaPsk, kPagePsk};
    case HiddenSecurity::Wep:
        return {kernel::kAuthCode2 | kernel::kCipherWep, kHiddenChoiceWep, kPageWepOption};
    case HiddenSecurity::None:
        break;
    }
    return {kernel::kSecurityNone, kHiddenChoiceNone, kPageSaveProfile};
}

bool HiddenNextAllowed(std::u16string_view name, bool choiceChecked) {
    return !name.empty() && choiceChecked;
}

bool HiddenNameFits(std::u16string_view name) {
    return name.size() <= kMaxNetworkNameLength;
}

} // namespace wizard
