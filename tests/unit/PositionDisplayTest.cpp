#include <gtest/gtest.h>

#include "ui/PositionDisplay.h"

TEST(PositionDisplay, SliderFollowsPositionOnTheWholeFileScale) {
    EXPECT_EQ(2780, SliderValueForPosition(83400, 300000));
    EXPECT_EQ(10000, SliderValueForPosition(300000, 300000));
    EXPECT_EQ(20000, SliderValueForPosition(600000, 300000));  // past the end: the slider clamps
    EXPECT_EQ(0, SliderValueForPosition(5000, 0));             // unknown length
    EXPECT_EQ(2147483647, SliderValueForPosition(4000000000u, 1));
}

TEST(PositionDisplay, SliderReleaseSeeksToItsShareOfTheLength) {
    EXPECT_EQ(150000u, SeekTargetForSlider(5000, 300000));
    EXPECT_EQ(300000u, SeekTargetForSlider(10000, 300000));
    EXPECT_EQ(29u, SeekTargetForSlider(1, 299999));  // truncated, never rounded up past the pick
    EXPECT_EQ(300000u, SeekTargetForSlider(20000, 300000));  // never past the end
    EXPECT_EQ(4294967295u, SeekTargetForSlider(2147483647, 4294967295u));
}

TEST(PositionDisplay, PaneTextJoinsPositionAndLength) {
    char text[80];
    FormatPositionText(text, sizeof(text), 83400, 300000);
    EXPECT_STREQ(" 0:01:23 / 0:05:00", text);
}
