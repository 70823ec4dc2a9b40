// The program's own message dialog (dialog 176), used instead of a system message box when the
// interface language is German, whose texts are longer than a message box likes.
#pragma once

#include <string>

#include "ui/Dialog.h"

class CSysMessageYesDlg : public ui::Dialog {
public:
    CSysMessageYesDlg();

    // Inputs, set by the caller before running the dialog.
    std::u16string m_message; // the already looked-up text
    int m_layoutFlag = 0;     // 1: move and reshape as below
    int m_layoutVariant = 0;  // 0: 100 px narrower, OK 50 px left; 1: same size, OK 10 px left, 2 px up

    bool OnInit() override;

private:
    void ApplyLayout();
};
