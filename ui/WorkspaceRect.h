#pragma once
// Window placements keep a top-level window's normal rectangle in workspace coordinates:
// relative to the work area of its monitor, which a taskbar at the top or left shifts.
#include <windows.h>

// The screen rectangle of a workspace rectangle on a monitor with the given work area.
RECT WorkspaceToScreen(const RECT& workspace, const RECT& monitor, const RECT& workArea);

// The screen rectangle of a workspace rectangle (a placement's normal position) on the given
// monitor; unchanged when the monitor cannot be asked.
RECT WorkspaceRectOnScreen(const RECT& workspace, HMONITOR monitor);
