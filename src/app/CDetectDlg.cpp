#include "app/CDetectDlg.h"

#include "app/Language.h"
#include "res/AppIds.h"

CDetectDlg::CDetectDlg() : ui::Dialog(IDD_DIALOG_MESSAGE_DETECT) {}

bool CDetectDlg::OnInit() {
    std::u16string text;
    if (m_form == kFormPleaseWait) {
        text = LangText(u"IDD_DLG_CONNECTWIZARD_PLEASEWAIT", u"10000", u"\n\nPlease Wait...");
    } else {
        text = LangText(u"IDD_DIALOG_MESSAGE_DETECT", u"IDC_STATIC_MESSAGE_DETECT_TEXT",
                        u"Detecting adatper........");
    }
    host().SetText(IDC_STATIC_MESSAGE_DETECT_TEXT, text);
    return true;
}

void CDetectDlg::ShowBox(bool show) {
    if (IsOpen()) {
        host().ShowWindow(show);
    }
}

void CDetectDlg::CentreOver(const ui::Rect& owner) {
    if (!IsOpen()) {
        return;
    }
    ui::Rect box = host().WindowRect();
    int left = owner.left + (owner.Width() - box.Width()) / 2;
    int top = owner.top + (owner.Height() - box.Height()) / 2;
    host().MoveWindow({left, top, left + box.Width(), top + box.Height()});
}
