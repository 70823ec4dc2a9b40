// The save page's refusal of a profile name the program keeps for itself (the default profile's name,
// the "New profile" text). Back returns to the save page; there is no way forward.
#pragma once

#include <string>

#include "ui/Dialog.h"

class CConnectWizardFileError final : public ui::Dialog {
public:
    explicit CConnectWizardFileError(std::u16string reservedName);

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnOK() override {} // Next is never offered

private:
    std::u16string m_name;
};
