// Resource identifiers of the About page's system-information report. Shared by the .rc files and the
// portable dialog class, so plain numbers only.
#pragma once

#define IDD_DIALOG_ABOUT_SYSINFO_LIST 207

#define IDC_EDIT_ABOUT_SYSINFO_LIST 1206
#define IDC_BUTTON_ABOUT_SYSINFO_LIST_SAVE 1207
#define IDC_PROGRESS_ABOUT_SYSINFO_LIST 1224
#define IDC_STATIC_ABOUT_SYSINFO_LIST_RANGE 1225
