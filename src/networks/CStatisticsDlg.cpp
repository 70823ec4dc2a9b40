#include "networks/CStatisticsDlg.h"

#include "app/Language.h"
#include "mainwnd/MainWndMessages.h"
#include "res/MainWndIds.h"

CStatisticsDlg::CStatisticsDlg()
    : CStatisticsPage(IDD_DIALOG_STATISTICS, mainwnd::kMsgStatisticsPageKey, u"statistics.rtf",
                      IDC_RICHEDIT_PAGE_HELP) {}

bool CStatisticsDlg::OnInit() {
    CStatisticsPage::OnInit();
    ApplyTexts();
    return true;
}

void CStatisticsDlg::ApplyTexts() {
    host().SetText(IDC_STATIC_PAGE_FRAME, LangString(u"MAIN", u"Tab_Statistics", u"Statistics", 64));
    ForgetHelp();
}
