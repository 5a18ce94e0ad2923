#include <gtest/gtest.h>

#include <string>

#include "ui/WindowLayout.h"

namespace {

enum Mode { Normal, Full, Frameless };

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

struct Row {
    RECT (*rectOf)(const LayoutState&);
    bool toolbar, status, panel;
    Mode mode;
    bool toolbarExists;
    RECT expected;
};

}  // namespace

// A 640 x 480 client area whose toolbar's trailing separator ends at x = 120.
TEST(WindowLayout, ChildRectanglesFollowTheBarsThePanelAndTheMode) {
    const Row rows[] = {
        {VideoAreaRectOf, true, true, true, Normal, true, {0, 27, 440, 461}},
        {VideoAreaRectOf, false, false, false, Normal, true, {0, 0, 640, 480}},
        {VideoAreaRectOf, true, true, false, Normal, false, {0, 3, 640, 461}},  // toolbar never created
        {VideoAreaRectOf, true, true, true, Full, true, {0, 0, 640, 480}},
        {VideoAreaRectOf, true, true, true, Frameless, true, {0, 0, 640, 480}},
        {InfoPanelRectOf, true, true, true, Normal, true, {447, 27, 640, 461}},
        {InfoPanelRectOf, true, true, false, Normal, true, {640, 27, 640, 461}},
        {ToolbarBandRectOf, true, true, true, Normal, true, {0, 3, 121, 27}},
        {ToolbarBandRectOf, false, true, true, Normal, true, {0, 3, 640, 3}},
        {SeekSliderRectOf, true, true, true, Normal, true, {121, 6, 640, 24}},
        {SeekSliderRectOf, false, true, true, Normal, true, {121, 6, 640, 0}},  // hidden with the toolbar
        {StatusBarRectOf, true, true, true, Normal, true, {0, 461, 640, 480}},
    };
    for (const Row& row : rows) {
        LayoutState s = {640, 480, row.toolbarExists, 120, row.toolbar, row.status, row.panel,
                         row.mode == Full, row.mode == Frameless, 200};
        EXPECT_EQ(Text(row.expected), Text(row.rectOf(s)))
            << "toolbar " << row.toolbar << " status " << row.status << " panel " << row.panel << " mode "
            << row.mode << " exists " << row.toolbarExists;
    }
}

TEST(WindowLayout, DraggedFrameKeepsTheVideoAreaFourByThree) {
    const FrameMargins m = {4, 50, 204, 30};
    // Video area 393 x 320 inside the frame: 393 / a = 294.75, 320 * a = 426.67, both truncated.
    const RECT start = {100, 100, 701, 500};
    const struct {
        int edge;
        const char* expected;
    } rows[] = {
        {WMSZ_RIGHT, "(100,100)-(701,474)"},
        {WMSZ_BOTTOMRIGHT, "(100,100)-(734,500)"},
        {WMSZ_TOPLEFT, "(67,100)-(701,500)"},
    };
    for (const auto& row : rows) {
        RECT r = start;
        EXPECT_TRUE(ConstrainSizingRect(row.edge, &r, m, 4.0 / 3.0));
        EXPECT_EQ(row.expected, Text(r)) << "edge " << row.edge;
    }
}
