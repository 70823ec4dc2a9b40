// The small window that tells the user which security the chosen network uses, opened modally by the
// network list. While it is open WizardPage holds its marker page; OK moves on to the page that asks
// for the key. The watchdog closes it with Cancel when the adapter goes or the hardware button is
// pressed, which leaves the marker behind and so ends the run.
#pragma once

#include <string_view>

#include "ui/Dialog.h"

namespace wizard {

struct SecurityMessageTexts {
    std::u16string_view section;
    std::u16string_view captionKey;
    std::u16string_view messageKey;
    std::u16string_view okKey;
};

class SecurityMessage : public ui::Dialog {
public:
    // Timer 1: the watchdog, every kWatchdogMilliseconds.
    static constexpr int kTimerWatchdog = 1;

    bool OnInit() override;
    void OnOK() override;
    void OnTimer(int timerId) override;
    void OnDestroy() override;

protected:
    SecurityMessage(int templateId, ui::ControlId messageId, int markerPage, int nextPage)
        : ui::Dialog(templateId), m_messageId(messageId), m_markerPage(markerPage), m_nextPage(nextPage) {}
    // Read when the window opens: the message may depend on the chosen network.
    virtual SecurityMessageTexts Texts() const = 0;

private:
    ui::ControlId m_messageId;
    int m_markerPage;
    int m_nextPage;
};

} // namespace wizard
