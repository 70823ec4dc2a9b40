// Resource identifiers of the live update: the live-update dialog and the update notice that slides in
// when a background check found a newer version while the main window was hidden. Shared by the .rc
// files and the portable dialog classes, so plain numbers only.
#pragma once

#define IDD_DIALOG_ABOUT_LIVE_UPDATE 208
#define IDC_PROGRESS_ABOUT_LIVE_UPDATE 1209
#define IDC_STATIC_ABOUT_LIVE_UPDATE_TEXT1 1211
#define IDC_LIST_ABOUT_LIVE_UPDATE_LOG 1217
#define IDC_STATIC_ABOUT_LIVE_UPDATE_PERCENT 1218
#define IDC_STATIC_ABOUT_LIVE_UPDATE_TEXT2 1241
#define IDC_STATIC_ABOUT_LIVE_UPDATE_MESSAGE 1242

#define IDD_DIALOG_MESSAGE_AUTOUPDATE 216
#define IDC_CHECK_MESSAGE_AUTOUPDATE_TEXT 1008
#define IDC_BUTTON_MESSAGE_AUTOUPDATE_UPDATE 1243
#define IDC_BUTTON_MESSAGE_AUTOUPDATE_CANCEL 1244
#define IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT 1245
#define IDC_STATIC_MESSAGE_AUTOUPDATE_TEXT2 1246
#define IDC_BUTTON_MESSAGE_AUTOUPDATE_CLOSE 1251
