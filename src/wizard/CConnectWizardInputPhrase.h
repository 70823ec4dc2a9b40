// Page 7 of the connect wizard: the WEP passphrase and the key length; Next turns the passphrase into
// the four WEP keys the save page and the end of the run use.
#pragma once

#include "platform/AnsiCodePage.h"
#include "ui/Dialog.h"

class CConnectWizardInputPhrase : public ui::Dialog {
public:
    // The generators see the passphrase in the system's ANSI code page, as every other program on the
    // machine that derives keys from it does.
    explicit CConnectWizardInputPhrase(const platform::AnsiCodePage& codePage);

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnOK() override;

private:
    std::u16string Passphrase();
    void Next();
    void Back();

    const platform::AnsiCodePage& m_codePage;
};
