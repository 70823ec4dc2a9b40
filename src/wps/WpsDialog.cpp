#include "wps/WpsDialog.h"

#include "res/WizardFrameIds.h"
#include "wizard/WizardFrame.h"

namespace wps {

void WatchedDialog::OnTimer(int timerId) {
    if (m_watchdog.Fires(timerId)) {
        m_watchdog.Stop(host());
        OnWatchdogFired();
    }
}

std::u16string WatchedDialog::Text(std::u16string_view key, std::u16string_view defaultText) const {
    return wizard::PageText(m_section, key, defaultText);
}

void WatchedDialog::SetTexts(std::initializer_list<TextKey> texts) {
    for (const TextKey& text : texts) {
        host().SetText(text.id, Text(text.key, text.defaultText));
    }
}

void WatchedDialog::ApplyFrameTitle() {
    ui::Font bold;
    bold.bold = true;
    host().Static(IDC_WIZARD_TITLE).SetFont(bold);
    host().SetText(IDC_WIZARD_TITLE, wizard::WizardTitle());
    host().Static(IDC_WIZARD_STEP_PANEL).SetBackColor(wizard::kStepPanelColor);
}

} // namespace wps
