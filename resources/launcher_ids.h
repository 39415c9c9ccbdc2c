// Resource ids of the launcher, shared by launch.rc and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

#define IDD_LAUNCHER 102
#define IDI_LAUNCHER 128
#define IDB_LAUNCHER_BANNER 131

#define IDC_START_CATALOG 1000
#define IDC_START_READER 1001
