#include "mainwnd/CConnectInternetMsgDlg.h"

#include <string_view>

#include "app/AppSettings.h"
#include "app/Language.h"
#include "res/MainWndIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DIALOG_MESSAGE_CONNECT_INTERNET";
// The picture (bitmap 172, from the template) is drawn on white; the window matches it.
constexpr ui::Color kWhite = ui::Rgb(255, 255, 255);

} // namespace

CConnectInternetMsgDlg::CConnectInternetMsgDlg() : ui::Dialog(IDD_DIALOG_MESSAGE_CONNECT_INTERNET) {}

bool CConnectInternetMsgDlg::OnInit() {
    host().SetCaption(LangString(kSection, u"IDC_STATIC_PROFILE_GROUP_PROFILES", u"ORVELIN LINK WARDEN"));
    host().SetText(IDC_STATIC_MESSAGE_CONNECT_TEXT, LangText(kSection, u"IDC_STATIC_MESSAGE_CONNECT_TEXT",
                                                             u"You are now connected to the Internet."));
    host().SetText(IDC_CHECK_MESSAGE_CONNECT_STATUS, LangLine(kSection, u"IDC_CHECK_MESSAGE_CONNECT_STATUS",
                                                              u"Don't show this message again.", 1));
    host().SetText(IDC_BUTTON_MESSAGE_CONNECT_OK,
                   LangLine(kSection, u"IDC_BUTTON_MESSAGE_CONNECT_OK", u"&OK", 0));
    host().Button(IDC_CHECK_MESSAGE_CONNECT_STATUS).SetCheck(false);
    host().SetBackgroundColor(kWhite);
    host().SetDefaultButton(IDC_BUTTON_MESSAGE_CONNECT_OK);
    host().SetTopMost(true);
    return true;
}

void CConnectInternetMsgDlg::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_BUTTON_MESSAGE_CONNECT_OK && code == ui::kClicked) {
        Confirm();
        return;
    }
    ui::Dialog::OnCommand(id, code);
}

void CConnectInternetMsgDlg::OnOK() {
    Confirm();
}

void CConnectInternetMsgDlg::Confirm() {
    bool dontShowAgain = host().Button(IDC_CHECK_MESSAGE_CONNECT_STATUS).IsChecked();
    SetAppValue(appvalue::kShowInternetMsgBox, dontShowAgain ? u"0" : u"1");
    host().EndDialog(ui::kIdOk);
}
