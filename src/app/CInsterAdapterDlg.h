// The first-run dialog that asks the user to plug the adapter in and waits until the service library
// reports it. It ends with OK on the adapter's arrival and with Cancel when the user gives up.
#pragma once

#include <atomic>
#include <thread>

#include "app/CDetectDlg.h"
#include "platform/Clock.h"
#include "platform/UsbDevices.h"
#include "platform/WindowManager.h"
#include "ui/Dialog.h"

class CInsterAdapterDlg : public ui::Dialog {
public:
    // Ticks of the detection timer after which the device test decides whether the adapter is there.
    static constexpr int kDetectTicks = 45;
    // Drives the detection: one tick a second while the user waits for the adapter.
    static constexpr int kTimerDetect = 0x9001;
    static constexpr uint32_t kDetectIntervalMs = 1000;

    CInsterAdapterDlg(platform::UsbDevices& devices, platform::WindowManager& windows,
                      platform::Clock& clock);
    ~CInsterAdapterDlg() override;

    void OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnDestroy() override;

    int ticks() const { return m_ticks; }
    CDetectDlg& detectBox() { return m_detect; }

private:
    void OnNext();
    void StopDriverDialogSearch();
    // Brings the system's driver-installation dialog to the front once it appears, so that it is not
    // hidden behind this one on Vista and 7.
    void SearchDriverDialog();

    platform::UsbDevices& m_devices;
    platform::WindowManager& m_windows;
    platform::Clock& m_clock;
    CDetectDlg m_detect;
    int m_ticks = 0;
    std::thread m_search;
    std::atomic<bool> m_stopSearch{false};
};
