#include "wizard/CConnectWizardSecurityPSK.h"

#include "app/AppTexts.h"
#include "app/Language.h"
#include "base/Text.h"
#include "kernel/ConnectionBlock.h"
#include "networks/NetworkList.h"
#include "profiles/KeyRules.h"
#include "res/WizardSecurityIds.h"
#include "wizard/SecurityPageParts.h"
#include "wizard/SecurityRules.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_SECURITY_PSK";

} // namespace

CConnectWizardSecurityPSK::CConnectWizardSecurityPSK()
    : wizard::WizardKeyPage(IDD_DLG_CONNECTWIZARD_SECURITY_PSK, IDC_EDIT_PSK, IDC_CHECK_PSK_HIDE,
                            WizardState.wpaHide) {}

bool CConnectWizardSecurityPSK::OnInit() {
    WizardPage = wizard::kPagePsk;
    ui::Host& h = host();
    h.SetCaption(wizard::PageText(kSection, u"1B000"));
    wizard::ApplyFrame(h,
                       {kSection, {u"1B070", u"1B080", u"1B090", u"1B0A0"}, wizard::Step::ApplyingSecurity},
                       wizard::SilentFirstRun());
    const bool wpa2 = wizard::PskPageShowsWpa2(WizardState.hiddenChoice, WizardProfile.block.securityFlags);
    h.SetText(IDC_STATIC_PSK_INSTRUCTION, wizard::PageText(kSection, wpa2 ? u"1B011" : u"1B010"));
    h.SetText(IDC_STATIC_PSK_NOTE, wizard::PageText(kSection, wpa2 ? u"1B021" : u"1B020"));
    h.SetText(IDC_CHECK_PSK_HIDE, wizard::PageText(kSection, u"1B0B0", u"Hide characters as I type"));
    wizard::SetButtonTexts(h, kSection, {u"1B0C0", u"1B0D0", u"1B0E0"}, false);
    const int backPage = wizard::SecurityBackPage(networks::CopyNetworkList(), WizardState.selectedNetwork);
    h.Show(IDC_WIZARD_BACK, !wizard::SecurityBackHidden(WizardState.fromList, backPage));

    ShowHideState();
    h.Edit(IDC_EDIT_PSK).SetLimit(static_cast<int>(profiles::kPskLimit));
    h.SetText(IDC_EDIT_PSK, base::FieldText(WizardProfile.block.psk));
    wizard::EnableNext(h, wizard::PskLengthFits(KeyText().size()));

    wizard::StartKeyPageTimers(h);
    return true;
}

std::u16string CConnectWizardSecurityPSK::KeyText() {
    return host().GetText(IDC_EDIT_PSK);
}

bool CConnectWizardSecurityPSK::OnPageCommand(ui::ControlId id, int code) {
    ui::Host& h = host();
    if (id == IDC_EDIT_PSK && code == ui::kEditChange) {
        wizard::EnableNext(h, wizard::PskLengthFits(KeyText().size()));
        return true;
    }
    return false;
}

void CConnectWizardSecurityPSK::Back() {
    base::CopyToField(WizardProfile.block.psk, KeyText());
    WizardProfile.block.keyFormat = kernel::kKeyPskAscii;
    WizardPage = wizard::SecurityBackPage(networks::CopyNetworkList(), WizardState.selectedNetwork);
    host().EndDialog(ui::kIdOk);
}

void CConnectWizardSecurityPSK::Next() {
    ui::Host& h = host();
    const std::u16string typed = KeyText();
    const profiles::PskCheck check = profiles::CheckPskKey(typed);
    if (check.result != profiles::kKeyAccepted) {
        const profiles::KeyMessage message = profiles::KeyResultMessage(check.result);
        h.ShowMessageBox(LangString(u"MAIN", message.key, message.defaultText, 2048), MessageBoxCaption(),
                         ui::kBoxOk | ui::kBoxIconStop);
        h.SetFocus(IDC_EDIT_PSK);
        return;
    }
    base::CopyToField(WizardProfile.block.psk, typed);
    WizardProfile.block.keyFormat = check.keyFormat;
    WizardPage = wizard::kPageSaveProfile;
    WizardOrigin = wizard::kOriginPsk;
    if (wizard::SilentFirstRun()) {
        WizardProfile.block.securityFlags = wizard::SilentPskSecurity(WizardProfile.block.securityFlags);
        WizardPage = wizard::kPageSilentSave;
    }
    h.EndDialog(ui::kIdOk);
}
