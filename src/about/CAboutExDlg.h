// The About page of the main window: the adapter's regional domain, driver and addresses, the utility's
// version and date, the choice of the user-interface language, and the support actions with the
// automatic update check's switch and its days left.
#pragma once

#include <atomic>
#include <string>

#include "about/LiveUpdateGate.h"
#include "about/LiveUpdateServices.h"
#include "about/UpdateCheck.h"
#include "mainwnd/CMainPage.h"
#include "mainwnd/WorkerThread.h"
#include "platform/WallClock.h"

class CAboutExDlg final : public CAboutPage {
public:
    // The program's page, on the system's calendar clock.
    CAboutExDlg();
    explicit CAboutExDlg(platform::WallClock& clock);
    // The live update on the given services (tests).
    CAboutExDlg(platform::WallClock& clock, about::LiveUpdateServices& liveUpdate);

    // Whether automatic update checks are on (the check box); the update check's thread reads it.
    bool AutoUpdateOn() const { return m_autoUpdate.load(); }
    int DaysLeft() const { return m_daysLeft; }
    // The background check (stepped by its thread, or by tests when the services run no thread).
    about::UpdateCheck* UpdateCheckWorker() { return m_updateCheck.get(); }

    // CAboutPage
    void RefreshAdapterInfo() override;
    void ApplyTexts() override;

    // ui::Dialog
    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnDestroy() override;

protected:
    void OnHelpShown(bool shown) override;

private:
    void ShowDomain();
    void FillLanguages();
    void ShowUtilityVersion();
    void ShowUtilityDate();
    void ReadAutoUpdate();
    void ApplyAutoUpdate(bool on);
    void ShowDaysLeft();
    void OnLanguageChosen();
    // Where the update check's background thread is to start (it comes with the live update).
    void StartUpdateThread();
    void OpenSystemReport();
    void OpenLiveUpdate();
    // The background check found news: offered here, on the page's thread.
    void OfferUpdate();
    bool MainWindowShown();
    bool InternetReachableForUpdate(bool waitCursor);

    platform::WallClock& m_clock;
    about::LiveUpdateServices& m_liveUpdate;
    // Held by the Update button's dialog or the background check while either runs.
    about::LiveUpdateGate m_liveUpdateGate;
    std::unique_ptr<about::UpdateCheck> m_updateCheck;
    // Declared after the check it steps, so it stops first.
    std::unique_ptr<mainwnd::WorkerThread> m_updateThread;
    std::atomic<bool> m_autoUpdate{false};
    int m_daysLeft = 0;
};
