// The hidden-network page's rules: which security choices it offers and where, what a choice sets,
// and which names a connection can carry.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "ui/Types.h"
#include "wizard/WizardState.h"

namespace wizard {

// The choices in the order the page stacks them.
enum class HiddenSecurity { Wep = 0, WpaPsk = 1, Wpa2Psk = 2, None = 3 };
constexpr int kHiddenSecurityCount = 4;

// Where a shown choice goes below the one before it, in pixels.
constexpr int kHiddenChoiceStep = 18;

struct ChoicePlace {
    bool shown = true;
    ui::Rect rect;
};

// The four choices' places: only those whose mark is set, stacked from the first choice's place in
// the fixed order; with no mark at all every choice stays where the template put it. `templatePlaces`
// are in HiddenSecurity order, the first being the WEP choice's.
std::array<ChoicePlace, kHiddenSecurityCount>
HiddenChoicePlaces(const HiddenMarks& marks,
                   const std::array<ui::Rect, kHiddenSecurityCount>& templatePlaces);

// What Next stores for a choice.
struct HiddenOutcome {
    uint32_t securityFlags;
    int hiddenChoice;
    int nextPage;
};
HiddenOutcome HiddenOutcomeFor(HiddenSecurity choice);

// Next is offered once the network has a name and a security.
bool HiddenNextAllowed(std::u16string_view name, bool choiceChecked);

// A network name is at most 32 octets on the air, and the connection block's name field holds 33
// units and a terminator: a longer name is refused rather than cut into another network's name.
constexpr size_t kMaxNetworkNameLength = 32;
bool HiddenNameFits(std::u16string_view name);

} // namespace wizard
