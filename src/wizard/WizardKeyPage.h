// What the three key pages of the connect wizard (7 WEP passphrase, 9 WEP key, 11 WPA-PSK passphrase)
// do alike: the key field with its "Hide characters as I type" box, Next and Back, Enter as Next while
// Next may be pressed, the whole key selected once the window is up, and the watchdog.
#pragma once

#include "ui/Dialog.h"

namespace wizard {

class WizardKeyPage : public ui::Dialog {
public:
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    // Enter acts as Next, and only while Next may be pressed.
    void OnOK() override;

protected:
    // `hideFlag`: the process-wide state of the page's hide box, which the box changes.
    WizardKeyPage(int templateId, ui::ControlId keyField, ui::ControlId hideBox, bool& hideFlag);

    // The page's own commands (its field's changes, its lists); true when handled.
    virtual bool OnPageCommand(ui::ControlId id, int code) = 0;
    virtual void Next() = 0;
    virtual void Back() = 0;

    ui::ControlId KeyField() const { return m_keyField; }
    // The hide box and the masking as the flag says (on opening).
    void ShowHideState();

private:
    ui::ControlId m_keyField;
    ui::ControlId m_hideBox;
    bool& m_hideFlag;
};

} // namespace wizard
