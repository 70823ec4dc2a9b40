// The small "detecting" box shown over the insert-adapter dialog (form 0) and the push-button page
// (form 1, "Please Wait..."). Its owner creates it modeless and shows, hides and centres it.
#pragma once

#include "ui/Dialog.h"

class CDetectDlg : public ui::Dialog {
public:
    static constexpr int kFormDetect = 0;
    static constexpr int kFormPleaseWait = 1;

    CDetectDlg();

    int m_form = kFormDetect; // set before the window is created

    bool OnInit() override;

    // Owner's calls; nothing happens while the window does not exist.
    void ShowBox(bool show);
    void CentreOver(const ui::Rect& owner);
};
