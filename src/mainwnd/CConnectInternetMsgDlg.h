// The notice that the computer has reached the Internet. The main window shows it without waiting for
// it (modeless), above every other window; its check box decides whether it comes again.
#pragma once

#include "ui/Dialog.h"

class CConnectInternetMsgDlg : public ui::Dialog {
public:
    CConnectInternetMsgDlg();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    // Enter does what the OK button does; the button is not IDOK.
    void OnOK() override;

private:
    void Confirm();
};
