#include <gtest/gtest.h>

#include "controls/SliderGeometry.h"

namespace {
void ExpectRect(const RECT& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(left, r.left);
    EXPECT_EQ(top, r.top);
    EXPECT_EQ(right, r.right);
    EXPECT_EQ(bottom, r.bottom);
}

RECT ChannelFor(int width, int height) {
    RECT client = {0, 0, width, height};
    return SliderChannelRect(SliderInnerRect(client, 7), 5);
}
}  // namespace

TEST(SliderGeometry, WorkedExampleFor300By18) {
    RECT ch = ChannelFor(300, 18);
    ExpectRect(ch, 7, 6, 292, 10);
    RECT thumb = SliderThumbRect(ch, 5000, 0, 10000, 10, 18);
    ExpectRect(thumb, 144, -1, 154, 17);
    EXPECT_EQ(4982, SliderPositionFromX(149, 300, 7, 0, 10000));
    EXPECT_EQ(0, SliderPositionFromX(7, 300, 7, 0, 10000));
    EXPECT_EQ(-35, SliderPositionFromX(6, 300, 7, 0, 10000));
    EXPECT_EQ(10000, SliderPositionFromX(292, 300, 7, 0, 10000));
    EXPECT_EQ(10245, SliderPositionFromX(299, 300, 7, 0, 10000));
}

TEST(SliderGeometry, ThumbAtRangeEndsSitsOnChannelEnds) {
    RECT ch = ChannelFor(300, 18);
    RECT low = SliderThumbRect(ch, 0, 0, 10000, 10, 18);
    RECT high = SliderThumbRect(ch, 10000, 0, 10000, 10, 18);
    EXPECT_EQ(7, (low.left + low.right) / 2);
    EXPECT_EQ(292, (high.left + high.right) / 2);
    // A range not starting at zero maps the same way.
    RECT mid = SliderThumbRect(ch, 150, 100, 200, 10, 18);
    EXPECT_EQ(7 + 142, (mid.left + mid.right) / 2);
}

TEST(SliderGeometry, EmptyRangeKeepsThumbAtChannelStart) {
    RECT ch = ChannelFor(300, 18);
    RECT thumb = SliderThumbRect(ch, 5, 5, 5, 10, 18);
    EXPECT_EQ(2, thumb.left);
    EXPECT_EQ(12, thumb.right);
}

TEST(SliderGeometry, NarrowSliderCollapsesChannelToMiddle) {
    ExpectRect(ChannelFor(15, 18), 7, 6, 7, 10);   // the narrowest that needs no collapse
    ExpectRect(ChannelFor(14, 18), 7, 6, 7, 10);   // inner rect is empty: ends meet at 7
    ExpectRect(ChannelFor(10, 18), 5, 6, 5, 10);   // inner rect runs backwards (7..3): middle 5
    ExpectRect(ChannelFor(0, 18), 0, 6, 0, 10);
}

TEST(SliderGeometry, PositionFromXOutsideTheControlAndDegenerateWidths) {
    EXPECT_EQ(0, SliderPositionFromX(-1, 300, 7, 0, 10000));
    EXPECT_EQ(10000, SliderPositionFromX(300, 300, 7, 0, 10000));
    // Too narrow to have a scale.
    EXPECT_EQ(0, SliderPositionFromX(5, 15, 7, 0, 10000));
    // Left of the control means the range's lower end, also when that is below zero.
    EXPECT_EQ(-50, SliderPositionFromX(-3, 300, 7, -50, 50));
    EXPECT_EQ(0, SliderPositionFromX(150, 300, 7, -50, 50));
}

TEST(SliderGeometry, HitTestPrefersThumbThenChannelThenColumn) {
    RECT ch = ChannelFor(300, 18);
    RECT thumb = SliderThumbRect(ch, 0, 0, 10000, 10, 18);  // (2,-1)-(12,17), over the left margin
    EXPECT_EQ(SliderThumb, SliderHitTest({3, 8}, thumb, ch));       // margin, but under the thumb
    EXPECT_EQ(SliderThumb, SliderHitTest({12, 17}, thumb, ch));     // thumb edges count
    EXPECT_EQ(SliderChannel, SliderHitTest({13, 8}, thumb, ch));
    EXPECT_EQ(SliderChannel, SliderHitTest({292, 10}, thumb, ch));  // channel edges count
    EXPECT_EQ(SliderChannelSide, SliderHitTest({100, 2}, thumb, ch));
    EXPECT_EQ(SliderChannelSide, SliderHitTest({292, 11}, thumb, ch));
    EXPECT_EQ(SliderNone, SliderHitTest({1, 8}, thumb, ch));
    EXPECT_EQ(SliderNone, SliderHitTest({293, 8}, thumb, ch));
}
