// The connect wizard's templates and the frame its pages share. Every page template is 283 x 184
// dialog units and places the frame's controls where WizardFrame.rc's comment shows, so that a user
// walking from page to page sees nothing but the page's own part change.
#pragma once

#define IDD_DLG_CONNECTWIZARD_PLEASEWAIT 240
#define IDD_DLG_CONNECTWIZARD_SITESURVEY_EX 241
#define IDD_DLG_CONNECTWIZARD_MESSAGE_WEB 242
#define IDD_DLG_CONNECTWIZARD_MESSAGE_PSK 243
#define IDD_DLG_CONNECTWIZARD_SECURITY_WEB 244
#define IDD_DLG_CONNECTWIZARD_INPUTPHRASE 245
#define IDD_DLG_CONNECTWIZARD_INPUTHEX 246
#define IDD_DLG_CONNECTWIZARD_SECURITY_PSK 247
#define IDD_DLG_CONNECTWIZARD_HIDDEN 248
#define IDD_DLG_CONNECTWIZARD_SAVEPROFILE 249
#define IDD_DLG_CONNECTWIZARD_FILE_ERROR 250
#define IDD_DLG_CONNECTWIZARD_WPSVIEW 251
// 260-289: the WPS pages.

#define IDB_WIZARD_SIDE 290   // the picture of the left column
#define IDB_WIZARD_BANNER 291 // the strip above the page's title

// The frame. Page-specific controls use 2100 and up (WizardListIds.h 2100-2119 and 2240-2259,
// WizardSecurityIds.h 2120-2179, WizardFinishIds.h 2180-2239, the WPS pages 2300 and up).
#define IDC_WIZARD_SIDE_PICTURE 2000
#define IDC_WIZARD_BANNER 2001
#define IDC_WIZARD_TITLE 2002
#define IDC_WIZARD_STEP_PANEL 2003
#define IDC_WIZARD_STEP1 2004
#define IDC_WIZARD_STEP2 2005
#define IDC_WIZARD_STEP3 2006
#define IDC_WIZARD_STEP4 2007
#define IDC_WIZARD_BACK 2008
#define IDC_WIZARD_NEXT 2009
#define IDC_WIZARD_SEPARATOR 2010
