#include "wps/CConnectWizardWPSHelpforAP.h"

#include <array>
#include <string_view>

#include "res/WpsChoiceIds.h"

namespace {

// In the order of the template's lines.
constexpr std::array<std::u16string_view, 16> kLineKeys = {
    u"23010", u"23020", u"23030", u"23031", u"23040", u"23041", u"23050", u"23051",
    u"23052", u"23053", u"23060", u"23070", u"23071", u"23072", u"23080", u"23081"};

} // namespace

CConnectWizardWPSHelpforAP::CConnectWizardWPSHelpforAP()
    : wps::WatchedDialog(IDD_DLG_CONNECTWIZARD_MESSAGE_WPSHELP_FOR_AP,
                         u"IDD_DLG_CONNECTWIZARD_MESSAGE_WPSHELP_FOR_AP") {}

bool CConnectWizardWPSHelpforAP::OnInit() {
    host().SetCaption(Text(u"23000"));
    host().SetText(IDC_WPSHELPAP_OK, Text(u"23300"));
    for (size_t line = 0; line < kLineKeys.size(); ++line) {
        host().SetText(static_cast<ui::ControlId>(IDC_WPSHELPAP_TEXT_FIRST + line), Text(kLineKeys[line]));
    }
    StartWatchdog();
    return true;
}

void CConnectWizardWPSHelpforAP::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_WPSHELPAP_OK && code == ui::kClicked) {
        host().EndDialog(ui::kIdOk);
        return;
    }
    ui::Dialog::OnCommand(id, code);
}
