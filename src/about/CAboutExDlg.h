// The About page of the main window: the adapter's regional domain, driver and addresses, the utility's
// version and date, the choice of the user-interface language, and the support actions with the
// automatic update check's switch and its days left.
#pragma once

#include <atomic>
#include <string>

#include "mainwnd/CMainPage.h"
#include "platform/WallClock.h"

class CAboutExDlg final : public CAboutPage {
public:
    // The program's page, on the system's calendar clock.
    CAboutExDlg();
    explicit CAboutExDlg(platform::WallClock& clock);

    // Whether automatic update checks are on (the check box); the update check's thread reads it.
    bool AutoUpdateOn() const { return m_autoUpdate.load(); }
    int DaysLeft() const { return m_daysLeft; }

    // CAboutPage
    void RefreshAdapterInfo() override;
    void ApplyTexts() override;

    // ui::Dialog
    bool OnInit() override;
    void OnCommand(ui::ControlId id, int code) override;

protected:
    void OnHelpShown(bool shown) override;

private:
    // Where the Windows sockets library is to start for the Internet test.
    void StartSocketsLibrary();
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

    platform::WallClock& m_clock;
    std::atomic<bool> m_autoUpdate{false};
    int m_daysLeft = 0;
};
