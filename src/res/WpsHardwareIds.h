// Control ids of the hardware push button's dialogs in WpsHardware.rc: the notice after a cancelled
// hardware exchange (1108) and the reminder to press the button (193).
#pragma once

#include "WpsIds.h"

// The cancel notice; the picture is IDB_HWPBC_CANCEL.
#define IDC_HWPBC_CANCEL_TEXT 1262
#define IDC_HWPBC_CANCEL_DONT_SHOW 1263
#define IDC_HWPBC_CANCEL_OK 1264
#define IDC_HWPBC_CANCEL_PICTURE 2360

// The reminder; its button is IDOK.
#define IDC_DETECT_HWPBC_TEXT 1199
