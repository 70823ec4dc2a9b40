#include "app/CSysMessageYesDlg.h"

#include "res/AppIds.h"

namespace {

// The dialog opens centred over the main window; callers want it off-centre so the message under it
// stays readable.
constexpr int kShiftRight = 100;
constexpr int kShiftDown = 100;
constexpr int kNarrower = 100;

} // namespace

CSysMessageYesDlg::CSysMessageYesDlg() : ui::Dialog(IDD_DIALOG_SYSMESSAGE_YES) {}

bool CSysMessageYesDlg::OnInit() {
    host().SetText(IDC_STATIC_SYSMESSAGE_TEXT, m_message);
    if (m_layoutFlag == 1) {
        ApplyLayout();
    }
    return true;
}

void CSysMessageYesDlg::ApplyLayout() {
    ui::Rect window = host().WindowRect();
    ui::Rect ok = host().Item(ui::kIdOk).GetRect();
    if (m_layoutVariant == 0) {
        ui::Rect moved = window.Offset(kShiftRight, kShiftDown);
        moved.right -= kNarrower;
        host().MoveWindow(moved);
        host().Item(ui::kIdOk).Move(ok.Offset(-50, 0));
    } else {
        host().MoveWindow(window.Offset(kShiftRight, kShiftDown));
        host().Item(ui::kIdOk).Move(ok.Offset(-10, -2));
    }
}
