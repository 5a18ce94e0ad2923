#include <gtest/gtest.h>

#include <utility>

#include "media/TimeText.h"

TEST(TimeText, RoundNearestTiesGoTowardZero) {
    const std::pair<double, int> cases[] = {{2.5, 2}, {2.51, 3}, {2.49, 2}, {-2.5, -2}, {-2.51, -3},
                                            // Out of range is held at the limits rather than left undefined.
                                            {1e12, 2147483647}, {-1e12, -2147483647 - 1}};
    for (const auto& c : cases) EXPECT_EQ(c.second, RoundNearest(c.first)) << c.first;
}

TEST(TimeText, ClockTextRoundsTheWholeTimeBeforeSplittingIt) {
    const std::pair<uint32_t, const char*> cases[] = {
        {0, "0:00:00"},       {61234, "0:01:01"},      {59500, "0:00:59"},        {59501, "0:01:00"},
        {3599501, "1:00:00"}, {359999000, "99:59:59"}, {360000000, "100:00:00"}, {0xFFFFFFFFu, "1193:02:47"}};
    for (const auto& c : cases) {
        char text[32];
        EXPECT_TRUE(FormatMediaTime(text, sizeof(text), c.first));
        EXPECT_STREQ(c.second, text) << c.first;
    }
}
