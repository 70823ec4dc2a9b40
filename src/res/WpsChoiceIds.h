// Control ids of the WPS templates in WpsChoice.rc: the check pages 100 and 101, the method choice 102
// and the three information dialogs. The buttons and choices carry the ids their texts and handlers
// name; the explanation lines use 2300-2349.
#pragma once

#include "WpsIds.h"

// Page 100: does the access point support WPS? Cancel is IDCANCEL.
#define IDC_WPSCHECK_LEARN_MORE 1166
#define IDC_WPSCHECK_YES 1167
#define IDC_WPSCHECK_NO 1168
#define IDC_WPSCHECK_BACK 1178
#define IDC_WPSCHECK_NEXT 1179
#define IDC_WPSCHECK_TEXT1 2300 // "20010"
#define IDC_WPSCHECK_TEXT2 2301 // "20020"
#define IDC_WPSCHECK_TEXT3 2302 // "20080"
#define IDC_WPSCHECK_TEXT4 2303 // "20090"

// Page 101: an access point with its push button active was seen.
#define IDC_WPSEXPRESS_BACK 1154
#define IDC_WPSEXPRESS_NEXT 1155
#define IDC_WPSEXPRESS_CANCEL 1156
#define IDC_WPSEXPRESS_YES 1158
#define IDC_WPSEXPRESS_NO 1159
#define IDC_WPSEXPRESS_LEARN_MORE 1179
#define IDC_WPSEXPRESS_TEXT 2304 // "20010"

// Page 102: push button or PIN.
#define IDC_WPSSELECT_BACK 1149
#define IDC_WPSSELECT_PUSHBUTTON 1182
#define IDC_WPSSELECT_PIN 1183
#define IDC_WPSSELECT_NEXT 1189
#define IDC_WPSSELECT_CANCEL 1190
#define IDC_WPSSELECT_TEXT1 2305 // "21020"
#define IDC_WPSSELECT_TEXT2 2306 // "21040"
#define IDC_WPSSELECT_TEXT3 2307 // "21060"

// The WPS information dialog: "11020" ... "11110" in this order.
#define IDC_MESSAGEWPS_OK 1146
#define IDC_MESSAGEWPS_TEXT1 2310
#define IDC_MESSAGEWPS_TEXT2 2311
#define IDC_MESSAGEWPS_TEXT3 2312
#define IDC_MESSAGEWPS_TEXT4 2313
#define IDC_MESSAGEWPS_TEXT5 2314
#define IDC_MESSAGEWPS_TEXT6 2315
#define IDC_MESSAGEWPS_TEXT7 2316

// The Express WPS information dialog: "11020", "11030", "11040", "11100", "11110".
#define IDC_MESSAGEEXPRESS_OK 1185
#define IDC_MESSAGEEXPRESS_TEXT1 2320
#define IDC_MESSAGEEXPRESS_TEXT2 2321
#define IDC_MESSAGEEXPRESS_TEXT3 2322
#define IDC_MESSAGEEXPRESS_TEXT4 2323
#define IDC_MESSAGEEXPRESS_TEXT5 2324

// Help for the access point: "23010" ... "23081", sixteen lines in key order.
#define IDC_WPSHELPAP_OK 1203
#define IDC_WPSHELPAP_TEXT_FIRST 2330 // 2330-2345
