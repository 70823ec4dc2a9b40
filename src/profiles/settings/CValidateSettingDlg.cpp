#include "profiles/settings/CValidateSettingDlg.h"

#include <string_view>

#include "app/Language.h"
#include "res/ProfileDialogsIds.h"

namespace {

constexpr std::u16string_view kSection = u"IDD_DLG_CONNECTWIZARD_PLEASEWAIT";
constexpr uint32_t kTextUnits = 2048;
constexpr int kFadeInSteps = kValidateFadeSteps / 2;

} // namespace

uint8_t ValidateFadeAlpha(int step) {
    if (step < 0 || step >= kValidateFadeSteps) {
        return 255;
    }
    // In: i * 32 - 1 for i = 2 to 8; out: the same for i = 7 down to 1.
    int i = step < kFadeInSteps ? step + 2 : kValidateFadeSteps - step;
    return static_cast<uint8_t>(i * 32 - 1);
}

CValidateSettingDlg::CValidateSettingDlg() : ui::Dialog(IDD_DLG_VALIDATE_SETTING) {}

bool CValidateSettingDlg::OnInit() {
    host().SetText(IDC_STATIC_VALIDATE_SETTING_TEXT,
                   LangText(kSection, u"10020", u"Validating settings...", kTextUnits));
    host().SetBackgroundColor(kBackground);
    host().Item(IDC_STATIC_VALIDATE_SETTING_TEXT).SetTextColor(kTextColor);
    host().SetTopMost(true);
    m_step = 0;
    if (host().SetOpacity(kInitialAlpha)) {
        host().SetTimer(kTimerStart, kStartDelayMs);
    } else {
        ShowWaitCursor();
        host().SetTimer(kTimerPlain, kPlainShowMs);
    }
    return true;
}

void CValidateSettingDlg::OnTimer(int timerId) {
    switch (timerId) {
    case kTimerStart:
        host().KillTimer(kTimerStart);
        ShowWaitCursor();
        m_step = 0;
        ShowStep();
        host().SetTimer(kTimerFade, kFadeStepMs);
        return;
    case kTimerFade:
        if (++m_step < kValidateFadeSteps) {
            ShowStep();
            return;
        }
        host().KillTimer(kTimerFade);
        host().EndDialog(ui::kIdOk);
        return;
    case kTimerPlain:
        host().KillTimer(kTimerPlain);
        host().EndDialog(ui::kIdOk);
        return;
    default:
        return;
    }
}

void CValidateSettingDlg::ShowStep() {
    host().SetOpacity(ValidateFadeAlpha(m_step));
    host().Item(IDC_STATIC_VALIDATE_SETTING_TEXT).Redraw();
}

void CValidateSettingDlg::ShowWaitCursor() {
    host().SetCursor(ui::Cursor::Wait);
    m_waitCursor = true;
}

void CValidateSettingDlg::OnDestroy() {
    host().KillTimer(kTimerStart);
    host().KillTimer(kTimerFade);
    host().KillTimer(kTimerPlain);
    if (m_waitCursor) {
        host().SetCursor(ui::Cursor::Arrow);
        m_waitCursor = false;
    }
}
