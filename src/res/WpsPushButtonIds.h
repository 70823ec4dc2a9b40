// Control ids of the WPS template in WpsPushButton.rc: the push-button process page 103. The controls
// carry the ids their texts and handlers name; the blink picture uses 2350.
#pragma once

#include "WpsIds.h"

#define IDC_WPSPB_PROGRESS 1019
#define IDC_WPSPB_BUTTON 1153      // the on-screen push button (a bitmap button)
#define IDC_WPSPB_STEP1_TEXT1 1186 // "24301"
#define IDC_WPSPB_STEP1_TEXT2 1187 // "24302"
#define IDC_WPSPB_STEP1_HINT 1188  // beside the on-screen button
#define IDC_WPSPB_STEP2_MARK 1190
#define IDC_WPSPB_STEP 1197         // the step text, bold
#define IDC_WPSPB_STEP2_TEXT1 1218  // "24020"
#define IDC_WPSPB_STEP2_TEXT2 1219  // "24030"
#define IDC_WPSPB_STEP2_TEXT3 1220  // "24015"
#define IDC_WPSPB_STEP2_TEXT4 1223  // "24070"
#define IDC_WPSPB_CANCEL 1225       // "24300"
#define IDC_WPSPB_EXPRESS_INFO 1226 // "24304": the Express WPS information
#define IDC_WPSPB_START 1227        // "24305": starts the exchange as the on-screen button does
#define IDC_WPSPB_STATUS 1237
#define IDC_WPSPB_COUNTDOWN 1238
#define IDC_WPSPB_STEP2_LEFT 1248
#define IDC_WPSPB_STEP2_RIGHT 1249
#define IDC_WPSPB_BACK_TO_EXPRESS 1251 // "24306": back to the Express WPS check
#define IDC_WPSPB_BLINK 2350

// The blink picture's two bitmaps and the on-screen button's face.
#define IDB_WPS_BLINK_OFF 211
#define IDB_WPS_BLINK_ON 217
#define IDB_WPS_PUSHBUTTON 218
