// GrabFrame against a media detector that answers as the platform's does, and one that, like
// Wine's, cannot give frames.
#include <gtest/gtest.h>

#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/Scoped.h"
#include "media/FrameCapture.h"
#include "media/directshow/DirectShowServices.h"
#include "support/TestSupport.h"

namespace {
#define GRAB_NOT_CALLED(signature) HRESULT STDMETHODCALLTYPE signature override { return E_NOTIMPL; }

// Answers GetConnectedMediaType with a VIDEOINFOHEADER of the given bit count.
class FakeGrabber : public ISampleGrabber {
public:
    WORD bitCount = 24;
    long refs = 1;
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--refs); }
    HRESULT STDMETHODCALLTYPE GetConnectedMediaType(AM_MEDIA_TYPE* type) override {
        type->majortype = MEDIATYPE_Video;
        type->formattype = FORMAT_VideoInfo;
        type->cbFormat = sizeof(VIDEOINFOHEADER);
        type->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(type->cbFormat));
        ZeroMemory(type->pbFormat, type->cbFormat);
        reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat)->bmiHeader.biBitCount = bitCount;
        return S_OK;
    }
    GRAB_NOT_CALLED(QueryInterface(REFIID, void**))
    GRAB_NOT_CALLED(SetOneShot(BOOL))
    GRAB_NOT_CALLED(SetMediaType(const AM_MEDIA_TYPE*))
    GRAB_NOT_CALLED(SetBufferSamples(BOOL))
    GRAB_NOT_CALLED(GetCurrentBuffer(LONG*, LONG*))
    GRAB_NOT_CALLED(GetCurrentSample(IMediaSample**))
    GRAB_NOT_CALLED(SetCallback(ISampleGrabberCB*, LONG))
};

// Each stream is a major type; the picture is a width x height run of 24-bit pixels whose bytes
// count 1, 2, 3, ... Also the services that hand the detector out.
class FakeDetector : public IMediaDet, public DirectShowServices {
public:
    std::vector<GUID> streams = {MEDIATYPE_Audio, MEDIATYPE_Video};
    bool givesFrames = true;  // false: E_NOTIMPL, as Wine's detector
    FakeGrabber grabber;
    std::vector<std::string> calls;
    int created = 0, graphsAsked = 0;
    long refs = 1;

    HRESULT CreateMediaDetector(IMediaDet** out) override {
        ++created;
        *out = this;
        AddRef();
        return S_OK;
    }
    HRESULT CreateFilterGraph(IGraphBuilder** graph) override {
        ++graphsAsked;
        *graph = nullptr;
        return E_FAIL;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--refs); }
    HRESULT STDMETHODCALLTYPE put_Filename(BSTR name) override {
        calls.push_back("put_Filename");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_OutputStreams(LONG* count) override {
        calls.push_back("get_OutputStreams");
        *count = static_cast<LONG>(streams.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_CurrentStream(LONG index) override {
        calls.push_back("put_CurrentStream " + std::to_string(index));
        current = index;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_StreamMediaType(AM_MEDIA_TYPE* type) override {
        calls.push_back("get_StreamMediaType");
        ZeroMemory(type, sizeof(*type));
        type->majortype = streams[static_cast<size_t>(current)];
        type->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(8));
        type->cbFormat = 8;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetBitmapBits(double seconds, LONG* size, char* buffer, LONG width,
                                            LONG height) override {
        calls.push_back(std::string("GetBitmapBits ") + (buffer ? "buffer " : "size ") + std::to_string(seconds) +
                        " " + std::to_string(width) + "x" + std::to_string(height));
        if (!givesFrames) return E_NOTIMPL;
        LONG stride = (width * 3 + 3) / 4 * 4;
        if (!buffer) {
            *size = 40 + stride * height;
            return S_OK;
        }
        BITMAPINFOHEADER header = {sizeof(header), width, height, 1, 24};
        memcpy(buffer, &header, sizeof(header));
        for (LONG i = 0; i < stride * height; ++i) buffer[40 + i] = static_cast<char>(i + 1);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetSampleGrabber(ISampleGrabber** out) override {
        calls.push_back("GetSampleGrabber");
        if (!givesFrames) return E_NOTIMPL;
        *out = &grabber;
        grabber.AddRef();
        return S_OK;
    }
    GRAB_NOT_CALLED(QueryInterface(REFIID, void**))
    GRAB_NOT_CALLED(get_Filter(IUnknown**))
    GRAB_NOT_CALLED(put_Filter(IUnknown*))
    GRAB_NOT_CALLED(get_CurrentStream(LONG*))
    GRAB_NOT_CALLED(get_StreamType(GUID*))
    GRAB_NOT_CALLED(get_StreamTypeB(BSTR*))
    GRAB_NOT_CALLED(get_StreamLength(double*))
    GRAB_NOT_CALLED(get_Filename(BSTR*))
    GRAB_NOT_CALLED(WriteBitmapBits(double, LONG, LONG, BSTR))
    GRAB_NOT_CALLED(get_FrameRate(double*))
    GRAB_NOT_CALLED(EnterBitmapGrabMode(double))

private:
    LONG current = 0;
};

class FrameCaptureFake : public ::testing::Test {
protected:
    FakeDetector detector;
    void SetUp() override { SetDirectShowServices(&detector); }
    void TearDown() override {
        SetDirectShowServices(nullptr);
        // The detector and the grabber are given back on every path.
        EXPECT_EQ(1, detector.refs);
        EXPECT_EQ(1, detector.grabber.refs);
    }
    HBITMAP Grab(uint32_t ms, int width, int height) {
        ScopedGetDC screen(nullptr);
        return GrabFrame("C:\\m\\clip.avi", ms, width, height, screen);
    }
};

}  // namespace

TEST_F(FrameCaptureFake, NoPictureSizeMakesNoObject) {
    const int sizes[][2] = {{0, 240}, {320, 0}, {-320, 240}, {320, -1}};
    for (const auto& size : sizes) EXPECT_EQ(nullptr, Grab(1000, size[0], size[1])) << size[0] << "x" << size[1];
    ScopedGetDC screen(nullptr);
    EXPECT_EQ(nullptr, GrabFrame(nullptr, 0, 320, 240, screen));
    EXPECT_EQ(0, detector.created);
}

TEST_F(FrameCaptureFake, FirstVideoStreamsPictureBecomesTheBitmap) {
    detector.streams = {MEDIATYPE_Audio, MEDIATYPE_Interleaved, MEDIATYPE_Video};
    ScopedGdiObject bitmap(Grab(1500, 4, 3));
    ASSERT_TRUE(bitmap.Get());
    EXPECT_EQ((std::vector<std::string>{"put_Filename", "get_OutputStreams", "put_CurrentStream 0",
                                        "get_StreamMediaType", "put_CurrentStream 1", "get_StreamMediaType",
                                        "GetBitmapBits size 1.500000 4x3", "GetBitmapBits buffer 1.500000 4x3",
                                        "GetSampleGrabber"}),
              detector.calls);
    std::vector<BYTE> pixels = Pixels24(bitmap.Bitmap(), 4, 3);
    for (size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(static_cast<BYTE>(i + 1), pixels[i]) << i;
}

TEST_F(FrameCaptureFake, NoPictureWithoutVideoOrWithAGrabberDeeperThanTheBuffer) {
    detector.streams = {MEDIATYPE_Audio, MEDIATYPE_AnalogAudio};
    EXPECT_EQ(nullptr, Grab(0, 320, 240));
    EXPECT_EQ(0u, std::count(detector.calls.begin(), detector.calls.end(), "GetSampleGrabber"));
    // 32-bit pixels would be read from a buffer that holds 24-bit ones.
    detector.streams = {MEDIATYPE_Video};
    detector.grabber.bitCount = 32;
    EXPECT_EQ(nullptr, Grab(0, 320, 240));
}

TEST_F(FrameCaptureFake, ADetectorWithoutFramesIsAskedFirstThenOurOwnGraphIsBuilt) {
    detector.givesFrames = false;
    detector.streams = {MEDIATYPE_Video};
    EXPECT_EQ(nullptr, Grab(2000, 320, 240));  // these services make no graph
    EXPECT_EQ(2, std::count_if(detector.calls.begin(), detector.calls.end(),
                               [](const std::string& call) { return call.rfind("GetBitmapBits", 0) == 0; }));
    EXPECT_EQ(1, detector.graphsAsked);
}
