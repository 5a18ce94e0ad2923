// The probe on real files through Wine's own media detector and filter graph.
#include <gtest/gtest.h>

#include <windows.h>
#include <dshow.h>

#include <string>

#include "media/MediaProbe.h"
#include "support/TestSupport.h"

TEST(ProbeMediaWine, RealClipsAreReadAndOtherFilesRefused) {
    MediaFormatInfo info;
    ASSERT_TRUE(ProbeMedia(TestMediaPath("clip.avi").c_str(), &info));
    EXPECT_EQ(1, info.hasVideo & info.hasAudio);
    EXPECT_NEAR(3000.0, info.lengthMs, 100.0);
    EXPECT_NEAR(30.0, info.frameRate, 0.1);
    ASSERT_EQ(1, info.hasWaveFormat & info.hasVideoInfo);
    EXPECT_EQ(320, reinterpret_cast<const VIDEOINFOHEADER*>(info.videoInfo)->bmiHeader.biWidth);

    ASSERT_TRUE(ProbeMedia(TestMediaPath("audio.wav").c_str(), &info));
    EXPECT_EQ(1, info.hasAudio);
    EXPECT_EQ(0, info.hasVideo);

    std::string folder = TestScratchFolder("probe-wine");
    ASSERT_TRUE(WriteTestFile(folder + "\\notes.txt", "This is not a movie.\r\n"));
    ASSERT_TRUE(WriteTestFile(folder + "\\empty.avi", ""));
    for (const char* name : {"\\notes.txt", "\\empty.avi", "\\missing.avi", ""})
        EXPECT_FALSE(ProbeMedia((folder + name).c_str(), &info)) << name;
}
