// The probe against a media detector whose streams each test describes.
#include <gtest/gtest.h>

#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <cstring>
#include <vector>

#include "media/MediaProbe.h"
#include "media/directshow/DirectShowServices.h"

namespace {
struct FakeStream {
    GUID major, format;
    ULONG blockSize;  // the format block holds 1, 2, 3, ...
    double seconds;
    double rate;  // negative: the detector knows none
};

#define PROBE_NOT_CALLED(signature) HRESULT STDMETHODCALLTYPE signature override { return E_NOTIMPL; }

// Also the services that hand it out. As the real detector does, it gives each format block from
// CoTaskMemAlloc and an AddRef'ed pUnk (itself): both are the caller's to give back.
class FakeDetector : public IMediaDet, public DirectShowServices {
public:
    std::vector<FakeStream> streams;
    long reported = -1;  // the stream count it claims; -1: the true one
    std::vector<long> selected;
    std::vector<void*> blocks;
    int created = 0;
    long refs = 1;

    HRESULT CreateMediaDetector(IMediaDet** out) override {
        ++created;
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--refs); }
    HRESULT STDMETHODCALLTYPE put_Filename(BSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE get_OutputStreams(LONG* count) override {
        *count = reported >= 0 ? reported : static_cast<LONG>(streams.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_CurrentStream(LONG index) override {
        selected.push_back(index);
        if (index >= static_cast<LONG>(streams.size())) return E_INVALIDARG;
        current = streams[static_cast<size_t>(index)];
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_StreamLength(double* seconds) override {
        *seconds = current.seconds;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_FrameRate(double* rate) override {
        *rate = current.rate;
        return current.rate < 0 ? E_NOTIMPL : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_StreamMediaType(AM_MEDIA_TYPE* type) override {
        ZeroMemory(type, sizeof(*type));
        type->majortype = current.major;
        type->formattype = current.format;
        type->cbFormat = current.blockSize;
        type->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(current.blockSize));
        for (ULONG i = 0; i < current.blockSize; ++i) type->pbFormat[i] = static_cast<BYTE>(i + 1);
        blocks.push_back(type->pbFormat);
        type->pUnk = this;
        AddRef();
        return S_OK;
    }
    PROBE_NOT_CALLED(QueryInterface(REFIID, void**))
    PROBE_NOT_CALLED(get_Filter(IUnknown**))
    PROBE_NOT_CALLED(put_Filter(IUnknown*))
    PROBE_NOT_CALLED(get_CurrentStream(LONG*))
    PROBE_NOT_CALLED(get_StreamType(GUID*))
    PROBE_NOT_CALLED(get_StreamTypeB(BSTR*))
    PROBE_NOT_CALLED(get_Filename(BSTR*))
    PROBE_NOT_CALLED(GetBitmapBits(double, LONG*, char*, LONG, LONG))
    PROBE_NOT_CALLED(WriteBitmapBits(double, LONG, LONG, BSTR))
    PROBE_NOT_CALLED(GetSampleGrabber(ISampleGrabber**))
    PROBE_NOT_CALLED(EnterBitmapGrabMode(double))

private:
    FakeStream current = {};
};

const FakeStream kVideo = {MEDIATYPE_Video, FORMAT_VideoInfo, 88, 4.0, 25.0};
const FakeStream kAudio = {MEDIATYPE_Audio, FORMAT_WaveFormatEx, 18, 4.5, -1.0};

class ProbeMediaFake : public ::testing::Test {
protected:
    FakeDetector detector;
    MediaFormatInfo info = {};

    void SetUp() override { SetDirectShowServices(&detector); }
    void TearDown() override {
        SetDirectShowServices(nullptr);
        // The detector and every pUnk it handed out are given back, whatever the verdict.
        EXPECT_EQ(1, detector.refs);
    }
    bool Probe(const char* path, const std::vector<FakeStream>& streams) {
        detector.streams = streams;
        detector.selected.clear();
        return ProbeMedia(path, &info);
    }
};
}  // namespace

TEST_F(ProbeMediaFake, RefusedExtensionsCreateNothingAndLeaveTheRecordZeroed) {
    static const MediaFormatInfo zero = {};
    for (const char* path : {"C:\\m\\clip.MOV", "setup.Exe", "C:\\m\\codec.dll"}) {
        memset(&info, 0xCD, sizeof(info));
        EXPECT_FALSE(Probe(path, {kVideo, kAudio})) << path;
        EXPECT_EQ(0, memcmp(&zero, &info, sizeof(info))) << path;
    }
    EXPECT_EQ(0, detector.created);
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
    EXPECT_EQ((std::vector<long>{0, 1}), detector.selected);
    EXPECT_FALSE(Probe("C:\\m\\song.mpeg", {kAudio}));
    EXPECT_TRUE(Probe("C:\\m\\movie.avi", {kVideo, kAudio}));
    EXPECT_EQ((std::vector<long>{0}), detector.selected);
}

TEST_F(ProbeMediaFake, AsfVideoWithoutFrameRatePlaysAtThirty) {
    FakeStream unknown = kVideo, slow = kVideo;
    unknown.rate = -1.0;
    slow.rate = 15.0;
    EXPECT_TRUE(Probe("C:\\m\\a.asf", {unknown}));
    EXPECT_DOUBLE_EQ(30.0, info.frameRate);
    EXPECT_TRUE(Probe("C:\\m\\a.WMV", {slow}));
    EXPECT_DOUBLE_EQ(15.0, info.frameRate);
    EXPECT_FALSE(Probe("C:\\m\\a.avi", {unknown}));
}

TEST_F(ProbeMediaFake, ANonFiniteFrameRateCountsAsNone) {
    for (double rate : {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        FakeStream odd = kVideo;
        odd.rate = rate;  // a platform dividing by a zero frame duration
        EXPECT_FALSE(Probe("C:\\m\\a.avi", {odd})) << rate;
        EXPECT_EQ(0.0, info.frameRate) << rate;
        EXPECT_TRUE(Probe("C:\\m\\a.asf", {odd})) << rate;
        EXPECT_DOUBLE_EQ(30.0, info.frameRate) << rate;
    }
}
