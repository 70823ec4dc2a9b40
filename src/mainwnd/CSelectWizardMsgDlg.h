// The question asked at adapter arrival when the system's own wireless configuration service competes
// with this utility: which of the two is to manage the adapter. OK applies the choice (and whether to
// ask again) and ends with OK; losing the adapter while it is open ends it with Cancel and changes
// nothing.
#pragma once

#include <cstdint>

#include "ui/Dialog.h"

class CSelectWizardMsgDlg : public ui::Dialog {
public:
    // Checks once a second that the adapter is still there; a question about an absent adapter is moot.
    static constexpr int kTimerDevice = 1;
    static constexpr uint32_t kDeviceIntervalMs = 1000;
    // Holds the dialog on screen after OK while the choice settles: the service library needs a moment
    // to let go of the adapter before the main window tries to connect. The window keeps running.
    static constexpr int kTimerClose = 2;
    static constexpr uint32_t kZeroConfigSettleMs = 500;
    static constexpr uint32_t kCloseDelayMs = 250;

    // Which texts the dialog shows: they name the system's service of the running Windows.
    enum class System { Xp, Vista, Seven };
    static System CurrentSystem();

    CSelectWizardMsgDlg();

    // Out, after OK: true when the user chose this utility to manage the adapter, false when the
    // system's service is to. Meaningless after Cancel.
    bool m_utilityChosen = true;

    bool OnInit() override;
    void OnTimer(int timerId) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;

    // True from OK until the dialog closes.
    bool closing() const { return m_closing; }

private:
    void ApplyChoice(System system, bool utility, uint32_t& delayMs);

    bool m_closing = false;
};
