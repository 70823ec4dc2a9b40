// The question asked when the main window goes to the notification area or closes while the Settings
// page holds unsaved changes. It only asks; the caller saves the profile on kSave and puts the stored
// settings back on kDiscard (also what the close box answers).
#pragma once

#include "ui/Dialog.h"

class CModifyProfileDlg : public ui::Dialog {
public:
    static constexpr int kSave = ui::kIdOk;
    static constexpr int kDiscard = ui::kIdCancel;

    CModifyProfileDlg();

    bool OnInit() override;
};
