// Resource identifiers of the application core's dialogs (start-up, language, insert adapter).
// Shared by the .rc files and the portable dialog classes, so plain numbers only.
#pragma once

#define IDR_MANIFEST 1

// Program message dialog, shown instead of a message box for the longer German texts.
#define IDD_DIALOG_SYSMESSAGE_YES 176
#define IDC_STATIC_SYSMESSAGE_TEXT 1099
