#include <gtest/gtest.h>

#include "media/MediaProbe.h"

namespace {
struct DecisionCase {
    const char* what;
    bool found;
    int audio;
    int video;
    uint32_t lengthMs;
    double frameRate;
    bool mpeg;
    bool expected;
};
}  // namespace

TEST(ProbeDecision, FollowsTheTableInOrder) {
    const DecisionCase cases[] = {
        {"nothing found", false, 0, 0, 5000, 25.0, false, false},
        {"flags without a found stream", false, 1, 1, 5000, 25.0, false, false},
        {"audio without length", true, 1, 0, 0, 0.0, false, false},
        {"audio without length beside video", true, 1, 1, 0, 25.0, false, false},
        {"video with a rate", true, 0, 1, 5000, 25.0, false, true},
        {"video and audio with a rate", true, 1, 1, 5000, 25.0, false, true},
        {"video without length or rate", true, 0, 1, 0, 0.0, false, true},
        {"video with length but no rate", true, 0, 1, 5000, 0.0, false, false},
        {"video with a negative rate", true, 1, 1, 5000, -1.0, false, false},
        {"mpeg video", true, 1, 1, 5000, 25.0, true, true},
        {"mpeg audio only", true, 1, 0, 5000, 0.0, true, false},
        {"audio only", true, 1, 0, 5000, 0.0, false, true},
    };
    for (const DecisionCase& c : cases) {
        MediaFormatInfo info = {};
        info.hasAudio = c.audio;
        info.hasVideo = c.video;
        info.lengthMs = c.lengthMs;
        info.frameRate = c.frameRate;
        EXPECT_EQ(c.expected, DecideProbe(info, c.found, c.mpeg)) << c.what;
    }
}
