// Resource identifiers of the application core's dialogs (start-up, insert adapter, message boxes).
// Shared by the .rc files and the portable dialog classes, so plain numbers only.
#pragma once

#define IDR_MANIFEST 1

// The program's icon.
#define IDR_MAINFRAME 128

// Program message dialog, shown instead of a message box for the longer German texts.
#define IDD_DIALOG_SYSMESSAGE_YES 176
#define IDC_STATIC_SYSMESSAGE_TEXT 1099

// The main window (its controls are in MainWndIds.h).
#define IDD_NETUI_DIALOG 102

// Insert-adapter dialog and its picture.
#define IDD_DIALOG_INSTER_ADAPTER 1106
#define IDB_INSTER_ADAPTER 164
#define ID_BUTTON_INSTERAPADTER_CANCEL 1171
#define ID_BUTTON_INSTERAPADTER_NEXT 1172
#define IDC_STATIC_INSTERAPADTER01 1173
#define IDC_STATIC_INSTERAPADTER02 1174
#define IDC_STATIC_INSTERAPADTER03 1175
#define IDC_STATIC_INSTERADAPTER_PICTURE 1176

// The "detecting" / "please wait" box.
#define IDD_DIALOG_MESSAGE_DETECT 1107
#define IDC_STATIC_MESSAGE_DETECT_TEXT 1177
