// Page 14 of the connect wizard: whether to keep the settings as a profile, and under which name. A
// name the program keeps for itself sends the user to the reserved-name page and back here.
#pragma once

#include <string>

#include "ui/Dialog.h"

class CConnectWizardSaveProfile final : public ui::Dialog {
public:
    CConnectWizardSaveProfile();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnOK() override {} // Enter goes to the default button only
    void OnCancel() override;

private:
    // Sets the field's text without taking it for the user's typing.
    void ShowName(std::u16string_view text);
    void ShowHint() { ShowName(m_hint); }
    void OnNameEntered();
    void OnNameTyped();
    void OnChoice(bool save);
    void OnNext();

    std::u16string m_hint;
    std::u16string m_shown; // the field's text as this page last saw it
    bool m_settingText = false;
};
