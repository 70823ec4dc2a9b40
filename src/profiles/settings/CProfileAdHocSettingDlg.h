// The band and channel an ad-hoc profile starts its network on, opened from the Settings page. The
// bands follow the profile's wireless modes, the 2.4 GHz channels the adapter's region. The profile
// record is written on OK only.
#pragma once

#include <cstdint>
#include <vector>

#include "kernel/IWirelessKernel.h"
#include "kernel/WirelessProfile.h"
#include "ui/Dialog.h"

class CProfileAdHocSettingDlg final : public ui::Dialog {
public:
    // Region code: the adapter-state record's regionCode (ReadAdapterState on `service`); 1 gives channels
    // 1-11.
    CProfileAdHocSettingDlg(kernel::WirelessProfile& record, kernel::IWirelessKernel* service);

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnOK() override;

private:
    void FillChannels();

    kernel::WirelessProfile& m_record;
    kernel::IWirelessKernel* m_service;
    uint32_t m_regionCode = 0;
};
