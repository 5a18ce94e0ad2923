#include <gtest/gtest.h>

#include <string>

#include "ui/WindowLayout.h"

namespace {

enum Mode { Normal, Full, Frameless };

// A 640 x 480 client area whose toolbar's trailing separator ends at x = 120.
LayoutState State(bool toolbar, bool status, bool panel, Mode mode = Normal, bool toolbarExists = true) {
    LayoutState s = {};
    s.clientWidth = 640;
    s.clientHeight = 480;
    s.toolbarExists = toolbarExists;
    s.toolbarItem6Right = 120;
    s.showToolbar = toolbar;
    s.showStatusBar = status;
    s.showInfoPanel = panel;
    s.fullScreen = mode == Full;
    s.frameless = mode == Frameless;
    s.infoPanelWidth = 200;
    return s;
}

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

std::string Text(int l, int t, int r, int b) {
    RECT rect = {l, t, r, b};
    return Text(rect);
}

struct Row {
    bool toolbar, status, panel;
    Mode mode;
    bool toolbarExists;
    int left, top, right, bottom;
};

std::string Label(const Row& row) {
    return std::string("toolbar=") + (row.toolbar ? "1" : "0") + " status=" + (row.status ? "1" : "0") +
           " panel=" + (row.panel ? "1" : "0") + " mode=" + std::to_string(row.mode) +
           " exists=" + (row.toolbarExists ? "1" : "0");
}

template <size_t N>
void CheckRows(const Row (&rows)[N], RECT (*of)(const LayoutState&)) {
    for (const Row& row : rows) {
        RECT got = of(State(row.toolbar, row.status, row.panel, row.mode, row.toolbarExists));
        EXPECT_EQ(Text(row.left, row.top, row.right, row.bottom), Text(got)) << Label(row);
    }
}

}  // namespace

TEST(WindowLayoutVideoArea, FollowsBarsPanelAndMode) {
    const Row rows[] = {
        {true, true, true, Normal, true, 0, 27, 440, 461},
        {true, true, false, Normal, true, 0, 27, 640, 461},
        {true, false, true, Normal, true, 0, 27, 440, 480},
        {true, false, false, Normal, true, 0, 27, 640, 480},
        {false, true, true, Normal, true, 0, 0, 440, 461},
        {false, true, false, Normal, true, 0, 0, 640, 461},
        {false, false, true, Normal, true, 0, 0, 440, 480},
        {false, false, false, Normal, true, 0, 0, 640, 480},
        // A toolbar that could not be created leaves only the band's top offset.
        {true, true, false, Normal, false, 0, 3, 640, 461},
        // Either mode gives the video the whole client area, whatever the flags say.
        {true, true, true, Full, true, 0, 0, 640, 480},
        {true, true, true, Frameless, true, 0, 0, 640, 480},
        {false, false, false, Full, true, 0, 0, 640, 480},
    };
    CheckRows(rows, VideoAreaRectOf);
}

TEST(WindowLayoutInfoPanel, SitsRightOfTheVideoAfterTheGap) {
    const Row rows[] = {
        {true, true, true, Normal, true, 447, 27, 640, 461},
        {true, false, true, Normal, true, 447, 27, 640, 480},
        {false, true, true, Normal, true, 447, 0, 640, 461},
        {false, false, true, Normal, true, 447, 0, 640, 480},
        // Hidden panel: an empty column at the right edge.
        {true, true, false, Normal, true, 640, 27, 640, 461},
        {false, false, false, Normal, true, 640, 0, 640, 480},
        {true, true, true, Full, true, 647, 0, 640, 480},
        {true, true, true, Frameless, true, 647, 0, 640, 480},
    };
    CheckRows(rows, InfoPanelRectOf);
}

TEST(WindowLayoutToolbarBand, SpansTheButtonsOnlyWhileShown) {
    const Row rows[] = {
        {true, true, true, Normal, true, 0, 3, 121, 27},
        {true, false, false, Normal, true, 0, 3, 121, 27},
        {false, true, true, Normal, true, 0, 3, 640, 3},
        {true, true, true, Normal, false, 0, 3, 640, 3},
        {false, false, false, Normal, false, 0, 3, 640, 3},
    };
    CheckRows(rows, ToolbarBandRectOf);
}

TEST(WindowLayoutSeekSlider, SharesTheBandRightOfTheButtons) {
    const Row rows[] = {
        {true, true, true, Normal, true, 121, 6, 640, 24},
        {true, false, false, Normal, true, 121, 6, 640, 24},
        // Hidden toolbar: the slider's rectangle collapses (it is hidden too).
        {false, true, true, Normal, true, 121, 6, 640, 0},
        {true, true, true, Normal, false, 0, 6, 640, 0},
        {false, false, false, Normal, false, 0, 6, 640, 0},
    };
    CheckRows(rows, SeekSliderRectOf);
}

TEST(WindowLayoutStatusBar, TakesTheBottomRowsWhenShown) {
    const Row rows[] = {
        {true, true, true, Normal, true, 0, 461, 640, 480},
        {false, true, false, Normal, false, 0, 461, 640, 480},
        {true, false, true, Normal, true, 0, 480, 640, 480},
    };
    CheckRows(rows, StatusBarRectOf);
}

TEST(WindowLayoutFullScreen, PushesHalfTheFrameOffEachEdge) {
    EXPECT_EQ(Text(-2, -2, 1026, 770), Text(FullScreenRect(4, 4, 1024, 768)));
    // Odd frames: the offset is truncated toward zero, the size keeps the whole frame.
    EXPECT_EQ(Text(-1, -2, 1026, 771), Text(FullScreenRect(3, 5, 1024, 768)));
}

TEST(WindowLayoutFrameless, RebuildsTheFrameWhereTheWindowWasDragged) {
    RECT savedWindow = {96, 100, 624, 420};
    RECT savedVideo = {100, 150, 420, 390};
    FrameMargins m = MarginsBetween(savedWindow, savedVideo);
    EXPECT_EQ(4, m.left);
    EXPECT_EQ(50, m.top);
    EXPECT_EQ(204, m.right);
    EXPECT_EQ(30, m.bottom);

    // Not moved: the frame comes back exactly where it was.
    EXPECT_EQ(Text(savedWindow), Text(RebuildFrameRect(savedVideo, savedWindow, savedVideo)));
    RECT dragged = {150, 150, 470, 390};
    EXPECT_EQ(Text(146, 100, 674, 420), Text(RebuildFrameRect(dragged, savedWindow, savedVideo)));
}

TEST(WindowLayoutFrameMargins, AreDistancesWhicheverSideIsOutside) {
    RECT window = {10, 10, 100, 100};
    RECT video = {5, 20, 110, 90};
    FrameMargins m = MarginsBetween(window, video);
    EXPECT_EQ(5, m.left);
    EXPECT_EQ(10, m.top);
    EXPECT_EQ(10, m.right);
    EXPECT_EQ(10, m.bottom);
}

TEST(WindowLayoutConstrainSizing, KeepsTheVideoAreaFourByThreeForEachEdge) {
    const FrameMargins m = {4, 50, 204, 30};
    const double aspect = 4.0 / 3.0;
    // Video area 393 x 320 inside the frame: 393 / a = 294.75, 320 * a = 426.67.
    const RECT start = {100, 100, 701, 500};
    struct EdgeRow {
        int edge;
        int left, top, right, bottom;
    } rows[] = {
        {WMSZ_LEFT, 100, 100, 701, 474},
        {WMSZ_RIGHT, 100, 100, 701, 474},
        {WMSZ_TOP, 100, 100, 734, 500},
        {WMSZ_TOPRIGHT, 100, 100, 734, 500},
        {WMSZ_BOTTOM, 100, 100, 734, 500},
        {WMSZ_BOTTOMRIGHT, 100, 100, 734, 500},
        {WMSZ_TOPLEFT, 67, 100, 701, 500},
        {WMSZ_BOTTOMLEFT, 67, 100, 701, 500},
    };
    for (const EdgeRow& row : rows) {
        RECT r = start;
        EXPECT_TRUE(ConstrainSizingRect(row.edge, &r, m, aspect)) << row.edge;
        EXPECT_EQ(Text(row.left, row.top, row.right, row.bottom), Text(r)) << "edge " << row.edge;
    }
}

TEST(WindowLayoutConstrainSizing, RefusesUnknownEdgesAndMissingAspect) {
    const FrameMargins m = {4, 50, 204, 30};
    const RECT start = {100, 100, 701, 500};
    for (int edge : {0, 9, -1}) {
        RECT r = start;
        EXPECT_FALSE(ConstrainSizingRect(edge, &r, m, 4.0 / 3.0)) << edge;
        EXPECT_EQ(Text(start), Text(r)) << edge;
    }
    RECT r = start;
    EXPECT_FALSE(ConstrainSizingRect(WMSZ_RIGHT, &r, m, 0.0));
    EXPECT_EQ(Text(start), Text(r));
    EXPECT_FALSE(ConstrainSizingRect(WMSZ_RIGHT, nullptr, m, 1.0));
}

TEST(WindowLayoutConstrainSizing, TruncatesTowardZeroAndSurvivesFreakAspects) {
    const FrameMargins m = {4, 50, 204, 30};
    // A frame narrower than its margins: video width -7, -7 / (4/3) = -5.25 -> -5.
    RECT r = {100, 100, 301, 500};
    EXPECT_TRUE(ConstrainSizingRect(WMSZ_RIGHT, &r, m, 4.0 / 3.0));
    EXPECT_EQ(100 - 5 + 80, r.bottom);

    // A one-pixel-wide, very tall picture would need a height beyond any int.
    r = {100, 100, 701, 500};
    EXPECT_TRUE(ConstrainSizingRect(WMSZ_RIGHT, &r, m, 1e-9));
    EXPECT_GT(r.bottom, r.top);
}
