// Page 104: which PIN joins the network. Either the user types the AP's PIN (checked here, so a
// mistyped one never reaches the service) or the page shows the adapter's PIN for the AP's web page.
#pragma once

#include "ui/Types.h"
#include "wps/WpsDialog.h"

class CConnectWizardWPSSelPIN final : public wps::WatchedDialog {
public:
    // y (dialog client pixels) of radio 1193: under the AP-PIN part, or right under radio 1191.
    static constexpr int kAdapterRadioLowY = 246;
    static constexpr int kAdapterRadioHighY = 116;

    CConnectWizardWPSSelPIN();

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnOK() override {}
    void OnCancel() override;

protected:
    void OnWatchdogFired() override;

private:
    void ChooseApPin();
    void ChooseAdapterPin();
    void MoveAdapterRadio(int y);
    void Next();

    ui::Rect m_adapterRadio;
    bool m_firstTick = true;
};
