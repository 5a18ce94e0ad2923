// The window arithmetic that needs no window: child rectangles, and stored placements on a
// monitor with a taskbar.
#include <gtest/gtest.h>

#include <string>

#include "ui/WindowLayout.h"
#include "ui/WorkspaceRect.h"

namespace {
std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}
enum Mode { Normal, Full, Frameless };
}  // namespace

// A 640 x 480 client area whose toolbar's trailing separator ends at x = 120.
TEST(WindowLayout, ChildRectanglesFollowTheBarsThePanelAndTheMode) {
    const struct {
        RECT (*rectOf)(const LayoutState&);
        bool toolbar, status, panel;
        Mode mode;
        bool toolbarExists;
        const char* expected;
    } rows[] = {
        {VideoAreaRectOf, true, true, true, Normal, true, "(0,27)-(440,461)"},
        {VideoAreaRectOf, false, false, false, Normal, true, "(0,0)-(640,480)"},
        {VideoAreaRectOf, true, true, false, Normal, false, "(0,3)-(640,461)"},  // toolbar never created
        {VideoAreaRectOf, true, true, true, Full, true, "(0,0)-(640,480)"},
        {VideoAreaRectOf, true, true, true, Frameless, true, "(0,0)-(640,480)"},
        {InfoPanelRectOf, true, true, true, Normal, true, "(447,27)-(640,461)"},
        {InfoPanelRectOf, true, true, false, Normal, true, "(640,27)-(640,461)"},
        {ToolbarBandRectOf, true, true, true, Normal, true, "(0,3)-(121,27)"},
        {ToolbarBandRectOf, false, true, true, Normal, true, "(0,3)-(640,3)"},
        {SeekSliderRectOf, true, true, true, Normal, true, "(121,6)-(640,24)"},
        {SeekSliderRectOf, false, true, true, Normal, true, "(121,6)-(640,0)"},  // hidden with the toolbar
        {StatusBarRectOf, true, true, true, Normal, true, "(0,461)-(640,480)"},
    };
    for (const auto& row : rows) {
        LayoutState s = {640, 480, row.toolbarExists, 120, row.toolbar, row.status, row.panel,
                         row.mode == Full, row.mode == Frameless, 200};
        EXPECT_EQ(row.expected, Text(row.rectOf(s))) << &row - rows;
    }
}

TEST(WorkspaceRect, NormalPositionMovesByWhatTheTaskbarTakesFromTheMonitorsTopLeft) {
    const RECT normal = {100, 50, 500, 350};
    const struct { const char* what; RECT monitor, work; const char* screen; } cases[] = {
        {"no taskbar", {0, 0, 1024, 768}, {0, 0, 1024, 768}, "(100,50)-(500,350)"},
        {"taskbar at the top", {0, 0, 1024, 768}, {0, 30, 1024, 768}, "(100,80)-(500,380)"},
        {"taskbar at the bottom", {0, 0, 1024, 768}, {0, 0, 1024, 738}, "(100,50)-(500,350)"},
        // Relative to the monitor's own corner, not the virtual screen's.
        {"monitor left of the primary", {-1280, 0, 0, 1024}, {-1240, 0, 0, 1024}, "(140,50)-(540,350)"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.screen, Text(WorkspaceToScreen(normal, c.monitor, c.work))) << c.what;
}
