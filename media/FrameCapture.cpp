#include "media/FrameCapture.h"

#include <dshow.h>
#include <qedit.h>

#include <vector>

#include "framework/Scoped.h"
#include "media/BitmapLayout.h"
#include "media/FrameGrabbingDetector.h"
#include "media/PathText.h"
#include "media/directshow/ScopedMediaType.h"

namespace {
bool CarriesVideo(const GUID& major) {
    return major == MEDIATYPE_Video || major == MEDIATYPE_Stream || major == MEDIATYPE_Interleaved ||
           major == MEDIATYPE_MPEG2_PES || major == MEDIATYPE_AnalogVideo;
}

// Leaves the first stream that may carry video current.
bool ChooseVideoStream(IMediaDet* detector, LONG streams) {
    for (LONG i = 0; i < streams; ++i) {
        ScopedMediaType type;
        if (FAILED(detector->put_CurrentStream(i)) || FAILED(detector->get_StreamMediaType(type.Get()))) continue;
        if (CarriesVideo(type.Get()->majortype)) return true;
    }
    return false;
}

// The detector's bitmap buffer: filled by two calls, the first asking for its size.
bool ReadBitmapBits(IMediaDet* detector, double seconds, int width, int height, std::vector<BYTE>* buffer) {
    LONG size = 0;
    if (FAILED(detector->GetBitmapBits(seconds, &size, nullptr, width, height)) || size <= 0) return false;
    try {
        buffer->resize(static_cast<size_t>(size));
    } catch (...) {
        return false;
    }
    return SUCCEEDED(detector->GetBitmapBits(seconds, nullptr, reinterpret_cast<char*>(buffer->data()), width, height));
}

HBITMAP BitmapFromBuffer(IMediaDet* detector, const std::vector<BYTE>& buffer, int width, int height, HDC screenDc) {
    ScopedCom<ISampleGrabber> grabber;
    if (FAILED(detector->GetSampleGrabber(grabber.Out())) || !grabber) return nullptr;
    ScopedMediaType type;
    if (FAILED(grabber->GetConnectedMediaType(type.Get()))) return nullptr;
    const AM_MEDIA_TYPE& connected = *type.Get();
    // The bit count is read from the block only when the block holds it.
    if (!connected.pbFormat || connected.cbFormat < sizeof(VIDEOINFOHEADER)) return nullptr;
    WORD bitCount = reinterpret_cast<const VIDEOINFOHEADER*>(connected.pbFormat)->bmiHeader.biBitCount;
    // The platform reads width x height pixels at that depth from behind the header: the
    // detector's buffer must hold them all.
    uint32_t needed = DetectorBufferSize(width, height, bitCount);
    if (needed == 0 || needed > buffer.size()) return nullptr;

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bitCount;
    return CreateDIBitmap(screenDc, &header, CBM_INIT, buffer.data() + kBitmapInfoHeaderSize,
                          reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS);
}
}  // namespace

HBITMAP GrabFrame(const char* path, uint32_t positionMs, int width, int height, HDC screenDc) {
    double seconds = positionMs * 0.001;
    if (!path || width <= 0 || height <= 0) return nullptr;
    wchar_t widePath[MAX_PATH];
    if (!WidePath(path, widePath)) return nullptr;

    ScopedCom<IMediaDet> detector;
    if (FAILED(CreateFrameDetector(detector.Out())) || !detector) return nullptr;
    ScopedBstr name(SysAllocString(widePath));
    LONG streams = 0;
    if (!name.Get() || FAILED(detector->put_Filename(name.Get())) || FAILED(detector->get_OutputStreams(&streams)) ||
        streams <= 0)
        return nullptr;
    if (!ChooseVideoStream(detector.Get(), streams)) return nullptr;

    std::vector<BYTE> buffer;
    if (!ReadBitmapBits(detector.Get(), seconds, width, height, &buffer)) return nullptr;
    return BitmapFromBuffer(detector.Get(), buffer, width, height, screenDc);
}
