#include <gtest/gtest.h>

#include <climits>

#include "controls/SliderGeometry.h"

namespace {
std::vector<LONG> Edges(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The channel of a 300 x 18 slider, the size the main window gives it.
RECT Channel300By18() { return SliderChannelRect(SliderInnerRect({0, 0, 300, 18}, 7), 5); }
}  // namespace

TEST(SliderGeometry, WorkedExampleFor300By18) {
    EXPECT_EQ((std::vector<LONG>{7, 6, 292, 10}), Edges(Channel300By18()));
    EXPECT_EQ((std::vector<LONG>{144, -1, 154, 17}), Edges(SliderThumbRect(Channel300By18(), 5000, 0, 10000, 10, 18)));

    struct { int position, minValue, maxValue, thumbLeft; } thumbs[] = {
        {0, 0, 10000, 2}, {10000, 0, 10000, 287}, {150, 100, 200, 144},
        {INT_MAX, 0, 1, 536870906},  // left far outside a narrowed range: pinned
    };
    for (const auto& t : thumbs)
        EXPECT_EQ(t.thumbLeft, SliderThumbRect(Channel300By18(), t.position, t.minValue, t.maxValue, 10, 18).left)
            << t.position;

    // Within 7 pixels of either end the value leaves the range; outside the control it is the range's end.
    struct { int x, width, value; } positions[] = {
        {-1, 300, 0}, {6, 300, -35}, {7, 300, 0}, {149, 300, 4982}, {292, 300, 10000}, {299, 300, 10245},
        {300, 300, 10000}, {5, 15, 0},  // too narrow to have a scale
    };
    for (const auto& p : positions) EXPECT_EQ(p.value, SliderPositionFromX(p.x, p.width, 7, 0, 10000)) << p.x;
}

TEST(SliderGeometry, HitTestPrefersThumbThenChannelThenColumn) {
    RECT ch = Channel300By18();
    RECT thumb = SliderThumbRect(ch, 0, 0, 10000, 10, 18);  // (2,-1)-(12,17), over the left margin
    struct { POINT point; SliderPart part; } hits[] = {
        {{3, 8}, SliderThumb}, {{12, 17}, SliderThumb}, {{13, 8}, SliderChannel}, {{292, 10}, SliderChannel},
        {{100, 2}, SliderChannelSide}, {{1, 8}, SliderNone}, {{293, 8}, SliderNone},
    };
    for (const auto& h : hits) EXPECT_EQ(h.part, SliderHitTest(h.point, thumb, ch)) << h.point.x << "," << h.point.y;
}
