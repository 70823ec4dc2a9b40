// What the security pages (6, 7, 9, 11) do alike: their buttons, the Next button that is the default
// whenever it may be pressed, the masked key field and the timers.
#pragma once

#include <string_view>

#include "ui/Host.h"
#include "wizard/WizardFrame.h"

namespace wizard {

// The key pages (7, 9, 11) select the whole key once the window is up: a selection made while the
// dialog opens is undone by the dialog manager's own first focus.
constexpr int kTimerSelectKey = 1;
constexpr uint32_t kSelectKeyMilliseconds = 1;
// Their watchdog: the adapter may be pulled out or its button pressed while the user types.
constexpr int kTimerKeyPageWatchdog = 2;
// Page 6 has no key field; its watchdog is timer 1.
constexpr int kTimerOptionPageWatchdog = 1;

struct ButtonKeys {
    std::u16string_view back;
    std::u16string_view next;
    std::u16string_view cancel;
};
// Back, Next and Cancel from the page's section; `withDefaults`: the built-in English texts apply when
// the language file lacks them.
void SetButtonTexts(ui::Host& host, std::u16string_view section, const ButtonKeys& keys, bool withDefaults);

// Next enabled and then the default button, or disabled.
void EnableNext(ui::Host& host, bool enable);

// Hide or show the characters of a key field.
void MaskKeyField(ui::Host& host, ui::ControlId field, bool hide);

// Timer 1 once, then the watchdog.
void StartKeyPageTimers(ui::Host& host);
// The single tick of timer 1: the whole key selected, the focus on it.
void SelectKeyField(ui::Host& host, ui::ControlId field);

// One watchdog tick: closes the page with Cancel (leaving WizardPage as it is) when it should go.
void WatchdogTick(ui::Host& host, int timerId);

} // namespace wizard
