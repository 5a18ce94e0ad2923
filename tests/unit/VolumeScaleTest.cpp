#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "panels/VolumeScale.h"

TEST(VolumeScale, MixerLevelsShowAtTheirTruncatedPosition) {
    const std::pair<unsigned, int> cases[] = {{65535, 0},  {0, 50},    {32768, 25}, {32767, 26}, {52428, 10},
                                              {64224, 2},  {1310, 50}, {1311, 49},  {65534, 1},
                                              // Beyond the 16-bit scale is held at the loud end.
                                              {70000, 0}};
    for (const auto& c : cases) EXPECT_EQ(c.second, LevelToTrackPosition(c.first)) << c.first;
}

TEST(VolumeScale, PositionsWriteTheirTruncatedLevel) {
    const std::pair<int, unsigned> cases[] = {{25, 32767}, {10, 52428}, {1, 64224}, {49, 1310},
                                              {0, 65535},  {50, 0},     {-5, 65535}, {60, 0}};
    for (const auto& c : cases) EXPECT_EQ(c.second, TrackPositionToLevel(c.first)) << c.first;
}

TEST(VolumeScale, AWrittenPositionNeverReadsBackLouder) {
    // Truncation on both ways may push a position down by one (25, 1 and 49 do), never up.
    for (int position = 0; position <= 50; ++position) {
        int shown = LevelToTrackPosition(TrackPositionToLevel(position));
        EXPECT_TRUE(shown == position || shown == position + 1) << position << " shows as " << shown;
    }
}

TEST(VolumeScale, FractionsOutsideTheScaleAreHeldAtItsEnds) {
    const std::pair<double, unsigned> levels[] = {{1.5, 65535}, {-0.5, 0}, {NAN, 0}, {INFINITY, 65535}, {0.5, 32767}};
    for (const auto& c : levels) EXPECT_EQ(c.second, FractionToLevel(c.first)) << c.first;
    const std::pair<double, int> positions[] = {{1.0, 0}, {0.0, 50}, {2.0, 0}, {-1.0, 50}, {NAN, 50}, {-INFINITY, 50}};
    for (const auto& c : positions) EXPECT_EQ(c.second, FractionToTrackPosition(c.first)) << c.first;
}
