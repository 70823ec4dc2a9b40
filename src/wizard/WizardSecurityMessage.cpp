#include "wizard/WizardSecurityMessage.h"

#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"

namespace wizard {

bool SecurityMessage::OnInit() {
    WizardPage = m_markerPage;
    SecurityMessageTexts texts = Texts();
    host().SetCaption(PageText(texts.section, texts.captionKey));
    host().SetText(m_messageId, PageText(texts.section, texts.messageKey));
    host().SetText(ui::kIdOk, PageText(texts.section, texts.okKey, u"OK"));
    host().SetTimer(kTimerWatchdog, kWatchdogMilliseconds);
    return true;
}

void SecurityMessage::OnOK() {
    WizardPage = m_nextPage;
    host().EndDialog(ui::kIdOk);
}

void SecurityMessage::OnTimer(int timerId) {
    if (timerId == kTimerWatchdog && PageShouldClose()) {
        host().KillTimer(kTimerWatchdog);
        host().EndDialog(ui::kIdCancel);
    }
}

void SecurityMessage::OnDestroy() {
    host().KillTimer(kTimerWatchdog);
}

} // namespace wizard
