#include "wps/CConnectWizardMessageExpressWPS.h"

#include "res/WpsChoiceIds.h"

CConnectWizardMessageExpressWPS::CConnectWizardMessageExpressWPS(bool fromRunningExchange)
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_MESSAGE_EXPRESS_WPS,
                         u"IDD_DLG_CONNECTWIZARD_MESSAGE_EXPRESS_WPS", fromRunningExchange) {}

bool CConnectWizardMessageExpressWPS::OnInit() {
    host().SetCaption(Text(u"11000", u"Orvelin Wireless Adapter"));
    SetTexts({{IDC_MESSAGEEXPRESS_OK, u"11010"},
              {IDC_MESSAGEEXPRESS_TEXT1, u"11020"},
              {IDC_MESSAGEEXPRESS_TEXT2, u"11030"},
              {IDC_MESSAGEEXPRESS_TEXT3, u"11040"},
              {IDC_MESSAGEEXPRESS_TEXT4, u"11100"},
              {IDC_MESSAGEEXPRESS_TEXT5, u"11110"}});
    StartWatchdog();
    return true;
}

void CConnectWizardMessageExpressWPS::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_MESSAGEEXPRESS_OK && code == ui::kClicked) {
        host().EndDialog(ui::kIdOk);
        return;
    }
    ui::Dialog::OnCommand(id, code);
}
