#pragma once
// Custom messages the main window answers. A leaf header, so the panels can post them
// without knowing the main window.
#include <windows.h>

#define UM_UPDATEPOSITION (WM_USER + 11)
#define UM_TRANSLATEACCEL (WM_USER + 13)
#define UM_AFTERINIT (WM_USER + 15)
