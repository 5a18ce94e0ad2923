#include <gtest/gtest.h>

#include <vector>

#include "media/VideoRect.h"

TEST(VideoRectFit, CentresTheLargestRectangleOfThePicturesShape) {
    const struct {
        RECT bounds;
        std::vector<LONG> fitted;
    } cases[] = {
        {{0, 0, 400, 400}, {0, 50, 400, 350}},
        {{0, 0, 400, 200}, {67, 0, 333, 200}},
        // 301 x 4/3 is 401.33: truncated it fits the width, so the full height is kept.
        {{0, 0, 401, 301}, {0, 0, 401, 301}},
    };
    for (const auto& c : cases) {
        RECT out;
        ASSERT_TRUE(FitVideoRect(&out, &c.bounds, 320, 240));
        EXPECT_EQ(c.fitted, (std::vector<LONG>{out.left, out.top, out.right, out.bottom})) << c.bounds.right;
    }
}
