// The frame every page of the connect wizard shares: the bold title line, the side and banner
// pictures, the step panel (the current step in the normal text colour, the others in light grey, all
// on white) and the page watchdog. Control ids are those of res/WizardFrameIds.h.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ui/Host.h"
#include "ui/Types.h"

namespace wizard {

constexpr ui::Color kStepInactiveColor = 0xDCDCDC;
constexpr ui::Color kStepPanelColor = 0xFFFFFF;
constexpr uint32_t kWatchdogMilliseconds = 1000;

// Which of the four step labels is the page's: 0 "Choose Network" ... 3 "Connecting".
enum class Step { ChooseNetwork = 0, ApplyingSecurity = 1, SavingProfile = 2, Connecting = 3 };

struct FrameTexts {
    std::u16string_view section;              // the page's section of the language file
    std::array<std::u16string_view, 4> steps; // the keys of the four step labels (no built-in defaults)
    Step current = Step::ChooseNetwork;
};

// Title, pictures and step labels. `hideSteps`: the side picture and the step panel are hidden (a first
// run without the utility's set-up pages, the WPS save page).
void ApplyFrame(ui::Host& host, const FrameTexts& texts, bool hideSteps = false);

// The wizard's title line text ("WizardConnectTitle" of section "MAIN").
std::u16string WizardTitle();

// A text of the page's section; keys without a built-in default pass an empty default.
std::u16string PageText(std::u16string_view section, std::u16string_view key,
                        std::u16string_view defaultText = {});

// The watchdog's question, asked every second: should the open page close with Cancel? True when the
// adapter is gone or the hardware button was pressed, and for the network list also when zero
// configuration owns the adapter.
bool PageShouldClose(bool alsoWhenZeroConfigOwns = false);

// A first run whose "InstallType" is "0": the pages skip the save page and hide their steps.
bool SilentFirstRun();

} // namespace wizard
