// The Networks page of the main window: the networks in range. For now the frame of the page with its help
// pane.
#pragma once

#include "mainwnd/CMainPage.h"

class CSiteSurveyDlg final : public CNetworksPage {
public:
    CSiteSurveyDlg();

    bool OnInit() override;
    void ApplyTexts() override;
};
