#include "wizard/SecurityPageParts.h"

#include "res/WizardFrameIds.h"
#include "wizard/SecurityRules.h"

namespace wizard {

void SetButtonTexts(ui::Host& host, std::u16string_view section, const ButtonKeys& keys, bool withDefaults) {
    host.SetText(IDC_WIZARD_BACK, PageText(section, keys.back, withDefaults ? u"< &Back" : u""));
    host.SetText(IDC_WIZARD_NEXT, PageText(section, keys.next, withDefaults ? u"&Next >" : u""));
    host.SetText(ui::kIdCancel, PageText(section, keys.cancel, withDefaults ? u"Cancel" : u""));
}

void EnableNext(ui::Host& host, bool enable) {
    host.Enable(IDC_WIZARD_NEXT, enable);
    if (enable) {
        host.SetDefaultButton(IDC_WIZARD_NEXT);
    }
}

void MaskKeyField(ui::Host& host, ui::ControlId field, bool hide) {
    host.Edit(field).SetPasswordChar(MaskCharacter(hide));
}

void StartKeyPageTimers(ui::Host& host) {
    host.SetTimer(kTimerSelectKey, kSelectKeyMilliseconds);
    host.SetTimer(kTimerKeyPageWatchdog, kWatchdogMilliseconds);
}

void SelectKeyField(ui::Host& host, ui::ControlId field) {
    host.KillTimer(kTimerSelectKey);
    host.Edit(field).Select(0, -1);
    host.SetFocus(field);
}

void WatchdogTick(ui::Host& host, int timerId) {
    if (!PageShouldClose()) {
        return;
    }
    host.KillTimer(timerId);
    host.EndDialog(ui::kIdCancel);
}

} // namespace wizard
