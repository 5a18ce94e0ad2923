#pragma once
// The media detector that still-frame capture uses: every call goes to the platform's detector,
// and where that answers E_NOTIMPL for GetBitmapBits or GetSampleGrabber (Wine's does), a
// private graph of our own answers as the platform's would: the picture at a time and size as a
// 40-byte BITMAPINFOHEADER and bottom-up 24-bit rows, and a grabber connected to 24-bit video.
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <string>

#include "framework/Scoped.h"
#include "media/FrameGrabGraph.h"
#include "media/directshow/DirectShowServices.h"

class FrameGrabbingDetector : public IMediaDet {
public:
    // Takes over the reference to platform; services make the private graph's parts.
    FrameGrabbingDetector(IMediaDet* platform, DirectShowServices& services);
    virtual ~FrameGrabbingDetector() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE get_Filter(IUnknown** filter) override;
    HRESULT STDMETHODCALLTYPE put_Filter(IUnknown* filter) override;
    HRESULT STDMETHODCALLTYPE get_OutputStreams(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_CurrentStream(LONG* index) override;
    HRESULT STDMETHODCALLTYPE put_CurrentStream(LONG index) override;
    HRESULT STDMETHODCALLTYPE get_StreamType(GUID* type) override;
    HRESULT STDMETHODCALLTYPE get_StreamTypeB(BSTR* type) override;
    HRESULT STDMETHODCALLTYPE get_StreamLength(double* seconds) override;
    HRESULT STDMETHODCALLTYPE get_Filename(BSTR* name) override;
    HRESULT STDMETHODCALLTYPE put_Filename(BSTR name) override;
    HRESULT STDMETHODCALLTYPE GetBitmapBits(double seconds, LONG* bufferSize, char* buffer, LONG width,
                                            LONG height) override;
    HRESULT STDMETHODCALLTYPE WriteBitmapBits(double seconds, LONG width, LONG height, BSTR name) override;
    HRESULT STDMETHODCALLTYPE get_StreamMediaType(AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE GetSampleGrabber(ISampleGrabber** grabber) override;
    HRESULT STDMETHODCALLTYPE get_FrameRate(double* rate) override;
    HRESULT STDMETHODCALLTYPE EnterBitmapGrabMode(double seconds) override;

private:
    bool OpenOwnGraph();
    HRESULT OwnBitmapBits(double seconds, LONG* bufferSize, char* buffer, LONG width, LONG height);

    long refs = 1;
    ScopedCom<IMediaDet> platform;
    DirectShowServices& services;
    std::wstring fileName;
    FrameGrabGraph ownGraph;
};

// The detector still-frame capture asks for pictures: the platform's (from the services in force),
// wrapped so that frames of our own answer wherever it has none.
HRESULT CreateFrameDetector(IMediaDet** detector);
