// Resource and control ids, shared by the .rc file and the code.
#pragma once

// Dialogs, strings, icon.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_LAUNCHER 102
#define IDD_SEARCH 103
#define IDD_NEW_HDD 104
#define IDS_CREATESHORTCUT 105
#define IDI_APP 128

// System-menu entries of the about box and the desktop shortcut (the low four bits are the system's).
#define IDM_ABOUTBOX 0x0010
#define IDM_CREATESHORTCUT 0x0020

// Main dialog: image path fields, their eject and open buttons.
#define IDC_FDD1 1000
#define IDC_FDD2 1001
#define IDC_HDD1 1002
#define IDC_HDD2 1003
#define IDC_FONT 1004
#define IDC_SETTINGS 1005
#define IDC_EJECT_FDD1 1010
#define IDC_EJECT_FDD2 1011
#define IDC_EJECT_HDD1 1012
#define IDC_EJECT_HDD2 1013
#define IDC_OPEN_FDD1 1014
#define IDC_OPEN_FDD2 1015
#define IDC_OPEN_HDD1 1016
#define IDC_OPEN_HDD2 1017

// Main dialog: options and commands.
#define IDC_RESUME 1021
#define IDC_RESUME_LABEL 1022
#define IDC_ERASE_RESUME 1024
#define IDC_RUN 1025
#define IDC_HELP_BUTTON 1026
#define IDC_NEW_HDD1 1034
#define IDC_NEW_HDD2 1035
#define IDC_NEW_FONT 1036
#define IDC_LEGACY 1040
#define IDC_SAVE_AS 1041
#define IDC_WAIT_CHECK 1042
#define IDC_LOAD 1043

// Search dialog.
#define IDC_SEARCH_SET 1027
#define IDC_SEARCH_FOLDER 1029
#define IDC_SEARCH_SPARE 1032

// New hard-disk image dialog.
#define IDC_HDD_SIZE 1037
#define IDC_HDD_FILE_NAME 1038

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
