#include "wizard/CConnectWizardSecurityWeb.h"

#include "networks/NetworkList.h"
#include "res/WizardSecurityIds.h"
#include "wizard/SecurityPageParts.h"
#include "wizard/SecurityRules.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_SECURITY_WEB";

} // namespace

CConnectWizardSecurityWeb::CConnectWizardSecurityWeb() : ui::Dialog(IDD_DLG_CONNECTWIZARD_SECURITY_WEB) {}

bool CConnectWizardSecurityWeb::OnInit() {
    WizardPage = wizard::kPageWepOption;
    ui::Host& h = host();
    h.SetCaption(wizard::PageText(kSection, u"16000"));
    wizard::ApplyFrame(h,
                       {kSection, {u"16050", u"16060", u"16070", u"16080"}, wizard::Step::ApplyingSecurity},
                       wizard::SilentFirstRun());
    h.SetText(IDC_STATIC_WEB_INSTRUCTION, wizard::PageText(kSection, u"16010"));
    h.SetText(IDC_STATIC_WEB_CHOOSE, wizard::PageText(kSection, u"160A1"));
    h.SetText(IDC_RADIO_WEB_PASSPHRASE, wizard::PageText(kSection, u"16090", u"Passphrase (most common)"));
    h.SetText(IDC_RADIO_WEB_HEX, wizard::PageText(kSection, u"160A0", u"HEX Key"));
    h.SetText(IDC_STATIC_WEB_NOTE, wizard::PageText(kSection, u"16020"));
    wizard::SetButtonTexts(h, kSection, {u"160B0", u"160C0", u"160D0"}, true);
    const int backPage = wizard::SecurityBackPage(networks::CopyNetworkList(), WizardState.selectedNetwork);
    h.Show(IDC_WIZARD_BACK, !wizard::SecurityBackHidden(WizardState.fromList, backPage));
    ShowChoice();
    wizard::EnableNext(h, true);
    h.SetTimer(wizard::kTimerOptionPageWatchdog, wizard::kWatchdogMilliseconds);
    return true;
}

void CConnectWizardSecurityWeb::ShowChoice() {
    const bool byHand = WizardProfile.noPassphrase != 0;
    host().Button(IDC_RADIO_WEB_PASSPHRASE).SetCheck(!byHand);
    host().Button(IDC_RADIO_WEB_HEX).SetCheck(byHand);
}

void CConnectWizardSecurityWeb::OnCommand(ui::ControlId id, int code) {
    if (code != ui::kClicked) {
        ui::Dialog::OnCommand(id, code);
        return;
    }
    switch (id) {
    case IDC_RADIO_WEB_PASSPHRASE:
        WizardProfile.noPassphrase = 0;
        ShowChoice();
        return;
    case IDC_RADIO_WEB_HEX:
        WizardProfile.noPassphrase = 1;
        ShowChoice();
        return;
    case IDC_WIZARD_NEXT:
        Next();
        return;
    case IDC_WIZARD_BACK:
        Back();
        return;
    default:
        ui::Dialog::OnCommand(id, code);
    }
}

// Enter without a default button would end the page with OK and no next page.
void CConnectWizardSecurityWeb::OnOK() {
    Next();
}

void CConnectWizardSecurityWeb::Next() {
    WizardPage = WizardProfile.noPassphrase == 0 ? wizard::kPageWepPhrase : wizard::kPageWepHex;
    host().EndDialog(ui::kIdOk);
}

void CConnectWizardSecurityWeb::Back() {
    WizardPage = wizard::SecurityBackPage(networks::CopyNetworkList(), WizardState.selectedNetwork);
    host().EndDialog(ui::kIdOk);
}

void CConnectWizardSecurityWeb::OnTimer(int timerId) {
    if (timerId == wizard::kTimerOptionPageWatchdog) {
        wizard::WatchdogTick(host(), timerId);
    }
}
