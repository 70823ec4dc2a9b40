// The notice shown when an exchange the adapter's push button started was cancelled: white, top-most,
// with a picture of the button. Its check box decides whether the notice comes again
// ("ShowHWPBCCancelMsgBox").
#pragma once

#include "ui/Dialog.h"

class CHWPBCCancelDlg final : public ui::Dialog {
public:
    CHWPBCCancelDlg();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnOK() override { Close(); }
    void OnCancel() override { Close(); }

private:
    void Close();
};
