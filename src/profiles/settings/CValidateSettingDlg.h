// The "Validating settings..." splash the main window shows while it applies the Settings page's
// profile. It fades in and out above every other window where the system offers window opacity, and
// otherwise stays opaque for three seconds; then it closes with OK by itself.
#pragma once

#include <cstdint>

#include "ui/Dialog.h"

// The fade: opacity 63, 95, ..., 255, then 223, ..., 31, one step per tick.
constexpr int kValidateFadeSteps = 14;
// Opacity of fade step 0 to kValidateFadeSteps - 1 (a step outside that range is opaque).
uint8_t ValidateFadeAlpha(int step);

class CValidateSettingDlg : public ui::Dialog {
public:
    static constexpr ui::Color kBackground = 0x630031;
    static constexpr ui::Color kTextColor = ui::Rgb(255, 255, 255);
    // Opacity while the splash comes up, before the fade.
    static constexpr uint8_t kInitialAlpha = 31;

    // Lets the nearly clear window reach the screen before the fade starts.
    static constexpr int kTimerStart = 1;
    static constexpr uint32_t kStartDelayMs = 200;
    // One fade step per tick; the window keeps running (and painting) between steps.
    static constexpr int kTimerFade = 2;
    static constexpr uint32_t kFadeStepMs = 100;
    // Without window opacity the splash simply stays up this long.
    static constexpr int kTimerPlain = 3;
    static constexpr uint32_t kPlainShowMs = 3000;

    CValidateSettingDlg();

    bool OnInit() override;
    void OnTimer(int timerId) override;
    void OnDestroy() override;
    // Nothing to answer: Enter and Escape do not cut the splash short.
    bool IgnoresEnterAndEscape() const override { return true; }

private:
    void ShowStep();
    void ShowWaitCursor();

    int m_step = 0;
    bool m_waitCursor = false;
};
