#include <gtest/gtest.h>

#include "media/VideoRect.h"

namespace {
bool SameRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}
}  // namespace

TEST(VideoRectFit, CentresTheLargestRectangleOfThePicturesShape) {
    RECT out;
    RECT square = {0, 0, 400, 400};
    ASSERT_TRUE(FitVideoRect(&out, &square, 320, 240));
    EXPECT_TRUE(SameRect(out, 0, 50, 400, 350));

    RECT wide = {0, 0, 400, 200};
    ASSERT_TRUE(FitVideoRect(&out, &wide, 320, 240));
    EXPECT_TRUE(SameRect(out, 67, 0, 333, 200));

    RECT offset = {100, 20, 500, 420};
    ASSERT_TRUE(FitVideoRect(&out, &offset, 640, 360));
    EXPECT_TRUE(SameRect(out, 100, 107, 500, 332));
}

TEST(VideoRectFit, NothingToFitLeavesTheOutputAlone) {
    const RECT untouched = {1, 2, 3, 4};
    RECT out = untouched;
    RECT box = {0, 0, 400, 400};
    RECT flat = {0, 0, 400, 0};
    RECT inverted = {400, 0, 0, 400};
    EXPECT_FALSE(FitVideoRect(&out, &box, 0, 240));
    EXPECT_FALSE(FitVideoRect(&out, &box, 320, -1));
    EXPECT_FALSE(FitVideoRect(&out, &flat, 320, 240));
    EXPECT_FALSE(FitVideoRect(&out, &inverted, 320, 240));
    EXPECT_FALSE(FitVideoRect(&out, nullptr, 320, 240));
    EXPECT_FALSE(FitVideoRect(nullptr, &box, 320, 240));
    EXPECT_TRUE(SameRect(out, 1, 2, 3, 4));
}

TEST(VideoRectFit, ExtremePictureShapesStayInsideTheBox) {
    RECT out;
    RECT box = {0, 0, 1000000, 1000000};
    ASSERT_TRUE(FitVideoRect(&out, &box, 2147483647, 1));
    EXPECT_EQ(0, out.left);
    EXPECT_EQ(1000000, out.right);
    EXPECT_GE(out.top, 0);
    EXPECT_LE(out.bottom, 1000000);
}
