// Resource ids of the site catalog, shared by sarnovo.rc, the code and the end-to-end tests.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

// Dialog templates
#define IDD_CATALOG_ABOUT 100
#define IDD_CATALOG 102
#define IDD_ADD_SITE 130
#define IDD_FIND_SITE 131
#define IDD_NOTE 132
#define IDD_TOOLS 133

// Icons: the application's, and the picture between the catalog window's button columns
#define IDI_CATALOG 128
#define IDI_CATALOG_PICTURE 102

// Strings
#define IDS_ABOUT_ENTRY 101

// System menu: the About entry, the framework's kAboutCommand (CMainDialog)
#define IDM_ABOUT 0x0010

// Controls of the catalog window
#define IDC_SAVE 1000
#define IDC_HELP_BUTTON 1001
#define IDC_DESTINATION 1002
#define IDC_ADD 1003
#define IDC_DELETE 1004
#define IDC_BACKUP 1005
#define IDC_RESTORE 1006
#define IDC_ADDRESSES 1007
#define IDC_DESCRIPTIONS 1009
#define IDC_FIND 1011
#define IDC_NOTE 1012
#define IDC_PRINT 1013
#define IDC_TOOLS 1014

// Controls of Add Web Site
#define IDC_SITE_ADDRESS 1002
#define IDC_SITE_DESCRIPTION 1010

// Controls of Find Web Site
#define IDC_FIND_TEXT 1002

// Controls of Note
#define IDC_NOTE_DELETE 1000
#define IDC_NOTE_TEXT 1002
#define IDC_NOTE_DESCRIPTION 1010
#define IDC_NOTE_ADDRESS 1015

// Controls of Tools; Print All is the OK button
#define IDC_TOOLS_SAVE 1000
#define IDC_TOOLS_RESTORE 1001
#define IDC_TOOLS_UPDATES 1003

// Controls of the About box
#define IDC_ABOUT_OK 1000
