// GrabFrame against a media detector that answers as the platform's does, and one that, like
// Wine's, cannot give frames.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/Scoped.h"
#include "media/FakeGraph.h"
#include "media/FrameCapture.h"
#include "support/TestSupport.h"

namespace {
// Answers GetConnectedMediaType with a VIDEOINFOHEADER of the given bit count.
struct FakeGrabber : ISampleGrabber {
    WORD bitCount = 24;
    long refs = 1;
    STDMETHOD_(ULONG, AddRef)() override { return static_cast<ULONG>(++refs); }
    STDMETHOD_(ULONG, Release)() override { return static_cast<ULONG>(--refs); }
    STDMETHOD(GetConnectedMediaType)(AM_MEDIA_TYPE* type) override {
        type->majortype = MEDIATYPE_Video;
        type->formattype = FORMAT_VideoInfo;
        type->cbFormat = sizeof(VIDEOINFOHEADER);
        type->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(type->cbFormat));
        ZeroMemory(type->pbFormat, type->cbFormat);
        reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat)->bmiHeader.biBitCount = bitCount;
        return S_OK;
    }
    FAKE_STUB(QueryInterface, (REFIID, void**)) FAKE_STUB(SetOneShot, (BOOL))
    FAKE_STUB(SetMediaType, (const AM_MEDIA_TYPE*)) FAKE_STUB(SetBufferSamples, (BOOL))
    FAKE_STUB(GetCurrentBuffer, (LONG*, LONG*)) FAKE_STUB(GetCurrentSample, (IMediaSample**))
    FAKE_STUB(SetCallback, (ISampleGrabberCB*, LONG))
};

FakeStream Stream(GUID major) { return {major, GUID_NULL, 8, 1.0, 25.0}; }

class FrameCaptureFake : public ::testing::Test {
protected:
    FakeGraph services;
    FakeGrabber grabber;
    void SetUp() override {
        services.detector.streams = {Stream(MEDIATYPE_Audio), Stream(MEDIATYPE_Video)};
        services.detector.grabber = &grabber;
        SetDirectShowServices(&services);
    }
    void TearDown() override {
        SetDirectShowServices(nullptr);
        // The detector and the grabber are given back on every path.
        EXPECT_EQ(0u, services.detector.refs);
        EXPECT_EQ(1, grabber.refs);
    }
    HBITMAP Grab(uint32_t ms, int width, int height) {
        ScopedGetDC screen(nullptr);
        return GrabFrame("C:\\m\\clip.avi", ms, width, height, screen);
    }
    // The logged calls that start with one of the prefixes.
    static Calls Only(std::initializer_list<const char*> prefixes) {
        Calls found;
        for (const std::string& call : TakeLog())
            for (const char* prefix : prefixes)
                if (call.rfind(prefix, 0) == 0) found.push_back(call);
        return found;
    }
};
}  // namespace

TEST_F(FrameCaptureFake, NoPictureSizeMakesNoObject) {
    const int sizes[][2] = {{0, 240}, {320, 0}, {-320, 240}, {320, -1}};
    for (const auto& size : sizes) EXPECT_EQ(nullptr, Grab(1000, size[0], size[1])) << size[0] << "x" << size[1];
    ScopedGetDC screen(nullptr);
    EXPECT_EQ(nullptr, GrabFrame(nullptr, 0, 320, 240, screen));
    EXPECT_TRUE(Only({"CreateMediaDetector"}).empty());
}

TEST_F(FrameCaptureFake, FirstVideoStreamsPictureBecomesTheBitmap) {
    services.detector.streams = {Stream(MEDIATYPE_Audio), Stream(MEDIATYPE_Interleaved), Stream(MEDIATYPE_Video)};
    ScopedGdiObject bitmap(Grab(1500, 4, 3));
    ASSERT_TRUE(bitmap.Get());
    EXPECT_EQ((Calls{"put_CurrentStream(0)", "put_CurrentStream(1)", "GetBitmapBits(size 1.500000 4x3)",
                     "GetBitmapBits(buffer 1.500000 4x3)"}),
              Only({"put_CurrentStream", "GetBitmapBits"}));
    std::vector<BYTE> pixels = Pixels24(bitmap.Bitmap(), 4, 3);
    for (size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(static_cast<BYTE>(i + 1), pixels[i]) << i;
}

TEST_F(FrameCaptureFake, NoPictureWithoutVideoOrWithAGrabberDeeperThanTheBuffer) {
    services.detector.streams = {Stream(MEDIATYPE_Audio), Stream(MEDIATYPE_AnalogAudio)};
    EXPECT_EQ(nullptr, Grab(0, 320, 240));
    EXPECT_TRUE(Only({"GetBitmapBits"}).empty());
    // 32-bit pixels would be read from a buffer that holds 24-bit ones.
    services.detector.streams = {Stream(MEDIATYPE_Video)};
    grabber.bitCount = 32;
    EXPECT_EQ(nullptr, Grab(0, 320, 240));
}

TEST_F(FrameCaptureFake, ADetectorWithoutFramesIsAskedFirstThenOurOwnGraphIsBuilt) {
    fakeResults = {{"GetBitmapBits", E_NOTIMPL}, {"CreateFilterGraph", E_FAIL}};
    services.detector.grabber = nullptr;
    services.detector.streams = {Stream(MEDIATYPE_Video)};
    EXPECT_EQ(nullptr, Grab(2000, 320, 240));
    EXPECT_EQ((Calls{"GetBitmapBits(size 2.000000 320x240)", "GetBitmapBits(buffer 2.000000 320x240)",
                     "CreateFilterGraph"}),
              Only({"GetBitmapBits", "CreateFilterGraph"}));
}
