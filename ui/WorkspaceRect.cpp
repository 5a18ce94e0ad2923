#include "ui/WorkspaceRect.h"

RECT WorkspaceToScreen(const RECT& workspace, const RECT& monitor, const RECT& workArea) {
    RECT screen = workspace;
    OffsetRect(&screen, workArea.left - monitor.left, workArea.top - monitor.top);
    return screen;
}

RECT WorkspaceRectOnScreen(const RECT& workspace, HMONITOR monitor) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!monitor || !GetMonitorInfoW(monitor, &info)) return workspace;
    return WorkspaceToScreen(workspace, info.rcMonitor, info.rcWork);
}
