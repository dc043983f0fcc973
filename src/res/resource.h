// Identifiers of the program's resources and commands. The numbers are fixed:
// the command table, the tests and the help refer to them.
#pragma once

// Labels and frames that nothing refers to.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_SWITCHBOARD 102
#define IDD_PAGE_MSW1 129
#define IDD_PAGE_MSW2 130
#define IDD_PAGE_MSW3 131
#define IDD_PAGE_MSW4 132
#define IDD_PAGE_PARAM 133
#define IDD_PAGE_SELECT 134
#define IDD_PRINTER_SELECT 152
#define IDD_FORM_SETTINGS 182
#define IDD_PAGE_PARAM_2 183
#define IDD_SETTINGS_LIST 184

// Icon, menu and accelerator table, bitmaps
#define IDI_MAIN 128
#define IDR_MAINMENU 142
#define IDB_TOOLBAR 150
#define IDB_MENU_READ 160
#define IDB_MENU_WRITE 161
#define IDB_MENU_SEND 162
#define IDB_MENU_FACTORY 163
#define IDB_MENU_PRINTER 164
#define IDB_MENU_PARAM 165
#define IDB_MENU_MSW 166
#define IDB_MENU_SELECT 167
#define IDB_TABS 168
#define IDB_MENU_LIST 169

// Controls of the main window. The toolbar and the status bar share 2016.
#define IDC_TABS 1000
#define IDC_TOOLBAR 2016
#define IDC_STATUSBAR 2016

// Toolbar buttons; their tooltips are the strings with the same numbers.
#define ID_TB_READ 2000
#define ID_TB_WRITE 2001
#define ID_TB_SEND 2002
#define ID_TB_FACTORY 2003
#define ID_TB_PRINTER 2004

// Menu and accelerator commands
#define ID_HELP_ABOUT 16
#define ID_PAGE_SELECT 32771
#define ID_PAGE_MSW1 32773
#define ID_PAGE_MSW2 32778
#define ID_PAGE_MSW3 32779
#define ID_PAGE_MSW4 32780
#define ID_FILE_READ 32781
#define ID_FILE_WRITE 32782
#define ID_FILE_EXIT 32783
#define ID_SEND 32784
#define ID_FACTORY 32785
#define ID_SELECT_PRINTER 32798
#define ID_PAGE_PARAM 32801
#define ID_PAGE_PARAM_2 32802
#define ID_DATA_CHECK 32805
#define ID_HELP_CONTENTS 32806
#define ID_SETTINGS_LIST 32807

// Controls of the printer selection dialog
#define IDC_PRINTER_LIST 1069

// Controls of the settings list
#define IDC_SETLIST_COMPARE 1300
#define IDC_SETLIST_DIFF_ONLY 1301
#define IDC_SETLIST_LIST 1302
#define IDC_SETLIST_SAVE 1303
#define IDC_SETLIST_SUMMARY 1304
