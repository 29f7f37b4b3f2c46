// Resource identifiers of kestrel, shared by kestrel.rc and the code; each number once within
// its resource type (a string and the accelerator table are looked up by type and number).
#ifndef KESTREL_RESOURCE_H
#define KESTREL_RESOURCE_H

// Icons: the program's (window class, tray, Setting and About) and the shut-down one.
#define IDI_PROGRAM 50
#define IDI_SHUTDOWN 110

// Dialogs and their controls.
#define IDD_SETTING 20
#define IDD_ABOUT 21
#define IDD_SHUTDOWN 107
#define IDD_CODES 22
#define IDC_APP_LIST 11
#define IDC_CODE_LIST 12
#define IDC_COPY 13

// Strings: the main window's title (also every message box's caption and the tray tip) and
// class name, the texts of the message boxes, then the tray menu's items.
#define IDS_WINDOW_TITLE 22
#define IDS_WINDOW_CLASS 23
#define IDS_RECEIVER_MISSING 24
#define IDS_LAUNCH_FAILED 25
#define IDS_REINITIALIZE 26
#define IDS_POWER_OFF_FAILED 27
#define IDS_SAVE_FAILED 28
#define IDS_OUT_OF_REACH 29
#define IDS_MENU_SETTING 30
#define IDS_MENU_ABOUT 31
#define IDS_MENU_EXIT 32

#define IDR_ACCELERATORS 23

// Commands of the tray menu and the accelerators; a launch item is CMD_LAUNCH_BASE + index.
#define CMD_ABOUT 30
#define CMD_SETTING 32
// Sent by a second kestrel started with /codes: open the code viewer.
#define CMD_CODES 33
#define CMD_LAUNCH_BASE 1100
#define CMD_EXIT 1201

#endif
