#include "media/FrameGrabbingDetector.h"

#include <cstring>
#include <new>
#include <vector>

#include "media/BitmapLayout.h"
#include "media/PictureScale.h"

FrameGrabbingDetector::FrameGrabbingDetector(IMediaDet* platformDetector, DirectShowServices& services)
    : platform(platformDetector), services(services) {}

HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IMediaDet) return E_NOINTERFACE;
    *out = static_cast<IMediaDet*>(this);
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE FrameGrabbingDetector::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs)); }

ULONG STDMETHODCALLTYPE FrameGrabbingDetector::Release() {
    long left = InterlockedDecrement(&refs);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::get_Filter(IUnknown** filter) { return platform->get_Filter(filter); }
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::put_Filter(IUnknown* filter) {
    fileName.clear();
    ownGraph.Close();
    return platform->put_Filter(filter);
}
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::get_OutputStreams(LONG* count) {
    return platform->get_OutputStreams(count);
}
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::get_CurrentStream(LONG* index) {
    return platform->get_CurrentStream(index);
}
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::put_CurrentStream(LONG index) {
    return platform->put_CurrentStream(index);
}
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::get_StreamType(GUID* type) { return platform->get_StreamType(type); }
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::get_StreamTypeB(BSTR* type) {
    return platform->get_StreamTypeB(type);
}
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::get_StreamLength(double* seconds) {
    return platform->get_StreamLength(seconds);
}
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::get_Filename(BSTR* name) { return platform->get_Filename(name); }

HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::put_Filename(BSTR name) {
    ownGraph.Close();
    HRESULT result = platform->put_Filename(name);
    fileName = SUCCEEDED(result) && name ? name : L"";
    return result;
}

HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::GetBitmapBits(double seconds, LONG* bufferSize, char* buffer,
                                                               LONG width, LONG height) {
    HRESULT result = platform->GetBitmapBits(seconds, bufferSize, buffer, width, height);
    if (result != E_NOTIMPL) return result;
    return OwnBitmapBits(seconds, bufferSize, buffer, width, height);
}

HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::WriteBitmapBits(double seconds, LONG width, LONG height, BSTR name) {
    return platform->WriteBitmapBits(seconds, width, height, name);
}
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::get_StreamMediaType(AM_MEDIA_TYPE* type) {
    return platform->get_StreamMediaType(type);
}

HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::GetSampleGrabber(ISampleGrabber** grabber) {
    HRESULT result = platform->GetSampleGrabber(grabber);
    if (result != E_NOTIMPL) return result;
    if (!grabber) return E_POINTER;
    *grabber = nullptr;
    if (!OpenOwnGraph()) return E_FAIL;
    return ownGraph.GetGrabber(grabber);
}

HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::get_FrameRate(double* rate) { return platform->get_FrameRate(rate); }
HRESULT STDMETHODCALLTYPE FrameGrabbingDetector::EnterBitmapGrabMode(double seconds) {
    return platform->EnterBitmapGrabMode(seconds);
}

bool FrameGrabbingDetector::OpenOwnGraph() {
    if (ownGraph.IsOpen()) return true;
    return !fileName.empty() && ownGraph.Open(services, fileName.c_str());
}

HRESULT FrameGrabbingDetector::OwnBitmapBits(double seconds, LONG* bufferSize, char* buffer, LONG width,
                                             LONG height) {
    uint32_t size = DetectorBufferSize(width, height, 24);
    if (size == 0) return E_INVALIDARG;
    if (!buffer) {
        // As the platform's: a call without a buffer only asks for its size.
        if (!bufferSize) return E_POINTER;
        *bufferSize = static_cast<LONG>(size);
        return S_OK;
    }
    if (bufferSize) *bufferSize = static_cast<LONG>(size);
    if (!OpenOwnGraph()) return E_FAIL;
    std::vector<BYTE> pixels;
    LONG frameWidth = 0, frameHeight = 0;
    bool topDown = false;
    if (!ownGraph.Grab(seconds, &pixels, &frameWidth, &frameHeight, &topDown)) return E_FAIL;

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = size - kBitmapInfoHeaderSize;
    memcpy(buffer, &header, sizeof(header));
    BYTE* target = reinterpret_cast<BYTE*>(buffer) + sizeof(header);
    memset(target, 0, header.biSizeImage);
    ScalePicture24(pixels.data(), frameWidth, frameHeight, BitmapRowStride(frameWidth, 24), topDown, target, width,
                   height, BitmapRowStride(width, 24));
    return S_OK;
}

HRESULT CreateFrameDetector(IMediaDet** detector) {
    if (!detector) return E_POINTER;
    *detector = nullptr;
    DirectShowServices& services = CurrentDirectShowServices();
    ScopedCom<IMediaDet> platform;
    HRESULT result = services.CreateMediaDetector(platform.Out());
    if (FAILED(result) || !platform) return FAILED(result) ? result : E_FAIL;
    *detector = new (std::nothrow) FrameGrabbingDetector(platform.Get(), services);
    if (!*detector) return E_OUTOFMEMORY;
    platform.Detach();  // the wrapper holds it now
    return S_OK;
}
