// Helpers of the stand-in service tests: the install tree, scenario files, the control pipe, and a
// receiver that records every event for the test thread to wait on.
#pragma once

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "kernel/IWirelessKernel.h"

namespace simtest {

// The install tree as a Windows path (KT_DIST_DIR is the Linux path, seen through drive Z:).
std::wstring DistDir();
std::wstring TempDir();
std::wstring WriteFile(const std::wstring& name, const std::string& text);

// The library, loaded by name as the program loads it, once per process, with a private control pipe.
kernel::IWirelessKernel* Kernel();
const std::wstring& PipeName();

// One command over the control pipe; the answer.
std::wstring Control(const std::wstring& command);
// Writes `scenario` to a file and loads it into the running library.
void LoadScenario(const std::string& scenario);
std::vector<std::wstring> LogLines(const std::wstring& prefix);

// Runs a program of the install tree with arguments; its exit code and standard output.
int RunTool(const std::wstring& exe, const std::wstring& arguments, std::string& output);

struct Event {
    int slot;
    uint32_t value;
};

class Recorder final : public kernel::INotificationReceiver {
public:
    void OnWKDeviceLoaded() override { Push(0, 0); }
    void OnWKDeviceRemoved() override { Push(1, 0); }
    void OnWKReserved2() override { Push(2, 0); }
    void OnWKReserved3() override { Push(3, 0); }
    void OnWKZeroCfgChanged(uint8_t flag) override { Push(4, flag); }
    void OnWKRadioChanged(uint8_t on) override { Push(5, on); }
    void OnWKSiteSurveyBegun() override { Push(6, 0); }
    void OnWKSiteSurveyed() override { Push(7, 0); }
    void OnWKAdapterChanged() override { Push(8, 0); }
    void OnWKAssociationChanged() override { Push(9, 0); }
    void OnWKAddressChanged() override { Push(10, 0); }
    void OnWKQuietRefresh() override { Push(11, 0); }
    void OnWKInternetChanged(uint8_t reachable) override { Push(12, reachable); }
    void OnWKLinkNotice(uint32_t value) override { Push(13, value); }
    void OnWKReserved14() override { Push(14, 0); }
    void OnWKRateChanged() override { Push(15, 0); }
    void OnWKChannelChanged() override { Push(16, 0); }
    void OnWKWPSStatus(uint32_t code) override { Push(17, code); }

    // Waits (up to a generous limit, never part of what is tested) for an event; true when it came.
    bool WaitFor(int slot, uint32_t value, bool anyValue = false, int seconds = 20);
    bool WaitForWps(uint32_t code, int seconds = 20) { return WaitFor(17, code, false, seconds); }
    std::vector<Event> Events();
    std::vector<uint32_t> WpsCodes();
    void Clear();
    DWORD LastThread();

private:
    void Push(int slot, uint32_t value);
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Event> m_events;
    DWORD m_thread = 0;
};

// Adds a recorder for the scope of a test.
class Subscription {
public:
    // The arrival notice every new receiver gets is cleared: tests look at what follows.
    explicit Subscription(Recorder& r) : m_r(r) {
        Kernel()->AddReceiver(&m_r);
        m_r.Clear();
    }
    ~Subscription() { Kernel()->RemoveReceiver(&m_r); }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

private:
    Recorder& m_r;
};

} // namespace simtest
