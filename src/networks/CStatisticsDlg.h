// The Statistics page of the main window: traffic counters and the load graph. For now the frame of the page
// with its help pane.
#pragma once

#include "mainwnd/CMainPage.h"

class CStatisticsDlg final : public CStatisticsPage {
public:
    CStatisticsDlg();

    bool OnInit() override;
    void ApplyTexts() override;
};
