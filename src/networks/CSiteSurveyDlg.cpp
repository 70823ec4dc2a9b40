#include "networks/CSiteSurveyDlg.h"

#include "app/Language.h"
#include "mainwnd/MainWndMessages.h"
#include "res/MainWndIds.h"

CSiteSurveyDlg::CSiteSurveyDlg()
    : CNetworksPage(IDD_DIALOG_SITESURVEY, mainwnd::kMsgNetworksPageKey, u"networks.rtf",
                    IDC_RICHEDIT_PAGE_HELP) {}

bool CSiteSurveyDlg::OnInit() {
    CNetworksPage::OnInit();
    ApplyTexts();
    return true;
}

void CSiteSurveyDlg::ApplyTexts() {
    host().SetText(IDC_STATIC_PAGE_FRAME, LangString(u"MAIN", u"Tab_SiteSurvey", u"Networks", 64));
    ForgetHelp();
}
