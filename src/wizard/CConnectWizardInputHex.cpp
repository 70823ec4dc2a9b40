#include "wizard/CConnectWizardInputHex.h"

#include <algorithm>

#include "app/AppTexts.h"
#include "app/Language.h"
#include "base/Text.h"
#include "kernel/ConnectionBlock.h"
#include "profiles/KeyRules.h"
#include "res/WizardSecurityIds.h"
#include "wizard/SecurityPageParts.h"
#include "wizard/SecurityRules.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_INPUTHEX";
constexpr int kLength64 = 0; // entries of the key-length list
constexpr int kLength128 = 1;

int KeyLimit(bool use128) {
    return static_cast<int>(use128 ? wizard::kWep128HexLength : wizard::kWep64HexLength);
}

void ShowKeyRefused(ui::Host& host, bool use128) {
    const std::u16string text =
        use128 ? LangString(u"MAIN", u"Msg_0205", u"The network password needs to be 128bits.", 2048)
               : LangString(u"MAIN", u"Msg_0201", u"The network password needs to be 64bits.", 2048);
    host.ShowMessageBox(text, MessageBoxCaption(), ui::kBoxOk);
}

} // namespace

CConnectWizardInputHex::CConnectWizardInputHex()
    : wizard::WizardKeyPage(IDD_DLG_CONNECTWIZARD_INPUTHEX, IDC_EDIT_HEX, IDC_CHECK_HEX_HIDE,
                            WizardState.wepKeyHide) {}

bool CConnectWizardInputHex::OnInit() {
    WizardPage = wizard::kPageWepHex;
    ui::Host& h = host();
    h.SetCaption(wizard::PageText(kSection, u"19000"));
    wizard::ApplyFrame(h,
                       {kSection, {u"19040", u"19050", u"19060", u"19070"}, wizard::Step::ApplyingSecurity},
                       wizard::SilentFirstRun());
    h.SetText(IDC_STATIC_HEX_INSTRUCTION, wizard::PageText(kSection, u"19010"));
    h.SetText(IDC_STATIC_HEX_NOTE, wizard::PageText(kSection, u"19020"));
    h.SetText(IDC_CHECK_HEX_HIDE, wizard::PageText(kSection, u"19080", u"Hide characters as I type"));
    wizard::SetButtonTexts(h, kSection, {u"19090", u"190A0", u"190B0"}, false);

    const int keyNumber = static_cast<int>(std::min<uint32_t>(WizardProfile.block.defaultKey, 3));
    ui::ComboControl& numbers = h.Combo(IDC_COMBO_HEX_KEYNUMBER);
    numbers.Reset();
    for (std::u16string_view name : {u"Key 1", u"Key 2", u"Key 3", u"Key 4"}) {
        numbers.Add(name);
    }
    numbers.Select(keyNumber);

    ShowHideState();

    const std::u16string key = WizardState.asciiKeyTyped
                                   ? WizardState.asciiKeyText
                                   : std::u16string(base::FieldText(WizardProfile.block.wepKeys[keyNumber]));
    const bool use128 = wizard::WepKeyTextIs128(key.size());
    ui::ComboControl& length = h.Combo(IDC_COMBO_HEX_KEYLENGTH);
    length.Reset();
    length.Add(u"64 bits");
    length.Add(u"128 bits");
    length.Select(use128 ? kLength128 : kLength64);
    h.Edit(IDC_EDIT_HEX).SetLimit(KeyLimit(use128));
    h.SetText(IDC_EDIT_HEX, key);
    wizard::EnableNext(h, wizard::WepKeyLengthFits(key.size(), use128));

    wizard::StartKeyPageTimers(h);
    return true;
}

bool CConnectWizardInputHex::Use128() {
    return host().Combo(IDC_COMBO_HEX_KEYLENGTH).Selection() == kLength128;
}

int CConnectWizardInputHex::KeyNumber() {
    return std::clamp(host().Combo(IDC_COMBO_HEX_KEYNUMBER).Selection(), 0, 3);
}

bool CConnectWizardInputHex::OnPageCommand(ui::ControlId id, int code) {
    ui::Host& h = host();
    if (id == IDC_EDIT_HEX && code == ui::kEditChange) {
        wizard::EnableNext(h, wizard::WepKeyLengthFits(h.GetText(IDC_EDIT_HEX).size(), Use128()));
        return true;
    }
    if (id == IDC_COMBO_HEX_KEYLENGTH && code == ui::kSelChange) {
        h.Edit(IDC_EDIT_HEX).SetLimit(KeyLimit(Use128()));
        h.SetText(IDC_EDIT_HEX, u"");
        return true;
    }
    return false;
}

void CConnectWizardInputHex::OnCancel() {
    WizardState.asciiKeyText.clear();
    WizardState.asciiKeyTyped = false;
    host().EndDialog(ui::kIdCancel);
}

void CConnectWizardInputHex::StoreKeyChoice() {
    WizardProfile.block.defaultKey = static_cast<uint32_t>(KeyNumber());
    WizardProfile.block.keyFormat = Use128() ? kernel::kKeyWep128 : kernel::kKeyWep64;
}

void CConnectWizardInputHex::Back() {
    StoreKeyChoice();
    base::CopyToField(WizardProfile.block.wepKeys[KeyNumber()], host().GetText(IDC_EDIT_HEX));
    WizardPage = wizard::kPageWepOption;
    host().EndDialog(ui::kIdOk);
}

void CConnectWizardInputHex::Next() {
    ui::Host& h = host();
    const std::u16string typed = h.GetText(IDC_EDIT_HEX);
    const bool use128 = Use128();
    const bool asAscii = typed.size() == (use128 ? wizard::kWep128AsciiLength : wizard::kWep64AsciiLength);
    const profiles::WepKeyCheck check = profiles::CheckWepKey(typed, use128);
    if (check.result != profiles::kKeyAccepted) {
        ShowKeyRefused(h, use128);
        h.SetFocus(IDC_EDIT_HEX);
        return;
    }
    // The characters are shown again when the page opens once more; a key typed in digits replaces
    // them, or that page would offer (and store) the old characters instead of this key.
    WizardState.asciiKeyTyped = asAscii;
    WizardState.asciiKeyText = asAscii ? typed : std::u16string();

    WizardPage = wizard::kPageSaveProfile;
    WizardOrigin = wizard::kOriginWepHex;
    StoreKeyChoice();
    base::CopyToField(WizardProfile.block.wepKeys[KeyNumber()], check.keyText);
    if (wizard::SilentFirstRun()) {
        wizard::ApplySilentWep(WizardProfile, WizardState.generatedKeys);
        WizardPage = wizard::kPageSilentSave;
    }
    h.EndDialog(ui::kIdOk);
}
