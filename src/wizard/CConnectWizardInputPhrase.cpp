#include "wizard/CConnectWizardInputPhrase.h"

#include "base/Text.h"
#include "profiles/KeyMaterial.h"
#include "profiles/KeyRules.h"
#include "res/WizardSecurityIds.h"
#include "wizard/SecurityPageParts.h"
#include "wizard/SecurityRules.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_INPUTPHRASE";
constexpr int kLength64 = 0; // entries of the key-length list
constexpr int kLength128 = 1;

} // namespace

CConnectWizardInputPhrase::CConnectWizardInputPhrase(const platform::AnsiCodePage& codePage)
    : wizard::WizardKeyPage(IDD_DLG_CONNECTWIZARD_INPUTPHRASE, IDC_EDIT_PHRASE, IDC_CHECK_PHRASE_HIDE,
                            WizardState.wepPhraseHide),
      m_codePage(codePage) {}

bool CConnectWizardInputPhrase::OnInit() {
    WizardPage = wizard::kPageWepPhrase;
    ui::Host& h = host();
    h.SetCaption(wizard::PageText(kSection, u"17000"));
    wizard::ApplyFrame(h,
                       {kSection, {u"17070", u"17080", u"17090", u"170A0"}, wizard::Step::ApplyingSecurity},
                       wizard::SilentFirstRun());
    h.SetText(IDC_STATIC_PHRASE_INSTRUCTION, wizard::PageText(kSection, u"17010"));
    h.SetText(IDC_STATIC_PHRASE_NOTE, wizard::PageText(kSection, u"17020"));
    h.SetText(IDC_CHECK_PHRASE_HIDE, wizard::PageText(kSection, u"170B0", u"Hide characters as I type"));
    wizard::SetButtonTexts(h, kSection, {u"170C0", u"170D0", u"170E0"}, false);

    ShowHideState();
    h.Edit(IDC_EDIT_PHRASE).SetLimit(static_cast<int>(profiles::kWepPassphraseLimit));
    h.SetText(IDC_EDIT_PHRASE, base::FieldText(WizardProfile.wepPassphrase));
    wizard::EnableNext(h, !Passphrase().empty());

    ui::ComboControl& length = h.Combo(IDC_COMBO_PHRASE_KEYLENGTH);
    length.Reset();
    length.Add(u"64 bits");
    length.Add(u"128 bits");
    length.Select(WizardState.wepKeySize64 ? kLength64 : kLength128);

    wizard::StartKeyPageTimers(h);
    return true;
}

std::u16string CConnectWizardInputPhrase::Passphrase() {
    return host().GetText(IDC_EDIT_PHRASE);
}

bool CConnectWizardInputPhrase::OnPageCommand(ui::ControlId id, int code) {
    ui::Host& h = host();
    if (id == IDC_EDIT_PHRASE && code == ui::kEditChange) {
        wizard::EnableNext(h, !Passphrase().empty());
        return true;
    }
    if (id == IDC_COMBO_PHRASE_KEYLENGTH && code == ui::kSelChange) {
        WizardState.wepKeySize64 = h.Combo(IDC_COMBO_PHRASE_KEYLENGTH).Selection() != kLength128;
        h.Edit(IDC_EDIT_PHRASE).SetLimit(static_cast<int>(profiles::kWepPassphraseLimit));
        h.SetText(IDC_EDIT_PHRASE, u"");
        return true;
    }
    return false;
}

void CConnectWizardInputPhrase::Back() {
    base::CopyToField(WizardProfile.wepPassphrase, Passphrase());
    WizardPage = wizard::kPageWepOption;
    host().EndDialog(ui::kIdOk);
}

void CConnectWizardInputPhrase::Next() {
    const std::u16string passphrase = Passphrase();
    WizardPage = wizard::kPageSaveProfile;
    WizardOrigin = wizard::kOriginWepPhrase;
    base::CopyToField(WizardProfile.wepPassphrase, passphrase);
    WizardState.generatedKeys = {};
    if (auto keys = profiles::GenerateWepKeyTexts(m_codePage, passphrase, !WizardState.wepKeySize64)) {
        WizardState.generatedKeys = *keys;
    }
    if (wizard::SilentFirstRun()) {
        wizard::ApplySilentWep(WizardProfile, WizardState.generatedKeys);
        WizardPage = wizard::kPageSilentSave;
    }
    host().EndDialog(ui::kIdOk);
}
