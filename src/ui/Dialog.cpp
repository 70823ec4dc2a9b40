#include "ui/Dialog.h"

namespace ui {

void Dialog::OnCommand(ControlId id, int code) {
    if (code != kClicked) {
        return;
    }
    if (id == kIdOk) {
        OnOK();
    } else if (id == kIdCancel) {
        OnCancel();
    }
}

} // namespace ui
