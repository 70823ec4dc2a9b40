// Control ids of the WPS templates in WpsPin.rc: the PIN choice page 104 and the PIN process pages 105
// (adapter PIN) and 106 (AP PIN). The controls carry the ids their texts and handlers name.
#pragma once

#include "WpsIds.h"

// Page 104: which PIN, and the AP's PIN.
#define IDC_WPSPIN_NOTE 1148       // "22240": where the adapter's PIN goes
#define IDC_WPSPIN_BACK 1150       // "22330"
#define IDC_WPSPIN_APPIN 1191      // radio "22200": enter the AP's PIN here
#define IDC_WPSPIN_EDIT 1192       // the AP's PIN, digits only
#define IDC_WPSPIN_ADAPTERPIN 1193 // radio "22220": enter the adapter's PIN at the AP
#define IDC_WPSPIN_HELP 1194       // "22320" "Leam More"
#define IDC_WPSPIN_APPIN_TEXT1 1209
#define IDC_WPSPIN_APPIN_TEXT2 1210
#define IDC_WPSPIN_NEXT 1211
#define IDC_WPSPIN_CANCEL 1212
#define IDC_WPSPIN_HEADING 1213       // "22011"
#define IDC_WPSPIN_EDIT_LABEL 1216    // beside the edit
#define IDC_WPSPIN_ADAPTER_FRAME 1300 // around the adapter's PIN
#define IDC_WPSPIN_ADAPTER_PIN 1226   // the adapter's PIN, large
#define IDC_WPSPIN_ADAPTER_LABEL 1302 // "22040" "The PIN is"

// Pages 105 and 106 (one layout, two templates). Cancel is IDCANCEL.
#define IDC_WPSPINPROC_PROGRESS 1019
#define IDC_WPSPINPROC_LEARN_MORE 1227 // adapter PIN only
#define IDC_WPSPINPROC_PICTURE 1228
#define IDC_WPSPINPROC_TEXT1 1229
#define IDC_WPSPINPROC_TEXT2 1230
#define IDC_WPSPINPROC_TEXT3 1231
#define IDC_WPSPINPROC_TEXT4 1232
#define IDC_WPSPINPROC_PIN 1233
#define IDC_WPSPINPROC_STATUS 1236
#define IDC_WPSPINPROC_COUNTDOWN 1240
#define IDC_WPSPINPROC_COUNTDOWN_LABEL 1241
#define IDC_WPSPINPROC_NOTE1 1304
#define IDC_WPSPINPROC_NOTE2 1305
#define IDC_WPSPINPROC_APPIN_MARK 1306   // hidden on the AP-PIN page
#define IDC_WPSPINPROC_ADAPTER_MARK 1307 // hidden on the adapter-PIN page

#define IDB_WPS_PIN_PICTURE 292
