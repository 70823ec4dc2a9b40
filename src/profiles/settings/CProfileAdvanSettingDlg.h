// The advanced settings of a profile, opened from the Settings page: wireless modes, preamble, transmit
// power and the fragmentation and RTS thresholds. The adapter's configuration decides which preambles
// are offered and the thresholds' ranges; the store's one power scale of the session decides the power
// levels. The profile record is written on OK only, and only with what the controls hold: an empty
// list keeps the record's value.
#pragma once

#include <cstdint>
#include <vector>

#include "kernel/AdapterConfig.h"
#include "kernel/IWirelessKernel.h"
#include "kernel/WirelessProfile.h"
#include "profiles/settings/RadioOptions.h"
#include "ui/Dialog.h"

class CProfileAdvanSettingDlg final : public ui::Dialog {
public:
    static constexpr int kTickEvery = 209; // threshold bytes between two tick marks

    // Edits `record` in place on OK only. `adHoc`: the profile is ad hoc (mode boxes and power list
    // disabled). `service` may be null (no library): the dialog still opens, with an all-zero adapter
    // configuration.
    CProfileAdvanSettingDlg(kernel::WirelessProfile& record, bool adHoc, kernel::IWirelessKernel* service);

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    intptr_t OnNotify(const ui::Notify& notify) override;
    void OnOK() override;

private:
    struct Threshold {
        ui::ControlId slider;
        ui::ControlId value;
        ui::ControlId minimum;
        ui::ControlId maximum;
        int low;
        int high;
    };

    void ApplyTexts();
    void FillPreambles();
    void FillPowerLevels();
    void SetUpThreshold(const Threshold& threshold, uint16_t current);
    void ShowThresholdValue(const Threshold& threshold);
    profiles::ModeBoxes ReadModeBoxes();
    void ShowModeBoxes(const profiles::ModeBoxes& boxes);
    void UseDefault();

    kernel::WirelessProfile& m_record;
    bool m_adHoc;
    kernel::IWirelessKernel* m_service;
    kernel::AdapterConfig m_config{};
    bool m_fiveLevels = false;
    std::vector<uint8_t> m_preambles; // the preamble list's values, in its order
    Threshold m_fragmentation{};
    Threshold m_rts{};
};
