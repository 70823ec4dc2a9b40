// Control ids of the connect wizard pages in WizardFinish.rc: the hidden network (12), the save page
// (14), its reserved-name page and the summary (15). The frame's controls are WizardFrameIds.h's.
#pragma once

#include "WizardFrameIds.h"

// Page 12: a network that hides its name.
#define IDC_STATIC_HIDDEN_INSTRUCTION 2180
#define IDC_STATIC_HIDDEN_NAME_LABEL 2181
#define IDC_EDIT_HIDDEN_NAME 2182
#define IDC_RADIO_HIDDEN_WEP 2183
#define IDC_RADIO_HIDDEN_WPAPSK 2184
#define IDC_RADIO_HIDDEN_WPA2PSK 2185
#define IDC_RADIO_HIDDEN_NONE 2186
#define IDC_STATIC_HIDDEN_EXPLANATION 2187

// Page 14: keep the settings as a profile.
#define IDC_STATIC_SAVEPROFILE_QUESTION 2195
#define IDC_RADIO_SAVEPROFILE_YES 2196
#define IDC_RADIO_SAVEPROFILE_NO 2197
#define IDC_STATIC_SAVEPROFILE_EXPLANATION 2198
#define IDC_EDIT_SAVEPROFILE_NAME 2199

// The refusal of a reserved profile name.
#define IDC_STATIC_FILE_ERROR_MESSAGE 2205

// Page 15: the summary. Its only button, Finish, is IDOK.
#define IDC_STATIC_WPSVIEW_HEADLINE 2215
#define IDC_STATIC_WPSVIEW_SETTING 2216
#define IDC_STATIC_WPSVIEW_PROFILE_LABEL 2217
#define IDC_STATIC_WPSVIEW_PROFILE 2218
#define IDC_STATIC_WPSVIEW_SSID_LABEL 2219
#define IDC_STATIC_WPSVIEW_SSID 2220
#define IDC_STATIC_WPSVIEW_SECURITY_LABEL 2221
#define IDC_STATIC_WPSVIEW_SECURITY 2222
#define IDC_CHECK_WPSVIEW_SAVE 2223
#define IDC_STATIC_WPSVIEW_FINISH_NOTE 2224
