// Control ids of the WPS templates in WpsError.rc: the error page (107), the failure pages for one AP
// (109) and several (110) and the Retry offer (111). The ids are the ones their texts name; each
// page's only close button is IDCANCEL, Retry is 3.
#pragma once

#include "WpsIds.h"

// Page 107.
#define IDC_WPSERROR_HEADLINE 1234
#define IDC_WPSERROR_DETAIL 1235

// Page 111.
#define IDC_WPSRETRY_HEADLINE 1239
#define IDC_WPSRETRY_DETAIL 1240
#define IDC_WPSRETRY_RETRY 3

// Page 109: the lines 1242-1255 and 1285-1291, the AP's BSSID 1284.
#define IDC_WPSFAIL_HEADLINE 1242
#define IDC_WPSFAIL_BSSID 1284

// Page 110: the lines 1256-1271 and 1292-1297, the APs' BSSIDs 1298.
#define IDC_WPSTIMEOUT_HEADLINE 1256
#define IDC_WPSTIMEOUT_FIRST_DETAIL 1257
#define IDC_WPSTIMEOUT_BSSIDS 1298
