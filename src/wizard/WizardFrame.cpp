#include "wizard/WizardFrame.h"

#include "app/AppGlobals.h"
#include "app/AppSettings.h"
#include "app/Language.h"
#include "res/WizardFrameIds.h"
#include "wizard/WizardState.h"

namespace wizard {

namespace {

constexpr ui::ControlId kStepIds[4] = {IDC_WIZARD_STEP1, IDC_WIZARD_STEP2, IDC_WIZARD_STEP3,
                                       IDC_WIZARD_STEP4};

} // namespace

std::u16string WizardTitle() {
    return LangString(u"MAIN", u"WizardConnectTitle", u"Connecting to your wireless network");
}

std::u16string PageText(std::u16string_view section, std::u16string_view key,
                        std::u16string_view defaultText) {
    return LangText(section, key, defaultText);
}

void ApplyFrame(ui::Host& host, const FrameTexts& texts, bool hideSteps) {
    ui::Font bold;
    bold.bold = true;
    host.Static(IDC_WIZARD_TITLE).SetFont(bold);
    host.SetText(IDC_WIZARD_TITLE, WizardTitle());

    host.Show(IDC_WIZARD_SIDE_PICTURE, !hideSteps);
    host.Show(IDC_WIZARD_STEP_PANEL, !hideSteps);
    for (int i = 0; i < 4; ++i) {
        ui::StaticControl& label = host.Static(kStepIds[i]);
        label.SetText(PageText(texts.section, texts.steps[i]));
        label.SetBackColor(kStepPanelColor);
        label.SetTextColor(i == static_cast<int>(texts.current) ? ui::kDefaultColor : kStepInactiveColor);
        label.Show(!hideSteps);
    }
}

bool PageShouldClose(bool alsoWhenZeroConfigOwns) {
    return !DevicePresent || HwButtonPressed || (alsoWhenZeroConfigOwns && g_bZeroConfig);
}

bool SilentFirstRun() {
    return WizardState.firstRun && AppValue(u"InstallType") == u"0";
}

} // namespace wizard
