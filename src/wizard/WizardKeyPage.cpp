#include "wizard/WizardKeyPage.h"

#include "res/WizardFrameIds.h"
#include "wizard/SecurityPageParts.h"

namespace wizard {

WizardKeyPage::WizardKeyPage(int templateId, ui::ControlId keyField, ui::ControlId hideBox, bool& hideFlag)
    : ui::Dialog(templateId), m_keyField(keyField), m_hideBox(hideBox), m_hideFlag(hideFlag) {}

void WizardKeyPage::ShowHideState() {
    host().Button(m_hideBox).SetCheck(m_hideFlag);
    MaskKeyField(host(), m_keyField, m_hideFlag);
}

void WizardKeyPage::OnCommand(ui::ControlId id, int code) {
    if (OnPageCommand(id, code)) {
        return;
    }
    if (code == ui::kClicked) {
        if (id == m_hideBox) {
            m_hideFlag = host().Button(m_hideBox).IsChecked();
            MaskKeyField(host(), m_keyField, m_hideFlag);
            host().SetFocus(m_keyField);
            return;
        }
        if (id == IDC_WIZARD_NEXT) {
            Next();
            return;
        }
        if (id == IDC_WIZARD_BACK) {
            Back();
            return;
        }
    }
    ui::Dialog::OnCommand(id, code);
}

void WizardKeyPage::OnTimer(int timerId) {
    if (timerId == kTimerSelectKey) {
        SelectKeyField(host(), m_keyField);
    } else if (timerId == kTimerKeyPageWatchdog) {
        WatchdogTick(host(), timerId);
    }
}

void WizardKeyPage::OnOK() {
    if (host().IsEnabled(IDC_WIZARD_NEXT)) {
        Next();
    }
}

} // namespace wizard
