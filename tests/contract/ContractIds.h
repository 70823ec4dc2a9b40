// Resource ids of the host contract's dialogs, shared by their .rc templates and the fake's copy.
#pragma once

#define IDD_CONTRACT 9100
#define IDC_C_LABEL 9101
#define IDC_C_EDIT 9102
#define IDC_C_COMBO 9103
#define IDC_C_LIST 9104
#define IDC_C_CHECK 9105
#define IDC_C_REPORT 9106
#define IDC_C_TABS 9107
#define IDC_C_PROGRESS 9108
#define IDC_C_SLIDER 9109
#define IDC_C_RICH 9110
#define IDC_C_FILL 9111
#define IDC_C_END 9112
#define IDC_C_CANVAS 9113
#define IDC_C_NAME_COMBO 9114

#define IDD_CONTRACT_PAGE 9120
#define IDC_P_LABEL 9121
#define IDC_P_EDIT 9122
