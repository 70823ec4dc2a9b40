// Resource identifiers of the main window, its pages' frames, the tray and the two notices of the main
// window. Shared by the .rc files and the portable dialog classes, so plain numbers only.
#pragma once

// The main window (IDD_NETUI_DIALOG, 102, is declared with the application core's ids).
#define IDC_TAB_MAIN 1001
#define IDC_STATIC_STATUS_AREA 1013
#define IDC_BUTTON_HELP 1014
#define IDC_BUTTON_FIND_NETWORK 1015
#define IDC_BUTTON_CLOSE 1016
#define IDC_BUTTON_SECOND_ACTION 1017
#define IDC_BUTTON_FIRST_ACTION 1018

// Pages of the tab control. Each page's help pane is a rich-text control; the controls below it move
// down when the help opens.
#define IDD_DIALOG_PROFILE_SETTING 130
#define IDD_DIALOG_SITESURVEY 131
#define IDD_DIALOG_STATISTICS 132
#define IDD_DIALOG_ABOUTEX 135
#define IDC_STATIC_PAGE_FRAME 1090
#define IDC_RICHEDIT_PAGE_HELP 1091

// Signal segments of the status area: lit and unlit.
#define IDI_SIGNAL_OFF 144
#define IDI_SIGNAL_ON 145
// Tray icons: scanning, connected with a good signal, connected with a weak signal.
#define IDI_TRAY_SCANNING 157
#define IDI_TRAY_GOOD 158
#define IDI_TRAY_WEAK 159

// The tray menu and its commands.
#define IDR_MENU_TRAY 173
#define ID_TRAY_INTERNET_NOTICE 32772
#define ID_TRAY_EXIT 32773
#define ID_TRAY_UTILITY_MANAGES 32774

// The select-utility question.
#define IDD_DIALOG_MESSAGE_SELECT_WIZARD 160
#define IDC_STATIC_SELECTWIZARD 1002
#define IDC_RADIO_SELECTWIZARD_USERUI 1003
#define IDC_RADIO_SELECTWIZARD_ZERO 1004
#define IDC_CHECK_SELECTWIZARD_MESSAGE 1005

// The Internet notice.
#define IDD_DIALOG_MESSAGE_CONNECT_INTERNET 161
#define IDB_CONNECT_INTERNET 172
#define IDC_STATIC_MESSAGE_CONNECT_PICTURE 1027
#define IDC_STATIC_MESSAGE_CONNECT_TEXT 1028
#define IDC_CHECK_MESSAGE_CONNECT_STATUS 1029
#define IDC_BUTTON_MESSAGE_CONNECT_OK 1014
