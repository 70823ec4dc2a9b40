// Resource ids of the uninstall launcher, shared by its .rc and its code.
#pragma once

#define IDD_UNINSTALL_DIALOG 102
#define IDC_STATIC_UNINSTALL 1000
// System-menu commands must be multiples of 16 below 0xF000.
#define IDM_ABOUTBOX 0x0010
