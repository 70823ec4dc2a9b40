// The Settings page of the main window: the profile editor. Until the editor is built the page is its
// frame with the help pane, and it carries out what the main window asks of it for a profile handed
// over by another copy of the program: select the profile, then apply it.
#pragma once

#include "kernel/WirelessProfile.h"
#include "mainwnd/CMainPage.h"

class CProFileSettingDlg final : public CSettingsPage {
public:
    CProFileSettingDlg();

    bool OnInit() override;
    void ApplyTexts() override;

    bool SelectProfile(std::u16string_view name) override;
    void ApplySettings() override;

private:
    kernel::WirelessProfile m_selected{};
    bool m_hasSelection = false;
};
