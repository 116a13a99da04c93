// Identifiers of the program's resources, shared by the resource script and the code.
#pragma once

#define IDC_STATIC -1
#define IDR_MANIFEST 1
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TAPWELL_DIALOG 102
#define IDD_UPDATE 106
#define IDR_MAINFRAME 128
#define IDB_MENU_HELP 131

// The main dialog's controls.
#define IDC_BTN_START 1000
#define IDC_BTN_STOP 1001
#define IDC_EDIT_INTERVAL 1002
#define IDC_COMBO_MOUSE 1003
#define IDC_COMBO_ACTION 1004
#define IDC_RADIO_MOUSE_POS 1005
#define IDC_RADIO_FIXED_POINT 1006
#define IDC_CHECK_MOVE_MOUSE 1007
#define IDC_EDIT_CLICK_COUNT 1009
#define IDC_EDIT_CLICK_FOR 1010
#define IDC_STATIC_X 1011
#define IDC_EDIT_X 1012
#define IDC_STATIC_Y 1013
#define IDC_EDIT_Y 1014
#define IDC_BTN_START_CAPTURE 1015
#define IDC_RADIO_CLICK_COUNT 1016
#define IDC_RADIO_CLICK_FOR 1017
#define IDC_COMBO_TIME_UNIT 1018
#define IDC_CHECK_NO_ACTIVATE 1021
#define IDC_BTN_VIEW_POS 1023
#define IDC_STATIC_CAPTURE_HINT 1027

// The About dialog's controls.
#define IDC_LINK_WEB 1010
#define IDC_STATIC_VERSION 1011

// The update dialog's controls.
#define IDC_STATIC_UPDATE_STATUS 1016
#define IDC_BTN_UPDATE_OK 1017
#define IDC_BTN_UPDATE_CANCEL 1020

// Menu commands.
#define ID_MENU_ABOUT 32773
#define ID_MENU_UPDATE 32775
#define ID_MENU_HELP 32776
#define ID_MENU_EXIT 32777

// The program's version, in the version resource and wherever it is shown.
#define TAPWELL_VERSION_NUMBERS 2, 2, 5, 8
#define TAPWELL_VERSION_TEXT "2.2.5.8"
