// Resource and control identifiers of Keyvane. Plain defines so that both the
// resource compiler and the window-free logic can include this file.
#pragma once

#define IDR_MAINFRAME 128
#define IDR_MAINMENU 128
#define IDB_HELPICON 131
#define IDS_ABOUTBOX 101
#define IDM_ABOUTBOX 0x0010

#define IDD_ABOUTBOX 100
#define IDD_KEYVANE_DIALOG 102
#define IDD_UPDATE 106

// Main window controls.
#define IDC_START 1000
#define IDC_STOP 1001
#define IDC_EDIT_DELAY 1002
#define IDC_CHECK_ALT 1007
#define IDC_CHECK_CTRL 1008
#define IDC_CHECK_SHIFT 1009
#define IDC_RADIO_HOLD 1022
#define IDC_RADIO_DELAY 1023
#define IDC_COMBO_KEY 1024
#define IDC_COMBO_UNIT 1025

// About box.
#define IDC_LINK_HOME 1010
#define IDC_STATIC_VERSION 1011

// Update dialog.
#define IDC_UPDATE_MESSAGE 1016
#define IDC_UPDATE_VISIT 1017
#define IDC_UPDATE_CLOSE 1020

// Hot keys.
#define IDH_HOTKEY_START 32771
#define IDH_HOTKEY_STOP 32772

// Menu commands.
#define ID_MENU_ABOUT 32773
#define ID_MENU_UPDATE 32775
#define ID_MENU_HELP 32776
#define ID_MENU_EXIT 32777
#define ID_HELP 0xE146  // 57670

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
