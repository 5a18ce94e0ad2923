// The probe on real files through Wine's own media detector and filter graph.
#include <gtest/gtest.h>

#include <windows.h>
#include <dshow.h>

#include <cstdlib>
#include <string>

#include "media/MediaProbe.h"
#include "support/TestSupport.h"

namespace {
std::string WriteScratchFile(const char* folderName, const char* name, const std::string& bytes) {
    std::string path = TestScratchFolder(folderName) + "\\" + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (!bytes.empty()) WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}
}  // namespace

TEST(ProbeMediaWine, ClipWithVideoAndAudio) {
    MediaFormatInfo info;
    ASSERT_TRUE(ProbeMedia(TestMediaPath("clip.avi").c_str(), &info));
    EXPECT_EQ(1, info.hasVideo);
    EXPECT_EQ(1, info.hasAudio);
    EXPECT_NEAR(3000.0, info.lengthMs, 100.0);
    EXPECT_NEAR(30.0, info.frameRate, 0.1);
    ASSERT_EQ(1, info.hasWaveFormat);
    const WAVEFORMATEX* wave = reinterpret_cast<const WAVEFORMATEX*>(info.waveFormat);
    EXPECT_EQ(2, wave->nChannels);
    EXPECT_EQ(44100u, wave->nSamplesPerSec);
    ASSERT_EQ(1, info.hasVideoInfo);
    const VIDEOINFOHEADER* video = reinterpret_cast<const VIDEOINFOHEADER*>(info.videoInfo);
    EXPECT_EQ(320, video->bmiHeader.biWidth);
    EXPECT_EQ(240, std::abs(video->bmiHeader.biHeight));
}

TEST(ProbeMediaWine, WaveIsAudioOnly) {
    MediaFormatInfo info;
    ASSERT_TRUE(ProbeMedia(TestMediaPath("audio.wav").c_str(), &info));
    EXPECT_EQ(1, info.hasAudio);
    EXPECT_EQ(0, info.hasVideo);
    EXPECT_GT(info.lengthMs, 1000u);
    EXPECT_EQ(0, info.hasVideoInfo);
}

TEST(ProbeMediaWine, FilesThatAreNoMediaAreRefusedCleanly) {
    std::string noise;
    srand(7);
    for (int i = 0; i < 4096; ++i) noise += static_cast<char>(rand() & 0xFF);
    std::string folder = TestScratchFolder("probe-wine");
    const std::string paths[] = {
        WriteScratchFile("probe-wine-text", "notes.txt", "This is not a movie.\r\n"),
        WriteScratchFile("probe-wine-empty", "empty.avi", ""),
        WriteScratchFile("probe-wine-noise", "noise.avi", noise),
        folder + "\\missing.avi",
        folder,
    };
    for (const std::string& path : paths) {
        MediaFormatInfo info;
        EXPECT_FALSE(ProbeMedia(path.c_str(), &info)) << path;
        EXPECT_EQ(0, info.hasVideo) << path;
    }
}

TEST(ProbeVideoSizeWine, NativeSizeOfRealClips) {
    VideoSizeInfo size = {};
    ASSERT_TRUE(ProbeVideoSize(TestMediaPath("clip.avi").c_str(), &size));
    EXPECT_EQ(320, size.width);
    EXPECT_EQ(240, size.height);

    size = {};
    ASSERT_TRUE(ProbeVideoSize(TestMediaPath("wide.avi").c_str(), &size));
    EXPECT_EQ(640, size.width);
    EXPECT_EQ(360, size.height);
}

TEST(ProbeVideoSizeWine, FilesWithoutPictureFail) {
    VideoSizeInfo size = {};
    EXPECT_FALSE(ProbeVideoSize((TestScratchFolder("probe-size") + "\\missing.avi").c_str(), &size));
    EXPECT_FALSE(ProbeVideoSize(nullptr, &size));
    EXPECT_FALSE(ProbeVideoSize(TestMediaPath("clip.avi").c_str(), nullptr));
    EXPECT_EQ(0, size.width);
    EXPECT_EQ(0, size.height);
}
