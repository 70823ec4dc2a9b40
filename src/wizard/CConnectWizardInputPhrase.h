// Page 7 of the connect wizard: the WEP passphrase and the key length; Next turns the passphrase into
// the four WEP keys the save page and the end of the run use.
#pragma once

#include "platform/AnsiCodePage.h"
#include "wizard/WizardKeyPage.h"

class CConnectWizardInputPhrase : public wizard::WizardKeyPage {
public:
    // The generators see the passphrase in the system's ANSI code page, as every other program on the
    // machine that derives keys from it does.
    explicit CConnectWizardInputPhrase(const platform::AnsiCodePage& codePage);

    bool OnInit() override;

private:
    std::u16string Passphrase();
    bool OnPageCommand(ui::ControlId id, int code) override;
    void Next() override;
    void Back() override;

    const platform::AnsiCodePage& m_codePage;
};
