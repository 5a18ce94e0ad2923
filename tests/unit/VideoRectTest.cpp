#include <gtest/gtest.h>

#include <vector>

#include "media/VideoRect.h"

static std::vector<LONG> Sides(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

TEST(VideoRectFit, CentresTheLargestRectangleOfThePicturesShape) {
    RECT out, square = {0, 0, 400, 400}, wide = {0, 0, 400, 200}, huge = {0, 0, 1000000, 1000000};
    ASSERT_TRUE(FitVideoRect(&out, &square, 320, 240));
    EXPECT_EQ((std::vector<LONG>{0, 50, 400, 350}), Sides(out));
    ASSERT_TRUE(FitVideoRect(&out, &wide, 320, 240));
    EXPECT_EQ((std::vector<LONG>{67, 0, 333, 200}), Sides(out));
    // 301 x 4/3 is 401.33: truncated it fits the width, so the full height is kept.
    RECT odd = {0, 0, 401, 301};
    ASSERT_TRUE(FitVideoRect(&out, &odd, 320, 240));
    EXPECT_EQ((std::vector<LONG>{0, 0, 401, 301}), Sides(out));
    // So wide a picture must not overflow the width computed for the full height.
    ASSERT_TRUE(FitVideoRect(&out, &huge, 2147483647, 1));
    EXPECT_TRUE(out.left == 0 && out.right == 1000000 && out.top >= 0 && out.bottom <= 1000000);
}

TEST(VideoRectFit, NothingToFitLeavesTheOutputAlone) {
    RECT out = {1, 2, 3, 4}, box = {0, 0, 400, 400}, flat = {0, 0, 400, 0};
    EXPECT_FALSE(FitVideoRect(&out, &box, 0, 240));
    EXPECT_FALSE(FitVideoRect(&out, &flat, 320, 240));
    EXPECT_EQ((std::vector<LONG>{1, 2, 3, 4}), Sides(out));
}
