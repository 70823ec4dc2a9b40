#include "wizard/CConnectWizardSaveProfile.h"

#include "app/AppTexts.h"
#include "base/Text.h"
#include "kernel/ConnectionBlock.h"
#include "profiles/ProfileStore.h"
#include "res/WizardFinishIds.h"
#include "wizard/CConnectWizardFileError.h"
#include "wizard/SaveProfileRules.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_SAVEPROFILE";
// Closes the page when the adapter goes or the hardware button starts a WPS run.
constexpr int kWatchdogTimer = 1;
constexpr int kNameLimit = 64;
constexpr int kWpsErrorCancelled = 2;

} // namespace

CConnectWizardSaveProfile::CConnectWizardSaveProfile() : ui::Dialog(IDD_DLG_CONNECTWIZARD_SAVEPROFILE) {}

bool CConnectWizardSaveProfile::OnInit() {
    WizardPage = wizard::kPageSaveProfile;
    auto text = [](std::u16string_view key, std::u16string_view fallback = {}) {
        return wizard::PageText(kSection, key, fallback);
    };
    // An open network has no key: its step is "Applying Settings".
    const bool open = (WizardProfile.block.securityFlags & kernel::kCipherNone) != 0;
    host().SetCaption(text(u"1E000"));
    wizard::ApplyFrame(
        host(),
        {kSection, {u"1E060", open ? u"1E071" : u"1E070", u"1E080", u"1E090"}, wizard::Step::SavingProfile},
        WpsMode);
    host().SetText(IDC_STATIC_SAVEPROFILE_QUESTION, text(u"1E010"));
    host().SetText(IDC_STATIC_SAVEPROFILE_EXPLANATION, text(u"1E020"));
    host().SetText(IDC_RADIO_SAVEPROFILE_YES, text(u"1E0A0", u"Yes"));
    host().SetText(IDC_RADIO_SAVEPROFILE_NO, text(u"1E0B0"));
    host().SetText(IDC_WIZARD_BACK, text(u"1E0C0"));
    host().SetText(IDC_WIZARD_NEXT, text(u"1E0D0"));
    host().SetText(ui::kIdCancel, text(u"1E0E0"));
    const bool backHidden = WpsMode || (WizardState.fromList && WizardOrigin == wizard::kOriginList);
    host().Show(IDC_WIZARD_BACK, !backHidden);

    m_hint = EnterProfileNameText();
    host().Edit(IDC_EDIT_SAVEPROFILE_NAME).SetLimit(kNameLimit);
    ShowHint();
    host().Button(IDC_RADIO_SAVEPROFILE_YES).SetCheck(SaveAtEnd);
    host().Button(IDC_RADIO_SAVEPROFILE_NO).SetCheck(!SaveAtEnd);
    host().Enable(IDC_WIZARD_NEXT, true);
    host().SetDefaultButton(IDC_WIZARD_NEXT);
    host().SetTimer(kWatchdogTimer, wizard::kWatchdogMilliseconds);
    // The focus goes to the choice, not the field, so that the hint is read before it goes.
    host().SetFocus(SaveAtEnd ? IDC_RADIO_SAVEPROFILE_YES : IDC_RADIO_SAVEPROFILE_NO);
    return false;
}

void CConnectWizardSaveProfile::ShowName(std::u16string_view text) {
    m_settingText = true;
    host().SetText(IDC_EDIT_SAVEPROFILE_NAME, text);
    m_settingText = false;
    m_shown = text;
}

void CConnectWizardSaveProfile::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_EDIT_SAVEPROFILE_NAME) {
        if (code == ui::kEditSetFocus) {
            OnNameEntered();
        } else if (code == ui::kEditChange && !m_settingText) {
            OnNameTyped();
        }
        return;
    }
    if (code != ui::kClicked) {
        return;
    }
    switch (id) {
    case IDC_RADIO_SAVEPROFILE_YES:
        OnChoice(true);
        return;
    case IDC_RADIO_SAVEPROFILE_NO:
        OnChoice(false);
        return;
    case IDC_WIZARD_NEXT:
        OnNext();
        return;
    case IDC_WIZARD_BACK:
        if (host().IsVisible(IDC_WIZARD_BACK)) {
            WizardPage = wizard::SaveBackPage(WizardOrigin);
            host().EndDialog(ui::kIdOk);
        }
        return;
    default:
        ui::Dialog::OnCommand(id, code);
        return;
    }
}

void CConnectWizardSaveProfile::OnNameEntered() {
    // Only the hint goes: a name the user typed before stays when the field is entered again.
    if (host().Button(IDC_RADIO_SAVEPROFILE_YES).IsChecked() && m_shown == m_hint) {
        ShowName(u"");
        host().Enable(IDC_WIZARD_NEXT, false);
    }
}

void CConnectWizardSaveProfile::OnNameTyped() {
    std::u16string now = host().GetText(IDC_EDIT_SAVEPROFILE_NAME);
    if (!host().Button(IDC_RADIO_SAVEPROFILE_YES).IsChecked()) {
        ShowHint();
        return;
    }
    settings::NameEdit edit = wizard::CleanTypedName(m_shown, now);
    if (edit.changed) {
        ShowName(edit.text);
        host().Edit(IDC_EDIT_SAVEPROFILE_NAME).Select(edit.caret, edit.caret);
    } else {
        m_shown = now;
    }
    bool allowed = wizard::SaveNextAllowed(edit.text);
    host().Enable(IDC_WIZARD_NEXT, allowed);
    if (allowed) {
        host().SetDefaultButton(IDC_WIZARD_NEXT);
    }
}

void CConnectWizardSaveProfile::OnChoice(bool save) {
    SaveAtEnd = save;
    host().Button(IDC_RADIO_SAVEPROFILE_YES).SetCheck(save);
    host().Button(IDC_RADIO_SAVEPROFILE_NO).SetCheck(!save);
    ShowHint();
    host().Enable(IDC_WIZARD_NEXT, true);
    host().SetDefaultButton(IDC_WIZARD_NEXT);
}

void CConnectWizardSaveProfile::OnNext() {
    if (!SaveAtEnd) {
        WizardPage = wizard::kPageSummary;
        host().EndDialog(ui::kIdOk);
        return;
    }
    std::u16string name = host().GetText(IDC_EDIT_SAVEPROFILE_NAME);
    if (name == m_hint) {
        name = wizard::PageText(kSection, u"Key_Profile", u"Profile");
    } else if (wizard::IsReservedProfileName(name, profiles::DefaultProfileName(), NewProfileText())) {
        host().ShowWindow(false);
        CConnectWizardFileError refusal(name);
        int result = host().RunModal(refusal);
        if (result == ui::kIdOk) {
            WizardPage = wizard::kPageSaveProfile;
        }
        host().EndDialog(result == ui::kIdOk ? ui::kIdOk : ui::kIdCancel);
        return;
    }
    // The store keeps what the field holds (63 units and a terminator), so the summary shows the name
    // the profile is stored under.
    base::CopyToField(WizardProfile.ConfigurationName, name);
    WizardPage = wizard::kPageSummary;
    host().EndDialog(ui::kIdOk);
}

void CConnectWizardSaveProfile::OnCancel() {
    if (WpsMode) {
        WizardPage = wizard::kPageWpsError;
        WpsErrorKind = kWpsErrorCancelled;
    }
    host().EndDialog(ui::kIdCancel);
}

void CConnectWizardSaveProfile::OnTimer(int timerId) {
    if (timerId == kWatchdogTimer && wizard::PageShouldClose()) {
        host().EndDialog(ui::kIdCancel);
    }
}
