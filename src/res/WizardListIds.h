// Control ids of the connect wizard pages in WizardList.rc.
#pragma once

#include "WizardFrameIds.h"

// The network list (page 4).
#define IDC_WIZARD_LIST_EXPLANATION 2100
#define IDC_WIZARD_LIST_NETWORKS 2101
#define IDC_WIZARD_LIST_NOTE 2102
#define IDC_WIZARD_LIST_REFRESH 2103

// The two message windows the list opens for a protected network.
#define IDC_WIZARD_MESSAGE_WEB_TEXT 2104
#define IDC_WIZARD_MESSAGE_PSK_TEXT 2105

// "Please Wait" while the survey runs (page 3).
#define IDC_WIZARD_PLEASEWAIT_TEXT 2106
