#include "wps/CConnectWizardWPSErrorTimeout.h"

#include "res/WpsErrorIds.h"
#include "wps/WpsErrorRules.h"
#include "wps/WpsState.h"

namespace {

constexpr ui::Color kWhite = ui::Rgb(255, 255, 255);
constexpr ui::Color kRed = ui::Rgb(255, 0, 0);
constexpr ui::ControlId kStrongLines[] = {1256, 1257, 1263, 1264, 1266, 1267, 1293, 1295, 1271};
// Arial 15 pixels high with weight 600: 11 points on a 96-dpi screen, drawn bold.
constexpr int kStrongPointSize = 11;

} // namespace

CConnectWizardWPSErrorTimeout::CConnectWizardWPSErrorTimeout(bool beforePinChoice)
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_WPS_ERROR_TIMEOUT, u"IDD_DLG_CONNECTWIZARD_WPS_ERROR_TIMEOUT"),
      m_beforePinChoice(beforePinChoice) {}

bool CConnectWizardWPSErrorTimeout::OnInit() {
    host().SetBackgroundColor(kWhite);
    host().SetCaption(Text(u"28000"));
    SetTexts({{ui::kIdCancel, u"28300", u"OK"},
              {1256, u"28010"},
              {1258, u"28030"},
              {1259, u"28040"},
              {1260, u"28050"},
              {1261, u"28060"},
              {1262, u"28070"},
              {1263, u"28080"},
              {1264, u"28090"},
              {1292, u"28091"},
              {1265, u"280A0"},
              {1266, u"280B0"},
              {1267, u"280C0"},
              {1268, u"280D0"},
              {1269, u"280E0"},
              {1293, u"280E1"},
              {1294, u"280E2"},
              {1270, u"280F0"},
              {1295, u"280F1"},
              {1296, u"280F2"},
              {1271, u"28100"},
              {1297, u"28101"}});
    host().SetText(IDC_WPSTIMEOUT_FIRST_DETAIL, Text(m_beforePinChoice ? u"28020" : u"28021"));
    host().SetText(IDC_WPSTIMEOUT_BSSIDS, wps::BssidListLine(WpsApList, WpsApCount));
    ui::Font strong;
    strong.face = u"Arial";
    strong.pointSize = kStrongPointSize;
    strong.bold = true;
    for (ui::ControlId id : kStrongLines) {
        host().Static(id).SetFont(strong);
    }
    host().Static(IDC_WPSTIMEOUT_HEADLINE).SetTextColor(kRed);
    StartWatchdog();
    return true;
}
