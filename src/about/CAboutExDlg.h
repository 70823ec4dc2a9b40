// The About page of the main window: adapter and program data, language and updates. For now the frame of the
// page with its help pane.
#pragma once

#include "mainwnd/CMainPage.h"

class CAboutExDlg final : public CAboutPage {
public:
    CAboutExDlg();

    bool OnInit() override;
    void ApplyTexts() override;
};
