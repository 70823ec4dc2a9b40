#include "wps/CConnectWizardWPSErrorFail.h"

#include "res/WpsErrorIds.h"
#include "wizard/WizardState.h"
#include "wps/WpsErrorRules.h"
#include "wps/WpsState.h"

namespace {

constexpr ui::Color kWhite = ui::Rgb(255, 255, 255);
constexpr ui::Color kRed = ui::Rgb(255, 0, 0);
constexpr ui::ControlId kBoldLines[] = {1242, 1243, 1247, 1248, 1250, 1251, 1255, 1287, 1289};

} // namespace

CConnectWizardWPSErrorFail::CConnectWizardWPSErrorFail()
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_WPS_ERROR_FAIL, u"IDD_DLG_CONNECTWIZARD_WPS_ERROR_FAIL") {}

bool CConnectWizardWPSErrorFail::OnInit() {
    host().SetBackgroundColor(kWhite);
    host().SetCaption(Text(u"29000"));
    SetTexts({{ui::kIdCancel, u"29300", u"OK"},
              {1242, u"29010"},
              {1243, u"29020"},
              {1244, u"29030"},
              {1285, u"29032"},
              {1245, u"29040"},
              {1246, u"29050"},
              {1247, u"29060"},
              {1248, u"29070"},
              {1286, u"29071"},
              {1249, u"29080"},
              {1250, u"29090"},
              {1251, u"290A0"},
              {1252, u"290B0"},
              {1253, u"290C0"},
              {1287, u"290C1"},
              {1288, u"290C2"},
              {1254, u"290D0"},
              {1289, u"290D1"},
              {1290, u"290D2"},
              {1255, u"290E0"},
              {1291, u"290E1"}});
    host().SetText(IDC_WPSFAIL_BSSID, wps::QuotedFirstBssid(WpsApList));
    ui::Font bold;
    bold.face = u"Arial";
    bold.bold = true;
    for (ui::ControlId id : kBoldLines) {
        host().Static(id).SetFont(bold);
    }
    host().Static(IDC_WPSFAIL_HEADLINE).SetTextColor(kRed);
    StartWatchdog();
    return true;
}

void CConnectWizardWPSErrorFail::OnCancel() {
    WizardPage = wizard::kPageList;
    host().EndDialog(ui::kIdCancel);
}
