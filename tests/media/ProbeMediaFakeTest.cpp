// The probe against a detector whose streams each test describes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "media/MediaProbe.h"
#include "media/directshow/DirectShowServices.h"
#include "ProbeFakeDetector.h"
#include "ProbeMallocSpy.h"

namespace {
ProbeFakeStream Audio(double seconds) {
    ProbeFakeStream s;
    s.major = MEDIATYPE_Audio;
    s.format = FORMAT_WaveFormatEx;
    s.block.assign(18, 0x11);
    s.seconds = seconds;
    return s;
}

ProbeFakeStream Video(double seconds, double rate) {
    ProbeFakeStream s;
    s.major = MEDIATYPE_Video;
    s.format = FORMAT_VideoInfo;
    s.block.assign(88, 0x22);
    s.seconds = seconds;
    s.rate = rate;
    s.rateResult = S_OK;
    return s;
}

ProbeFakeStream VideoWithoutRate(double seconds) {
    ProbeFakeStream s = Video(seconds, 0.0);
    s.rateResult = E_NOTIMPL;
    return s;
}

std::vector<BYTE> Counting(size_t size, BYTE first) {
    std::vector<BYTE> block(size);
    for (size_t i = 0; i < size; ++i) block[i] = static_cast<BYTE>(first + i);
    return block;
}

bool AllZero(const BYTE* bytes, size_t size) {
    return std::all_of(bytes, bytes + size, [](BYTE b) { return b == 0; });
}

class ProbeMediaFake : public ::testing::Test {
protected:
    ProbeFakeDetector detector;
    ProbeFakeServices services;
    MediaFormatInfo info;

    void SetUp() override {
        services.detector = &detector;
        SetDirectShowServices(&services);
        memset(&info, 0xCD, sizeof(info));
    }
    void TearDown() override {
        SetDirectShowServices(nullptr);
        // Whatever the outcome, the probe gives its detector back.
        EXPECT_EQ(1, detector.refs);
    }
    bool Probe(const char* path) { return ProbeMedia(path, &info); }
};
}  // namespace

TEST_F(ProbeMediaFake, RefusedExtensionsCreateNoObjectAndLeaveTheRecordZeroed) {
    detector.streams = {Video(2.0, 25.0), Audio(2.0)};
    for (const char* path : {"C:\\m\\clip.MOV", "C:\\m\\setup.Exe", "C:\\m\\codec.dll", "clip.mov"}) {
        memset(&info, 0xCD, sizeof(info));
        EXPECT_FALSE(Probe(path)) << path;
        MediaFormatInfo zero = {};
        EXPECT_EQ(0, memcmp(&zero, &info, sizeof(info))) << path;
    }
    EXPECT_EQ(0, services.detectorsCreated);
    EXPECT_EQ(0, services.graphsCreated);

    // A refused extension on a folder name is no refusal; neither is a missing extension.
    EXPECT_TRUE(Probe("C:\\movies.mov\\clip"));
    EXPECT_EQ(1, services.detectorsCreated);
    EXPECT_EQ(L"C:\\movies.mov\\clip", detector.filename);

    EXPECT_FALSE(ProbeMedia(nullptr, &info));
    EXPECT_FALSE(ProbeMedia("a.avi", nullptr));
    EXPECT_EQ(1, services.detectorsCreated);
}


TEST_F(ProbeMediaFake, VideoAndAudioFillTheRecord) {
    ProbeFakeStream video = Video(2.5, 29.97);
    ProbeFakeStream audio = Audio(3.2);
    audio.block = Counting(18, 1);
    detector.streams = {video, audio};
    ASSERT_TRUE(Probe("C:\\m\\clip.avi"));
    EXPECT_EQ(3200u, info.lengthMs);
    EXPECT_EQ(1, info.hasAudio);
    EXPECT_EQ(1, info.hasVideo);
    EXPECT_DOUBLE_EQ(29.97, info.frameRate);
    EXPECT_EQ(1, info.hasWaveFormat);
    EXPECT_EQ(0, memcmp(audio.block.data(), info.waveFormat, 18));
    EXPECT_EQ(1, info.hasVideoInfo);
    EXPECT_EQ(0, info.hasVideoInfo2);
    EXPECT_TRUE(AllZero(info.videoInfo2, sizeof(info.videoInfo2)));
    EXPECT_EQ((std::vector<long>{0, 1}), detector.selected);
}

TEST_F(ProbeMediaFake, MpegWithOneStreamIsAlsoProbedAtTheSecondIndex) {
    detector.streams = {Video(4.0, 25.0), Audio(4.0)};
    detector.reportedStreams = 1;
    EXPECT_TRUE(Probe("C:\\m\\movie.MPG"));
    EXPECT_EQ((std::vector<long>{0, 1}), detector.selected);
    EXPECT_EQ(1, info.hasAudio);

    detector.selected.clear();
    EXPECT_TRUE(Probe("C:\\m\\movie.mpeg"));
    EXPECT_EQ((std::vector<long>{0, 1}), detector.selected);

    // Only MPEG names get the second look; a second index that fails is passed over.
    detector.selected.clear();
    EXPECT_TRUE(Probe("C:\\m\\movie.avi"));
    EXPECT_EQ((std::vector<long>{0}), detector.selected);
    EXPECT_EQ(0, info.hasAudio);

    detector.streams = {Video(4.0, 25.0)};
    detector.selected.clear();
    EXPECT_TRUE(Probe("C:\\m\\movie.mpg"));
    EXPECT_EQ((std::vector<long>{0, 1}), detector.selected);
}

TEST_F(ProbeMediaFake, AudioOnlyIsRefusedForMpegNamesOnly) {
    detector.streams = {Audio(2.0)};
    EXPECT_FALSE(Probe("C:\\m\\song.mpg"));
    EXPECT_EQ(1, info.hasAudio);
    EXPECT_EQ(2000u, info.lengthMs);
    EXPECT_TRUE(Probe("C:\\m\\song.mp3"));
    EXPECT_EQ(0, info.hasVideo);
}

TEST_F(ProbeMediaFake, AsfVideoWithoutFrameRateGetsThirty) {
    for (const char* path : {"C:\\m\\a.asf", "C:\\m\\a.WMV"}) {
        detector.streams = {VideoWithoutRate(5.0)};
        EXPECT_TRUE(Probe(path)) << path;
        EXPECT_DOUBLE_EQ(30.0, info.frameRate) << path;
        // A reported rate of zero is no usable rate either.
        detector.streams = {Video(5.0, 0.0)};
        EXPECT_TRUE(Probe(path)) << path;
        EXPECT_DOUBLE_EQ(30.0, info.frameRate) << path;
    }
    // A usable rate is kept.
    detector.streams = {Video(5.0, 15.0)};
    EXPECT_TRUE(Probe("C:\\m\\a.wmv"));
    EXPECT_DOUBLE_EQ(15.0, info.frameRate);
}

TEST_F(ProbeMediaFake, VideoWithoutFrameRateIsRefusedUnlessItHasNoLength) {
    detector.streams = {VideoWithoutRate(5.0)};
    EXPECT_FALSE(Probe("C:\\m\\a.avi"));
    EXPECT_EQ(1, info.hasVideo);
    EXPECT_EQ(5000u, info.lengthMs);

    detector.streams = {VideoWithoutRate(0.0)};
    EXPECT_TRUE(Probe("C:\\m\\a.avi"));
    EXPECT_EQ(0u, info.lengthMs);
}

TEST_F(ProbeMediaFake, AudioWithoutLengthIsRefusedEvenWithVideo) {
    detector.streams = {Video(0.0, 25.0), Audio(0.0)};
    EXPECT_FALSE(Probe("C:\\m\\a.avi"));
    EXPECT_EQ(1, info.hasVideo);
    EXPECT_EQ(1, info.hasAudio);
}

TEST_F(ProbeMediaFake, MajorTypesDecideTheKind) {
    for (GUID major : {MEDIATYPE_Stream, MEDIATYPE_Interleaved, MEDIATYPE_AnalogVideo, MEDIATYPE_MPEG2_PES}) {
        ProbeFakeStream s = Video(3.0, 24.0);
        s.major = major;
        detector.streams = {s};
        EXPECT_TRUE(Probe("C:\\m\\a.dat"));
        EXPECT_EQ(1, info.hasAudio);
        EXPECT_EQ(1, info.hasVideo);
        EXPECT_DOUBLE_EQ(24.0, info.frameRate);
    }
    ProbeFakeStream analogAudio = Audio(1.0);
    analogAudio.major = MEDIATYPE_AnalogAudio;
    detector.streams = {analogAudio};
    EXPECT_TRUE(Probe("C:\\m\\a.dat"));
    EXPECT_EQ(1, info.hasAudio);
    EXPECT_EQ(0, info.hasVideo);

    // Other kinds are no media, though their length and format block are still read.
    ProbeFakeStream text = Audio(10.0);
    text.major = MEDIATYPE_Text;
    detector.streams = {text};
    EXPECT_FALSE(Probe("C:\\m\\a.avi"));
    EXPECT_EQ(10000u, info.lengthMs);
    EXPECT_EQ(1, info.hasWaveFormat);
}


TEST_F(ProbeMediaFake, FormatBlocksAreCutToTheirRecordSlots) {
    ProbeFakeStream audio = Audio(1.0);
    audio.block = Counting(40, 1);  // WAVEFORMATEX with extra codec data
    ProbeFakeStream video = Video(1.0, 25.0);
    video.block = Counting(120, 2);
    ProbeFakeStream video2 = Video(1.0, 25.0);
    video2.format = FORMAT_VideoInfo2;
    video2.block = Counting(200, 3);
    detector.streams = {audio, video, video2};
    ASSERT_TRUE(Probe("C:\\m\\a.webm"));
    EXPECT_EQ(0, memcmp(audio.block.data(), info.waveFormat, 18));
    EXPECT_EQ(1, info.hasWaveFormat);
    EXPECT_EQ(0, memcmp(video.block.data(), info.videoInfo, 88));
    EXPECT_EQ(0, memcmp(video2.block.data(), info.videoInfo2, 112));
    EXPECT_EQ(1, info.hasVideoInfo);
    EXPECT_EQ(1, info.hasVideoInfo2);

    // A type that announces a block without one has nothing to copy.
    audio.blockMissing = true;
    detector.streams = {audio};
    EXPECT_TRUE(Probe("C:\\m\\a.wav"));
    EXPECT_EQ(0, info.hasWaveFormat);
}

TEST_F(ProbeMediaFake, TheLaterStreamOfAFormatWins) {
    ProbeFakeStream first = Audio(1.0);
    first.block = Counting(18, 10);
    ProbeFakeStream second = Audio(1.0);
    second.block = Counting(14, 50);  // a plain WAVEFORMAT: the rest of the slot reads zero
    detector.streams = {first, second};
    ASSERT_TRUE(Probe("C:\\m\\a.avi"));
    EXPECT_EQ(0, memcmp(second.block.data(), info.waveFormat, 14));
    EXPECT_TRUE(AllZero(info.waveFormat + 14, 4));
}


TEST_F(ProbeMediaFake, EveryMediaTypeIsGivenBack) {
    ProbeFakeStream other = Audio(1.0);
    other.major = MEDIATYPE_Text;
    detector.streams = {Video(1.0, 25.0), Audio(1.0), other};
    ProbeMallocSpy& spy = ProbeMallocSpy::Start();
    EXPECT_TRUE(Probe("C:\\m\\a.avi"));
    ProbeMallocSpy::Stop();
    EXPECT_EQ(3, detector.typesHandedOut);
    EXPECT_EQ(3, detector.typeUnknown.releases);
    ASSERT_EQ(3u, detector.blocksHandedOut.size());
    // A freed block's address may come back for the next stream, so count per address.
    for (void* block : detector.blocksHandedOut) {
        auto handed = std::count(detector.blocksHandedOut.begin(), detector.blocksHandedOut.end(), block);
        EXPECT_EQ(handed, std::count(spy.freed.begin(), spy.freed.end(), block));
    }
}

TEST_F(ProbeMediaFake, FailingStreamCallsSkipOnlyThatStep) {
    ProbeFakeStream unselectable = Video(9.0, 25.0);
    unselectable.selectResult = E_FAIL;
    ProbeFakeStream noType = Video(4.0, 25.0);
    noType.typeResult = E_FAIL;  // its length still counts
    ProbeFakeStream noLength = Audio(0.0);
    noLength.lengthResult = E_FAIL;
    noLength.seconds = 7.0;
    ProbeFakeStream audio = Audio(2.0);
    detector.streams = {unselectable, noType, noLength, audio};
    EXPECT_TRUE(Probe("C:\\m\\a.avi"));
    EXPECT_EQ(4000u, info.lengthMs);
    EXPECT_EQ(0, info.hasVideo);
    EXPECT_EQ(1, info.hasAudio);
}

TEST_F(ProbeMediaFake, DetectorFailuresRefuseTheFile) {
    detector.streams = {Video(1.0, 25.0)};
    detector.filenameResult = E_FAIL;
    EXPECT_FALSE(Probe("C:\\m\\a.avi"));
    EXPECT_TRUE(detector.selected.empty());

    detector.filenameResult = S_OK;
    detector.countResult = E_FAIL;
    EXPECT_FALSE(Probe("C:\\m\\a.avi"));
    EXPECT_TRUE(detector.selected.empty());

    detector.countResult = S_OK;
    std::string overlong = "C:\\" + std::string(300, 'x') + ".avi";
    EXPECT_FALSE(Probe(overlong.c_str()));
    EXPECT_EQ(2, detector.filenameCalls);

    ProbeFakeStream faulty = Audio(1.0);
    faulty.throwOnLength = true;
    detector.streams = {Video(1.0, 25.0), faulty};
    EXPECT_FALSE(Probe("C:\\m\\a.avi"));
    EXPECT_EQ(1, info.hasVideo);

    services.detector = nullptr;
    EXPECT_FALSE(Probe("C:\\m\\a.avi"));
    EXPECT_EQ(5, services.detectorsCreated);
}


TEST_F(ProbeMediaFake, LengthIsTruncatedAndHeldWithinRange) {
    detector.streams = {Audio(1.0009)};
    EXPECT_TRUE(Probe("C:\\m\\a.wav"));
    EXPECT_EQ(1000u, info.lengthMs);
    detector.streams = {Audio(1e9)};
    EXPECT_TRUE(Probe("C:\\m\\a.wav"));
    EXPECT_EQ(0xFFFFFFFFu, info.lengthMs);
}

