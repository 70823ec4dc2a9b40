#include "wizard/CConnectWizardWPSView.h"

#include <mutex>

#include "app/Language.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "kernel/ConnectionBlock.h"
#include "profiles/ProfileStore.h"
#include "res/WizardFinishIds.h"
#include "wizard/SummaryRules.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_WPSVIEW";

std::u16string Text(std::u16string_view key, std::u16string_view fallback) {
    return wizard::PageText(kSection, key, fallback);
}

} // namespace

CConnectWizardWPSView::CConnectWizardWPSView() : ui::Dialog(IDD_DLG_CONNECTWIZARD_WPSVIEW) {}

bool CConnectWizardWPSView::OnInit() {
    host().SetCaption(Text(u"1F000", u"Orvelin Wireless Adapter"));
    ui::Font bold;
    bold.bold = true;
    host().Static(IDC_WIZARD_TITLE).SetFont(bold);
    host().SetText(IDC_WIZARD_TITLE, wizard::WizardTitle());

    const std::u16string ssid = wizard::SelectedSsid();
    host().SetText(IDC_STATIC_WPSVIEW_HEADLINE,
                   Text(u"1F050", u"You have successfully connected to wireless network:") + ssid);
    host().SetText(IDC_STATIC_WPSVIEW_SETTING, Text(u"1F060", u"This is your wireless setting:"));
    host().SetText(IDC_STATIC_WPSVIEW_PROFILE_LABEL, Text(u"1F020", u"Profile:"));
    host().SetText(IDC_STATIC_WPSVIEW_SSID_LABEL, Text(u"1F030", u"SSID:"));
    host().SetText(IDC_STATIC_WPSVIEW_SECURITY_LABEL, Text(u"1F040", u"Security:"));
    host().SetText(IDC_STATIC_WPSVIEW_FINISH_NOTE, Text(u"1F070", u"Click Finish to complete."));
    host().SetText(IDC_CHECK_WPSVIEW_SAVE, Text(u"1F080", u"Save this network"));
    host().SetText(ui::kIdOk, Text(u"1F0C0", u"Finish"));

    host().SetText(IDC_STATIC_WPSVIEW_SSID, ssid);
    std::u16string_view securityKey = wizard::SummarySecurityKey(WizardProfile.block.securityFlags);
    host().SetText(IDC_STATIC_WPSVIEW_SECURITY,
                   Text(securityKey, wizard::SummarySecurityDefault(securityKey)));
    host().Button(IDC_CHECK_WPSVIEW_SAVE).SetCheck(SaveAtEnd);
    host().Show(IDC_CHECK_WPSVIEW_SAVE, SaveAtEnd);
    ShowProfileValue();
    host().SetDefaultButton(ui::kIdOk);
    return true;
}

void CConnectWizardWPSView::ShowProfileValue() {
    host().SetText(IDC_STATIC_WPSVIEW_PROFILE,
                   SaveAtEnd ? std::u16string(base::FieldText(WizardProfile.ConfigurationName))
                             : Text(u"Key_NoProfile", u"No Profile"));
}

void CConnectWizardWPSView::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_CHECK_WPSVIEW_SAVE && code == ui::kClicked) {
        SaveAtEnd = host().Button(IDC_CHECK_WPSVIEW_SAVE).IsChecked();
        ShowProfileValue();
        return;
    }
    ui::Dialog::OnCommand(id, code);
}

void CConnectWizardWPSView::OnOK() {
    kernel::ConnectionBlock& block = WizardProfile.block;
    if (!WpsMode) {
        wizard::CompleteSecurity(WizardProfile, WizardState.generatedKeys);
    } else if ((block.securityFlags & kernel::kCipherWep) != 0) {
        std::u16string left = wizard::CompleteWpsWep(WizardProfile);
        base::Trace(base::Format(u"**WPS- WEP key index, passphrase should empty but value = %s", {left}));
    }
    if (SaveAtEnd && !ReplaceAgreed()) {
        SaveAtEnd = false;
    }
    host().EndDialog(ui::kIdOk);
}

bool CConnectWizardWPSView::ReplaceAgreed() {
    bool exists = false;
    {
        std::lock_guard<std::recursive_mutex> lock(profiles::ProfileStoreMutex());
        int count = profiles::LoadProfileTable(0);
        exists = profiles::FindProfile(count, base::FieldText(WizardProfile.ConfigurationName)) >= 0;
    }
    if (!exists) {
        return true;
    }
    int answer = host().ShowMessageBox(LangText(u"MESSAGEBOX", u"SHOWTEXT", u""),
                                       LangText(u"MESSAGEBOX", u"TITLE", u""),
                                       ui::kBoxYesNo | ui::kBoxIconInformation);
    return answer == ui::kAnswerYes;
}
