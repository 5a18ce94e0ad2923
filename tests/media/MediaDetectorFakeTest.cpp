// The probe and GrabFrame against a media detector whose streams each test describes: one that
// answers as the platform's does, and one that, like Wine's, cannot give frames.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "framework/Scoped.h"
#include "media/FakeGraph.h"
#include "media/FrameCapture.h"
#include "media/MediaProbe.h"
#include "support/TestSupport.h"

namespace {
FakeStream Stream(GUID major) { return {major, GUID_NULL, 8, 1.0, 25.0}; }
const FakeStream kVideo = {MEDIATYPE_Video, FORMAT_VideoInfo, 88, 4.0, 25.0};
const FakeStream kAudio = {MEDIATYPE_Audio, FORMAT_WaveFormatEx, 18, 4.5, -1.0};

class DetectorFake : public ::testing::Test {
protected:
    FakeGraph services;
    FakeDetector& detector = services.detector;
    MediaFormatInfo info = {};

    void SetUp() override {
        detector.streams = {Stream(MEDIATYPE_Audio), Stream(MEDIATYPE_Video)};
        detector.grabs = true;
        SetDirectShowServices(&services);
    }
    void TearDown() override {
        SetDirectShowServices(nullptr);
        // The detector, every pUnk and grabber it handed out and every format block are given
        // back on every path.
        EXPECT_EQ(0u, detector.refs);
        EXPECT_EQ(0u, Unfreed());
    }
    bool Probe(const char* path, const std::vector<FakeStream>& streams) {
        detector.streams = streams;
        TakeLog();
        return ProbeMedia(path, &info);
    }
    HBITMAP Grab(uint32_t ms, int width, int height, const char* path = "C:\\m\\clip.avi") {
        ScopedGetDC screen(nullptr);
        return GrabFrame(path, ms, width, height, screen);
    }
};
class ProbeMediaFake : public DetectorFake {};
class FrameCaptureFake : public DetectorFake {};
}  // namespace

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
}

// Refused names create nothing; only the final component's extension counts. MPEG names get a
// second stream looked at and need video; ASF video without a frame rate plays at 30; a
// non-finite rate (a platform dividing by a zero frame duration) counts as none.
TEST_F(ProbeMediaFake, TheNameDecidesWhatIsAskedAndWhatIsTaken) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* path;
        std::vector<FakeStream> streams;
        double rate;  // of the video streams; expected 0: refused
        size_t asked;  // streams looked at; 0: no detector made
        double expected;
    } cases[] = {
        {"setup.Exe", {kVideo}, 25.0, 0, 0.0},
        {"C:\\movies.mov\\clip", {kVideo}, 25.0, 1, 25.0},
        {"C:\\m\\movie.MPG", {kVideo, kAudio}, 25.0, 2, 25.0},
        {"C:\\m\\song.mpeg", {kAudio}, 25.0, 2, 0.0},
        {"C:\\m\\silence.wav", {{MEDIATYPE_Audio, FORMAT_WaveFormatEx, 18, 0.0, -1.0}}, 25.0, 1, 0.0},  // no length
        {"C:\\m\\a.asf", {kVideo}, -1.0, 1, 30.0},
        {"C:\\m\\a.avi", {kVideo}, -1.0, 1, 0.0},
        {"C:\\m\\a.avi", {kVideo}, inf, 1, 0.0},
        {"C:\\m\\a.asf", {kVideo}, nan, 1, 30.0},
    };
    static const MediaFormatInfo zero = {};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.path << " " << c.rate);
        std::vector<FakeStream> streams = c.streams;
        for (FakeStream& stream : streams) stream.rate = stream.major == MEDIATYPE_Video ? c.rate : -1.0;
        detector.reported = 1;  // an MPEG splitter's count: one stream where two are
        memset(&info, 0xCD, sizeof(info));
        EXPECT_EQ(c.expected > 0, Probe(c.path, streams));
        EXPECT_EQ(c.asked ? c.asked + 1 : 0, TakeLog({"CreateMediaDetector", "put_CurrentStream"}).size());
        if (!c.asked) {
            EXPECT_EQ(0, memcmp(&zero, &info, sizeof(info)));
        } else if (c.streams[0].major == MEDIATYPE_Video) {
            EXPECT_EQ(c.expected, info.frameRate);
        }
    }
}

// No size, no path or no stream that may carry video asks for no picture; a grabber deeper than the
// 24-bit buffer (whose picture would be read past its end) gives none. Otherwise the first stream
// that may carry video gives its picture; a detector without frames (Wine's) is asked first, then
// our own graph is built.
TEST_F(FrameCaptureFake, TheFirstVideoStreamsPictureBecomesTheBitmap) {
    for (int size : {0, -1}) {
        EXPECT_EQ(nullptr, Grab(1000, size, 240)) << size;
        EXPECT_EQ(nullptr, Grab(1000, 320, size)) << size;
    }
    EXPECT_EQ(nullptr, Grab(0, 320, 240, nullptr));
    EXPECT_TRUE(TakeLog({"CreateMediaDetector"}).empty());
    detector.streams = {Stream(MEDIATYPE_Audio), Stream(MEDIATYPE_AnalogAudio)};
    EXPECT_EQ(nullptr, Grab(0, 320, 240));
    EXPECT_TRUE(TakeLog({"GetBitmapBits"}).empty());
    detector.streams = {Stream(MEDIATYPE_Video)};
    detector.bitCount = 32;
    EXPECT_EQ(nullptr, Grab(0, 4, 3));

    detector.bitCount = 24;
    detector.streams = {Stream(MEDIATYPE_Audio), Stream(MEDIATYPE_Interleaved), Stream(MEDIATYPE_Video)};
    TakeLog();
    ScopedGdiObject bitmap(Grab(1500, 4, 3));
    ASSERT_TRUE(bitmap.Get());
    EXPECT_EQ((Calls{"put_CurrentStream(0)", "put_CurrentStream(1)", "GetBitmapBits(buffer 1.500000 4x3)"}),
              TakeLog({"put_CurrentStream", "GetBitmapBits(buffer"}));
    std::vector<BYTE> pixels = Pixels24(bitmap.Bitmap(), 4, 3);
    for (size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(static_cast<BYTE>(i + 1), pixels[i]) << i;

    fakeResults = {{"GetBitmapBits", E_NOTIMPL}, {"CreateFilterGraph", E_FAIL}};
    detector.grabs = false;
    EXPECT_EQ(nullptr, Grab(2000, 320, 240));
    EXPECT_EQ(Calls{"CreateFilterGraph"}, TakeLog({"CreateFilterGraph"}));
}
