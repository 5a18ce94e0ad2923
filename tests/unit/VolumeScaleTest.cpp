#include <gtest/gtest.h>

#include <utility>

#include "panels/VolumeScale.h"

TEST(VolumeScale, LevelsAndPositionsConvertTruncatedAndHeldAtTheEnds) {
    const std::pair<unsigned, int> shown[] = {{65535, 0}, {0, 50},    {32768, 25}, {32767, 26}, {52428, 10},
                                              {64224, 2}, {1310, 50}, {1311, 49},  {65534, 1},  {70000, 0}};
    for (const auto& c : shown) EXPECT_EQ(c.second, LevelToTrackPosition(c.first)) << c.first;
    const std::pair<int, unsigned> written[] = {{25, 32767}, {10, 52428}, {1, 64224},   {49, 1310},
                                                {0, 65535},  {50, 0},     {-5, 65535}, {60, 0}};
    for (const auto& c : written) EXPECT_EQ(c.second, TrackPositionToLevel(c.first)) << c.first;
}
