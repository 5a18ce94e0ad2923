#pragma once
// Window arithmetic of the main window, free of any window: the rectangles of its
// children, full-screen placement and the aspect-keeping frame drag.
#include "framework/PlainTypes.h"

struct FrameMargins {
    int left;
    int top;
    int right;
    int bottom;
};

struct LayoutState {
    int clientWidth;
    int clientHeight;
    bool toolbarExists;
    int toolbarItem6Right;  // right edge of the toolbar's trailing separator
    bool showToolbar;
    bool showStatusBar;
    bool showInfoPanel;
    bool fullScreen;
    bool frameless;
    int infoPanelWidth;
};

const int kToolbarBandTop = 3;
const int kToolbarBandHeight = 24;
const int kSeekSliderTop = 6;
const int kStatusBarHeight = 19;
const int kPanelGap = 7;

RECT ToolbarBandRectOf(const LayoutState& s);
RECT SeekSliderRectOf(const LayoutState& s);
RECT StatusBarRectOf(const LayoutState& s);
RECT VideoAreaRectOf(const LayoutState& s);
RECT InfoPanelRectOf(const LayoutState& s);

// Distances between the window's and the video area's screen rectangles.
FrameMargins MarginsBetween(const RECT& window, const RECT& video);

// Full-screen placement: the frame pushed just off every screen edge.
RECT FullScreenRect(int cxFrame, int cyFrame, int cxScreen, int cyScreen);

// The frame rebuilt around a frameless window that moved since the mode was entered.
RECT RebuildFrameRect(const RECT& current, const RECT& savedWindow, const RECT& savedVideo);

// Truncation toward zero, pinned to half the int range so sums of it with window coordinates stay safe.
int TruncToInt(double value);

// Adjusts a dragged frame so its video area keeps the aspect; false when the edge is unknown.
bool ConstrainSizingRect(int edge, RECT* rect, const FrameMargins& m, double aspect);
