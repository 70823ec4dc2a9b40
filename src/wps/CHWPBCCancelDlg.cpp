#include "wps/CHWPBCCancelDlg.h"

#include "app/AppSettings.h"
#include "res/WpsHardwareIds.h"
#include "wizard/WizardFrame.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_MESSAGE_HWPBC_CANCEL";
constexpr ui::Color kWhite = ui::Rgb(255, 255, 255);

std::u16string Text(std::u16string_view key, std::u16string_view defaultText = {}) {
    return wizard::PageText(kSection, key, defaultText);
}

} // namespace

CHWPBCCancelDlg::CHWPBCCancelDlg() : ui::Dialog(IDD_DIALOG_MESSAGE_HWPBC_CANCEL) {}

bool CHWPBCCancelDlg::OnInit() {
    host().SetBackgroundColor(kWhite);
    host().SetTopMost(true);
    host().SetCaption(Text(u"IDD_DIALOG_MESSAGE_HWPBC_CANCEL", u"ORVELIN LINK WARDEN"));
    host().SetText(IDC_HWPBC_CANCEL_TEXT, Text(u"IDC_STATIC_MESSAGE_HWPBCCANCEL_TEXT"));
    host().SetText(IDC_HWPBC_CANCEL_DONT_SHOW,
                   Text(u"IDC_CHECK_MESSAGE_HWPBCCANCEL_STATUS", u"Don't show this message again."));
    host().SetText(IDC_HWPBC_CANCEL_OK, Text(u"IDC_BUTTON_MESSAGE_HWPBCCANCEL_OK", u"&OK"));
    host().Static(IDC_HWPBC_CANCEL_PICTURE).SetBitmap(IDB_HWPBC_CANCEL);
    host().Button(IDC_HWPBC_CANCEL_DONT_SHOW).SetCheck(false);
    host().SetDefaultButton(IDC_HWPBC_CANCEL_OK);
    return true;
}

void CHWPBCCancelDlg::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_HWPBC_CANCEL_OK && code == ui::kClicked) {
        Close();
        return;
    }
    ui::Dialog::OnCommand(id, code);
}

void CHWPBCCancelDlg::Close() {
    const bool dontShow = host().Button(IDC_HWPBC_CANCEL_DONT_SHOW).IsChecked();
    SetAppValue(appvalue::kShowHwPbcCancelMsgBox, dontShow ? u"0" : u"1");
    host().EndDialog(ui::kIdOk);
}
