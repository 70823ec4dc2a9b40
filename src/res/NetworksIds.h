// Resource identifiers of the Networks page (IDD_DIALOG_SITESURVEY, declared with the main window's
// ids). Shared by the .rc files and the portable dialog classes, so plain numbers only. The help pane
// is the pages' common IDC_RICHEDIT_PAGE_HELP.
#pragma once

#define IDC_STATIC_SITESURVEY_BANNER 1200
#define IDC_STATIC_SITESURVEY_ADAPTER 1201
#define IDC_EDIT_SITESURVEY_ADAPTER 1202
#define IDC_LIST_SITESURVEY 1203
#define IDC_STATIC_SITESURVEY_GROUP_SCAN 1204
#define IDC_STATIC_SITESURVEY_STATUS 1205
#define IDC_PROGRESS_SITESURVEY 1206
#define IDC_STATIC_SITESURVEY_GROUP_HELP 1207

// The banner over the list and the two network-type icons of its rows.
#define IDB_SITESURVEY_BANNER 4101
#define IDI_SITESURVEY_ADHOC 4102
#define IDI_SITESURVEY_ACCESS_POINT 4103
