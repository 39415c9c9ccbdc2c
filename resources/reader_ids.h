// Resource ids of the reader, shared by guide.rc and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

// Dialog templates
#define IDD_READER_ABOUT 100
#define IDD_READER 102
#define IDD_TIP_OF_THE_DAY 104
#define IDD_ADD_COMMAND 132

// Icons and bitmaps
#define IDI_READER 128
#define IDB_TIP_BULB 103
#define IDB_READER_STRIP 130

// Strings
#define IDS_ABOUT_ENTRY 101
#define IDS_TIP_PROMPT 105
#define IDS_TIP_MENU 106
#define IDS_TIP_HEADING 107
#define IDS_TIPS_FILE_MISSING 108
#define IDS_TIPS_FILE_TROUBLE 109
#define IDS_TIP_HELP 110

// Commands the application handles
#define ID_SHOW_TIP_OF_THE_DAY 105

// System menu: the About entry, the framework's kAboutCommand (CMainDialog)
#define IDM_ABOUT 0x0010

// Controls of the reader window
#define IDC_TEXT_LIST 1001
#define IDC_KEYWORD 1004
#define IDC_CHAPTER 1005
#define IDC_UPDATES 1006
#define IDC_ADD 1008
#define IDC_HELP_BUTTON 1009
#define IDC_SELECTION 1010
#define IDC_COMMAND 1011

// Controls of the Tip of the Day
#define IDC_TIP_PICTURE 1000
#define IDC_SHOW_AT_STARTUP 1001
#define IDC_NEXT_TIP 1002
#define IDC_TIP_TEXT 1004

// Controls of Add Command or Tip
#define IDC_ENTRY 1010
