#include "about/CAboutExDlg.h"

#include "app/Language.h"
#include "mainwnd/MainWndMessages.h"
#include "res/MainWndIds.h"

CAboutExDlg::CAboutExDlg()
    : CAboutPage(IDD_DIALOG_ABOUTEX, mainwnd::kMsgAboutPageKey, u"About.rtf", IDC_RICHEDIT_PAGE_HELP) {}

bool CAboutExDlg::OnInit() {
    CAboutPage::OnInit();
    ApplyTexts();
    return true;
}

void CAboutExDlg::ApplyTexts() {
    host().SetText(IDC_STATIC_PAGE_FRAME, LangString(u"MAIN", u"Tab_About", u"About", 64));
    ForgetHelp();
}
