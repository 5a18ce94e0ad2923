#include <gtest/gtest.h>

#include "media/MediaProbe.h"

TEST(ProbeDecision, FollowsTheTableInOrder) {
    struct Case {
        const char* what;
        MediaFormatInfo info;  // {lengthMs, hasAudio, hasVideo, frameRate}
        bool found, mpeg, expected;
    };
    const Case cases[] = {
        {"flags without a found stream", {5000, 1, 1, 25.0}, false, false, false},
        {"audio without length beside video", {0, 1, 1, 25.0}, true, false, false},
        {"video without length or rate", {0, 0, 1, 0.0}, true, false, true},
        {"video with length but no rate", {5000, 0, 1, 0.0}, true, false, false},
        {"mpeg video", {5000, 1, 1, 25.0}, true, true, true},
        {"mpeg audio only", {5000, 1, 0, 0.0}, true, true, false},
        {"audio only", {5000, 1, 0, 0.0}, true, false, true},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, DecideProbe(c.info, c.found, c.mpeg)) << c.what;
}
