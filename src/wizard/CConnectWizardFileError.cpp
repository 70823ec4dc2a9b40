#include "wizard/CConnectWizardFileError.h"

#include "app/Language.h"
#include "res/WizardFinishIds.h"
#include "wizard/SaveProfileRules.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_FILE_ERROR";
// Closes the page when the adapter goes or the hardware button starts a WPS run.
constexpr int kWatchdogTimer = 1;

} // namespace

CConnectWizardFileError::CConnectWizardFileError(std::u16string reservedName)
    : ui::Dialog(IDD_DLG_CONNECTWIZARD_FILE_ERROR), m_name(std::move(reservedName)) {}

bool CConnectWizardFileError::OnInit() {
    auto text = [](std::u16string_view key, std::u16string_view fallback = {}) {
        return wizard::PageText(kSection, key, fallback);
    };
    host().SetCaption(text(u"10000"));
    wizard::ApplyFrame(host(),
                       {kSection, {u"10030", u"10040", u"10050", u"10060"}, wizard::Step::SavingProfile});
    host().SetText(IDC_STATIC_FILE_ERROR_MESSAGE,
                   wizard::ReservedNameMessage(text(u"10010"), m_name, LanguageIndex()));
    host().SetText(IDC_WIZARD_BACK, text(u"10070", u"< &Back"));
    host().SetText(IDC_WIZARD_NEXT, text(u"10080", u"&Next >"));
    host().SetText(ui::kIdCancel, text(u"10090", u"Cancel"));
    host().Enable(IDC_WIZARD_NEXT, false);
    host().SetDefaultButton(IDC_WIZARD_BACK);
    host().SetTimer(kWatchdogTimer, wizard::kWatchdogMilliseconds);
    return true;
}

void CConnectWizardFileError::OnCommand(ui::ControlId id, int code) {
    if (id == IDC_WIZARD_BACK && code == ui::kClicked) {
        WizardPage = wizard::kPageSaveProfile;
        host().EndDialog(ui::kIdOk);
        return;
    }
    ui::Dialog::OnCommand(id, code);
}

void CConnectWizardFileError::OnTimer(int timerId) {
    if (timerId == kWatchdogTimer && wizard::PageShouldClose()) {
        host().EndDialog(ui::kIdCancel);
    }
}
