// The update notice: a background check found a newer version while the main window was hidden. It
// slides up from the taskbar at the bottom right, above every other window, and asks whether to
// download it now; its check box says not to remind the user until the next update.
#pragma once

#include "ui/Dialog.h"

class CAutoUpdateMsgDlg final : public ui::Dialog {
public:
    CAutoUpdateMsgDlg();

    // Out: the "don't remind" box as it was when the notice closed.
    bool m_dontRemind = false;

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void Close(int result);
    void PlaceShown();

    int m_fullHeight = 0;
    int m_width = 0;
    int m_shown = 0; // pixels of height showing
};
