#include <gtest/gtest.h>

#include <string>

#include "media/TimeText.h"

namespace {
std::string Format(uint32_t ms) {
    char text[32] = "unchanged";
    EXPECT_TRUE(FormatMediaTime(text, sizeof(text), ms));
    return text;
}
}  // namespace

TEST(TimeTextRoundNearest, TiesGoTowardZero) {
    EXPECT_EQ(2, RoundNearest(2.5));
    EXPECT_EQ(3, RoundNearest(2.51));
    EXPECT_EQ(2, RoundNearest(2.49));
    EXPECT_EQ(-2, RoundNearest(-2.5));
    EXPECT_EQ(-3, RoundNearest(-2.51));
    EXPECT_EQ(0, RoundNearest(0.0));
    EXPECT_EQ(0, RoundNearest(-0.4));
    EXPECT_EQ(7, RoundNearest(7.0));
}

TEST(TimeTextRoundNearest, OutOfRangeIsClamped) {
    EXPECT_EQ(2147483647, RoundNearest(1e12));
    EXPECT_EQ(-2147483647 - 1, RoundNearest(-1e12));
}

TEST(TimeTextFormat, ClockTextOfMilliseconds) {
    EXPECT_EQ("0:00:00", Format(0));
    EXPECT_EQ("0:01:01", Format(61234));
    EXPECT_EQ("1:00:00", Format(3600000));
    EXPECT_EQ("0:00:01", Format(1500));
    EXPECT_EQ("0:00:02", Format(1501));
    EXPECT_EQ("99:59:59", Format(359999000));
    EXPECT_EQ("100:00:00", Format(360000000));
    EXPECT_EQ("1193:02:47", Format(0xFFFFFFFFu));
}

TEST(TimeTextFormat, RoundingCarriesIntoMinutesAndHours) {
    EXPECT_EQ("0:01:00", Format(59501));
    EXPECT_EQ("0:00:59", Format(59500));
    EXPECT_EQ("1:00:00", Format(3599501));
    EXPECT_EQ("0:02:00", Format(119999));
}

TEST(TimeTextFormat, ShortBufferIsCutNotOverrun) {
    char text[6];
    memset(text, 'x', sizeof(text));
    EXPECT_TRUE(FormatMediaTime(text, 5, 61234));
    EXPECT_STREQ("0:01", text);
    EXPECT_EQ('x', text[5]);
}
