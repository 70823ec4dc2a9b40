#include "wps/CConnectWizardMessageWPS.h"

#include "res/WpsChoiceIds.h"
#include "wizard/WizardState.h"
#include "wps/WpsPageGraph.h"

CConnectWizardMessageWPS::CConnectWizardMessageWPS()
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_MESSAGE_WPS, u"IDD_DLG_CONNECTWIZARD_MESSAGE_WPS") {}

bool CConnectWizardMessageWPS::OnInit() {
    host().SetCaption(Text(u"11000"));
    SetTexts({{IDC_MESSAGEWPS_OK, u"11010"},
              {IDC_MESSAGEWPS_TEXT1, u"11020"},
              {IDC_MESSAGEWPS_TEXT2, u"11030"},
              {IDC_MESSAGEWPS_TEXT3, u"11040"},
              {IDC_MESSAGEWPS_TEXT4, u"11050"},
              {IDC_MESSAGEWPS_TEXT5, u"11060"},
              {IDC_MESSAGEWPS_TEXT6, u"11100"},
              {IDC_MESSAGEWPS_TEXT7, u"11110"}});
    StartWatchdog();
    return true;
}

void CConnectWizardMessageWPS::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_MESSAGEWPS_OK && code == ui::kClicked) {
        WizardPage = wps::kPageCheck;
        host().EndDialog(ui::kIdOk);
        return;
    }
    ui::Dialog::OnCommand(id, code);
}
