#pragma once
// Resource and command identifiers, shared by the resource script and the code.

#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_INFOPANEL 131
#define IDD_VOLUME 135

#define IDI_MAIN 128
#define IDR_MAINMENU 129
#define IDB_TOOLBAR 130
#define IDR_ACCELERATORS 133
#define IDR_CONTEXTMENU 134
#define IDR_PLAYERKEYS 136

#define IDS_OPENFILTER 102
#define IDS_TITLE 103
#define IDS_BITMAPFILTER 104
#define IDS_RECENT_MENU 105

// Commands: menu items, accelerators, toolbar buttons and their prompt strings.
#define ID_APP_EXIT_CMD 32772
#define ID_APP_ABOUT_CMD 32774
#define ID_HELP_PAGE 32775
#define ID_PLAY_PAUSE 32776
#define ID_STOP 32777
#define ID_VIEW_TOOLBAR 32778
#define ID_VIEW_STATUSBAR 32780
#define ID_SIZE_FIT 32781
#define ID_SIZE_50 32782
#define ID_SIZE_100 32783
#define ID_SIZE_200 32784
#define ID_VIEW_INFOPANEL 32785
#define ID_VIEW_FULLSCREEN 32786
#define ID_VIEW_TOPMOST 32787
#define ID_VIEW_FRAMELESS 32788
#define ID_VOLUME 32789
#define ID_FILE_CLOSE_CMD 32790
#define ID_FILE_OPEN_CMD 32791
#define ID_CAPTURE 32792

// The recent-files submenu, added to the File menu at run time: one command per file, newest
// first, and the one that forgets them all.
#define ID_RECENT_FIRST 32900
#define ID_RECENT_LAST 32909
#define ID_RECENT_CLEAR 32910

// Commands of the playback keys only (table IDR_PLAYERKEYS), in no menu.
#define ID_SEEK_BACK 32920
#define ID_SEEK_FORWARD 32921
#define ID_SEEK_BACK_LONG 32922
#define ID_SEEK_FORWARD_LONG 32923
#define ID_FRAME_NEXT 32924
#define ID_FRAME_PREVIOUS 32925
#define ID_FILE_NEXT 32926
#define ID_FILE_PREVIOUS 32927

// Controls of the main window.
#define IDC_ETCHED_LINE 1000
#define IDC_TOOLBAR 1002
#define IDC_VIDEOHOST 1003
#define IDC_STATUSBAR 1004
#define IDC_SEEKSLIDER 1005

// Controls of the information panel.
#define IDC_FILTER_LIST 1001
#define IDC_FILTER_SETTINGS 1002
#define IDC_INFO_TEXT 1003
#define IDC_INFO_GROUP 1004
#define IDC_FILTER_GROUP 1005
#define IDC_FILE_NAME 1006
#define IDC_FILE_ICON 1009

// Controls of the volume dialog.
#define IDC_VOLUME_TRACKBAR 1007
#define IDC_MUTE 1008

// Controls of the about box.
#define IDC_ABOUT_ICON 1010
#define IDC_ABOUT_TEXT 1011

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
