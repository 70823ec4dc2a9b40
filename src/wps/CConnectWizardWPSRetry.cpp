#include "wps/CConnectWizardWPSRetry.h"

#include "res/WpsErrorIds.h"
#include "wizard/WizardState.h"
#include "wps/WpsPageGraph.h"

namespace {

constexpr ui::Color kWhite = ui::Rgb(255, 255, 255);
constexpr ui::Color kRed = ui::Rgb(255, 0, 0);

} // namespace

CConnectWizardWPSRetry::CConnectWizardWPSRetry()
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_WPS_RETRY_MESSAGE,
                         u"IDD_DLG_CONNECTWIZARD_WPS_RETRY_MESSAGE") {}

bool CConnectWizardWPSRetry::OnInit() {
    host().SetBackgroundColor(kWhite);
    host().SetCaption(Text(u"27000"));
    SetTexts({{ui::kIdCancel, u"27301", u"Cancel"},
              {IDC_WPSRETRY_HEADLINE, u"27010", u"WPS has timed out"},
              {IDC_WPSRETRY_DETAIL, u"27023",
               u"No connection has been made between the adapter and the selected device."},
              {IDC_WPSRETRY_RETRY, u"27300", u"Retry"}});
    host().Static(IDC_WPSRETRY_HEADLINE).SetTextColor(kRed);
    host().SetDefaultButton(IDC_WPSRETRY_RETRY);
    StartWatchdog();
    return true;
}

void CConnectWizardWPSRetry::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_WPSRETRY_RETRY && code == ui::kClicked) {
        WizardPage = wps::kPagePushButton;
        host().EndDialog(ui::kIdOk);
        return;
    }
    ui::Dialog::OnCommand(id, code);
}
