#include "wizard/CConnectWizardHidden.h"

#include <array>

#include "app/AppTexts.h"
#include "res/WizardFinishIds.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_HIDDEN";
// Closes the page when the adapter goes or the hardware button starts a WPS run.
constexpr int kWatchdogTimer = 1;
constexpr int kNameLimit = 128;

// In HiddenSecurity order.
constexpr std::array<ui::ControlId, wizard::kHiddenSecurityCount> kChoiceIds = {
    IDC_RADIO_HIDDEN_WEP, IDC_RADIO_HIDDEN_WPAPSK, IDC_RADIO_HIDDEN_WPA2PSK, IDC_RADIO_HIDDEN_NONE};

} // namespace

CConnectWizardHidden::CConnectWizardHidden() : ui::Dialog(IDD_DLG_CONNECTWIZARD_HIDDEN) {}

bool CConnectWizardHidden::OnInit() {
    WizardPage = wizard::kPageHidden;
    auto text = [](std::u16string_view key, std::u16string_view fallback = {}) {
        return wizard::PageText(kSection, key, fallback);
    };
    host().SetCaption(text(u"1C000"));
    wizard::ApplyFrame(host(),
                       {kSection, {u"1C060", u"1C070", u"1C080", u"1C090"}, wizard::Step::ChooseNetwork});
    host().SetText(IDC_STATIC_HIDDEN_INSTRUCTION, text(u"1C010"));
    host().SetText(IDC_STATIC_HIDDEN_NAME_LABEL, text(u"1C020"));
    host().SetText(IDC_STATIC_HIDDEN_EXPLANATION, text(u"1C030"));
    host().SetText(IDC_RADIO_HIDDEN_WPA2PSK, text(u"1C0A0"));
    host().SetText(IDC_RADIO_HIDDEN_WPAPSK, text(u"1C0B0"));
    host().SetText(IDC_RADIO_HIDDEN_WEP, text(u"1C0C0"));
    host().SetText(IDC_RADIO_HIDDEN_NONE, text(u"1C0D0"));
    host().SetText(IDC_WIZARD_BACK, text(u"1C0E0", u"< &Back"));
    host().SetText(IDC_WIZARD_NEXT, text(u"1C0F0", u"&Next >"));
    host().SetText(ui::kIdCancel, text(u"1C0G0", u"Cancel"));

    for (ui::ControlId id : kChoiceIds) {
        host().Button(id).SetCheck(false);
    }
    PlaceChoices();
    host().Edit(IDC_EDIT_HIDDEN_NAME).SetLimit(kNameLimit);
    host().SetText(IDC_EDIT_HIDDEN_NAME, WizardState.hiddenName);
    host().Enable(IDC_WIZARD_NEXT, false);
    host().SetTimer(kWatchdogTimer, wizard::kWatchdogMilliseconds);
    return true;
}

void CConnectWizardHidden::PlaceChoices() {
    std::array<ui::Rect, wizard::kHiddenSecurityCount> places;
    for (size_t i = 0; i < kChoiceIds.size(); ++i) {
        places[i] = host().Item(kChoiceIds[i]).GetRect();
    }
    auto placed = wizard::HiddenChoicePlaces(WizardState.hiddenMarks, places);
    for (size_t i = 0; i < kChoiceIds.size(); ++i) {
        ui::Control& choice = host().Item(kChoiceIds[i]);
        choice.Show(placed[i].shown);
        if (placed[i].shown && placed[i].rect != places[i]) {
            choice.Move(placed[i].rect);
        }
    }
}

bool CConnectWizardHidden::ChosenSecurity(wizard::HiddenSecurity& choice) {
    for (size_t i = 0; i < kChoiceIds.size(); ++i) {
        if (host().Button(kChoiceIds[i]).IsChecked()) {
            choice = static_cast<wizard::HiddenSecurity>(i);
            return true;
        }
    }
    return false;
}

void CConnectWizardHidden::UpdateNext() {
    wizard::HiddenSecurity choice{};
    bool allowed = wizard::HiddenNextAllowed(host().GetText(IDC_EDIT_HIDDEN_NAME), ChosenSecurity(choice));
    host().Enable(IDC_WIZARD_NEXT, allowed);
    if (allowed) {
        host().SetDefaultButton(IDC_WIZARD_NEXT);
    }
}

void CConnectWizardHidden::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_EDIT_HIDDEN_NAME && code == ui::kEditChange) {
        WizardState.hiddenName = host().GetText(IDC_EDIT_HIDDEN_NAME);
        UpdateNext();
        return;
    }
    if (code != ui::kClicked) {
        return;
    }
    switch (id) {
    case IDC_RADIO_HIDDEN_WEP:
    case IDC_RADIO_HIDDEN_WPAPSK:
    case IDC_RADIO_HIDDEN_WPA2PSK:
    case IDC_RADIO_HIDDEN_NONE:
        for (ui::ControlId other : kChoiceIds) {
            host().Button(other).SetCheck(other == id);
        }
        UpdateNext();
        return;
    case IDC_WIZARD_NEXT:
        OnNext();
        return;
    case IDC_WIZARD_BACK:
        WizardPage = wizard::kPageList;
        host().EndDialog(ui::kIdOk);
        return;
    default:
        ui::Dialog::OnCommand(id, code);
        return;
    }
}

void CConnectWizardHidden::OnNext() {
    wizard::HiddenSecurity choice{};
    if (!ChosenSecurity(choice)) {
        return;
    }
    std::u16string name = host().GetText(IDC_EDIT_HIDDEN_NAME);
    if (!wizard::HiddenNameFits(name)) {
        host().ShowMessageBox(wizard::PageText(kSection, u"Msg_NameTooLong",
                                               u"A wireless network name has at most 32 characters."),
                              MessageBoxCaption(), ui::kBoxOk | ui::kBoxIconStop);
        host().SetFocus(IDC_EDIT_HIDDEN_NAME);
        return;
    }
    wizard::HiddenOutcome outcome = wizard::HiddenOutcomeFor(choice);
    WizardOrigin = wizard::kOriginHidden;
    WizardProfile.block.securityFlags = outcome.securityFlags;
    WizardState.hiddenChoice = outcome.hiddenChoice;
    WizardState.hiddenName = name;
    wizard::SetSelectedSsid(name);
    WizardPage = outcome.nextPage;
    host().EndDialog(ui::kIdOk);
}

void CConnectWizardHidden::OnTimer(int timerId) {
    if (timerId == kWatchdogTimer && wizard::PageShouldClose()) {
        host().EndDialog(ui::kIdCancel);
    }
}
