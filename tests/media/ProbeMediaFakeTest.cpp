// The probe against a media detector whose streams each test describes.
#include <gtest/gtest.h>

#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <cstring>
#include <vector>

#include "media/FakeGraph.h"
#include "media/MediaProbe.h"

namespace {
const FakeStream kVideo = {MEDIATYPE_Video, FORMAT_VideoInfo, 88, 4.0, 25.0};
const FakeStream kAudio = {MEDIATYPE_Audio, FORMAT_WaveFormatEx, 18, 4.5, -1.0};

class ProbeMediaFake : public ::testing::Test {
protected:
    FakeGraph services;
    FakeDetector& detector = services.detector;
    MediaFormatInfo info = {};

    void SetUp() override { SetDirectShowServices(&services); }
    void TearDown() override {
        SetDirectShowServices(nullptr);
        // The detector and every pUnk it handed out are given back, whatever the verdict.
        EXPECT_EQ(0u, detector.refs);
    }
    bool Probe(const char* path, const std::vector<FakeStream>& streams) {
        detector.streams = streams;
        TakeLog();
        return ProbeMedia(path, &info);
    }
    // The stream indexes the probe selected, and whether it created a detector at all.
    Calls Selected() {
        Calls found;
        for (const std::string& call : TakeLog())
            if (call.rfind("put_CurrentStream", 0) == 0 || call == "CreateMediaDetector") found.push_back(call);
        return found;
    }
};
}  // namespace

TEST_F(ProbeMediaFake, RefusedExtensionsCreateNothingAndLeaveTheRecordZeroed) {
    static const MediaFormatInfo zero = {};
    for (const char* path : {"C:\\m\\clip.MOV", "setup.Exe", "C:\\m\\codec.dll"}) {
        memset(&info, 0xCD, sizeof(info));
        EXPECT_FALSE(Probe(path, {kVideo, kAudio})) << path;
        EXPECT_EQ(0, memcmp(&zero, &info, sizeof(info))) << path;
        EXPECT_TRUE(Selected().empty()) << path;
    }
    // Only the final component's extension counts.
    EXPECT_TRUE(Probe("C:\\movies.mov\\clip", {kVideo}));
}

TEST_F(ProbeMediaFake, StreamsFillTheRecordAndEveryFormatBlockIsFreed) {
    FakeStream video = kVideo, video2 = kVideo, audio = kAudio;
    video.blockSize = 120;
    video.seconds = 1e9;  // beyond 49 days the millisecond count holds its maximum
    video2.format = FORMAT_VideoInfo2;
    video2.blockSize = 200;
    audio.blockSize = 40;  // a WAVEFORMATEX with codec data, as Vorbis has; last, so an overrun shows
    ASSERT_TRUE(Probe("C:\\m\\a.webm", {video, video2, audio}));
    EXPECT_EQ(0xFFFFFFFFu, info.lengthMs);
    EXPECT_EQ(1, info.hasAudio & info.hasVideo);
    EXPECT_DOUBLE_EQ(25.0, info.frameRate);
    EXPECT_EQ(1, info.hasWaveFormat & info.hasVideoInfo & info.hasVideoInfo2);
    BYTE counting[112];
    for (BYTE i = 0; i < sizeof(counting); ++i) counting[i] = i + 1;
    EXPECT_EQ(0, memcmp(counting, info.waveFormat, 18));
    EXPECT_EQ(0, memcmp(counting, info.videoInfo, 88));
    EXPECT_EQ(0, memcmp(counting, info.videoInfo2, 112));
    IMalloc* allocator = nullptr;
    ASSERT_EQ(S_OK, CoGetMalloc(1, &allocator));
    for (void* block : detector.blocks) EXPECT_EQ(0, allocator->DidAlloc(block));
    allocator->Release();
}

TEST_F(ProbeMediaFake, MpegNamesGetASecondStreamAndNeedVideo) {
    detector.reported = 1;
    EXPECT_TRUE(Probe("C:\\m\\movie.MPG", {kVideo, kAudio}));
    EXPECT_EQ((Calls{"CreateMediaDetector", "put_CurrentStream(0)", "put_CurrentStream(1)"}), Selected());
    EXPECT_FALSE(Probe("C:\\m\\song.mpeg", {kAudio}));
    EXPECT_TRUE(Probe("C:\\m\\movie.avi", {kVideo, kAudio}));
    EXPECT_EQ((Calls{"CreateMediaDetector", "put_CurrentStream(0)"}), Selected());
}

// ASF video without a frame rate plays at 30; a non-finite rate (a platform dividing by a zero
// frame duration) counts as none.
TEST_F(ProbeMediaFake, AsfVideoWithoutFrameRatePlaysAtThirty) {
    const struct {
        const char* path;
        double rate;
        bool accepted;
        double expected;
    } cases[] = {
        {"C:\\m\\a.asf", -1.0, true, 30.0},
        {"C:\\m\\a.WMV", 15.0, true, 15.0},
        {"C:\\m\\a.avi", -1.0, false, 0.0},
        {"C:\\m\\a.avi", std::numeric_limits<double>::infinity(), false, 0.0},
        {"C:\\m\\a.asf", std::numeric_limits<double>::quiet_NaN(), true, 30.0},
    };
    for (const auto& c : cases) {
        FakeStream video = kVideo;
        video.rate = c.rate;
        EXPECT_EQ(c.accepted, Probe(c.path, {video})) << c.path << " " << c.rate;
        EXPECT_EQ(c.expected, info.frameRate) << c.path << " " << c.rate;
    }
}
