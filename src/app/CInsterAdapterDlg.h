// The first-run dialog that asks the user to plug the adapter in and waits until the service library
// reports it. It ends with OK on the adapter's arrival and with Cancel when the user gives up.
#pragma once

#include <condition_variable>
#include <mutex>
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

    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    void OnTimer(int timerId) override;
    void OnDestroy() override;

    int ticks() const { return m_ticks; }
    CDetectDlg& detectBox() { return m_detect; }

    // One look for the system's driver-installation dialog, which on Vista and 7 would otherwise stay
    // hidden behind this one; brings it to the front when it is there. False once it was found: the
    // search is over. The search thread calls it once a second.
    bool SearchDriverDialogStep();
    static constexpr uint32_t kDriverDialogRetryMs = 1000;

private:
    void OnNext();
    void CentreAndBringToFront();
    // Wakes the search from its pause and joins it: closing the dialog never waits out a retry.
    void StopDriverDialogSearch();
    // The search thread: steps until the driver dialog is found or the search is stopped.
    void SearchDriverDialog();

    platform::UsbDevices& m_devices;
    platform::WindowManager& m_windows;
    platform::Clock& m_clock;
    CDetectDlg m_detect;
    int m_ticks = 0;
    std::thread m_search;
    std::mutex m_searchMutex;
    std::condition_variable m_searchWake;
    bool m_stopSearch = false; // under m_searchMutex
};
