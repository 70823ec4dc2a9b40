// The four small dialogs around the Settings page: profile priority, unsaved changes, the TKIP notice
// and the "Validating settings..." splash.
#pragma once

#define IDD_DIALOG_PROFILE_SETTING_PRIORITY 136
#define IDD_DIALOG_MODIFY_PROFILE 137
#define IDD_DIALOG_MESSAGE_TKIP_IMPORTAMT 138
#define IDD_DLG_VALIDATE_SETTING 139

// Profile priority.
#define IDC_BUTTON_PROFILE_SETTING_PRIORITY_UP 1197
#define IDC_BUTTON_PROFILE_SETTING_PRIORITY_DOWN 1198
#define IDC_STATIC_PROFILE_SETTING_PRIORITY_TEXT 1221
#define IDC_LIST_PROFILE_SETTING_PRIORITY 1222

// Unsaved changes.
#define IDC_STATIC_MODIFYPROFILE_TEXT 1086

// TKIP notice: the heading is drawn on the banner.
#define IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TITLE 1224
#define IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT1 1225
#define IDC_STATIC_MESSAGE_TKIP_IMPORTAMT_TEXT2 1226

// Validating settings.
#define IDC_STATIC_VALIDATE_SETTING_TEXT 1227
