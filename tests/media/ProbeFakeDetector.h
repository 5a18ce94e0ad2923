#pragma once
// A media detector whose streams a test describes, and services that hand it out.
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "media/directshow/DirectShowServices.h"

// An object whose only job is to be released: stands for a media type's pUnk.
class ProbeCountedUnknown : public IUnknown {
public:
    int releases = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override {
        ++releases;
        return 1;
    }
};

struct ProbeFakeStream {
    GUID major = GUID_NULL;
    GUID format = GUID_NULL;
    std::vector<BYTE> block;  // the format block; its size is cbFormat
    double seconds = 0.0;
    double rate = 0.0;
    HRESULT selectResult = S_OK;
    HRESULT lengthResult = S_OK;
    HRESULT typeResult = S_OK;
    HRESULT rateResult = E_FAIL;
    bool throwOnLength = false;
    bool blockMissing = false;  // cbFormat announced, pbFormat null
};

// Every stream's format block comes from CoTaskMemAlloc, as the real detector's does.
class ProbeFakeDetector : public IMediaDet {
public:
    std::vector<ProbeFakeStream> streams;
    long reportedStreams = -1;  // -1: the number of streams
    HRESULT filenameResult = S_OK;
    HRESULT countResult = S_OK;
    std::vector<long> selected;  // every index put_CurrentStream was asked for
    std::wstring filename;
    int filenameCalls = 0;
    std::vector<void*> blocksHandedOut;
    ProbeCountedUnknown typeUnknown;
    int typesHandedOut = 0;
    long refs = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IMediaDet) {
            *out = static_cast<IMediaDet*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--refs); }

    HRESULT STDMETHODCALLTYPE get_Filter(IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Filter(IUnknown*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_OutputStreams(LONG* count) override {
        if (FAILED(countResult)) return countResult;
        *count = reportedStreams >= 0 ? reportedStreams : static_cast<LONG>(streams.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_CurrentStream(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_CurrentStream(LONG index) override {
        selected.push_back(index);
        if (index < 0 || index >= static_cast<LONG>(streams.size())) return E_INVALIDARG;
        current = index;
        return streams[current].selectResult;
    }
    HRESULT STDMETHODCALLTYPE get_StreamType(GUID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_StreamTypeB(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_StreamLength(double* seconds) override {
        const ProbeFakeStream& s = Current();
        if (s.throwOnLength) throw std::runtime_error("detector fault");
        if (FAILED(s.lengthResult)) return s.lengthResult;
        *seconds = s.seconds;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Filename(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Filename(BSTR name) override {
        ++filenameCalls;
        filename = name ? name : L"";
        return filenameResult;
    }
    HRESULT STDMETHODCALLTYPE GetBitmapBits(double, LONG*, char*, LONG, LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE WriteBitmapBits(double, LONG, LONG, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_StreamMediaType(AM_MEDIA_TYPE* type) override {
        const ProbeFakeStream& s = Current();
        if (FAILED(s.typeResult)) return s.typeResult;
        ZeroMemory(type, sizeof(*type));
        type->majortype = s.major;
        type->formattype = s.format;
        type->cbFormat = static_cast<ULONG>(s.block.size());
        if (!s.block.empty() && !s.blockMissing) {
            type->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(s.block.size()));
            memcpy(type->pbFormat, s.block.data(), s.block.size());
            blocksHandedOut.push_back(type->pbFormat);
        }
        type->pUnk = &typeUnknown;
        ++typesHandedOut;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetSampleGrabber(ISampleGrabber**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_FrameRate(double* rate) override {
        const ProbeFakeStream& s = Current();
        if (FAILED(s.rateResult)) return s.rateResult;
        *rate = s.rate;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnterBitmapGrabMode(double) override { return E_NOTIMPL; }

private:
    long current = 0;
    const ProbeFakeStream& Current() const { return streams.at(static_cast<size_t>(current)); }
};

class ProbeFakeServices : public DirectShowServices {
public:
    ProbeFakeDetector* detector = nullptr;  // null: creation fails
    int detectorsCreated = 0;
    int graphsCreated = 0;

    HRESULT CreateMediaDetector(IMediaDet** out) override {
        ++detectorsCreated;
        *out = nullptr;
        if (!detector) return REGDB_E_CLASSNOTREG;
        detector->AddRef();
        *out = detector;
        return S_OK;
    }
    HRESULT CreateFilterGraph(IGraphBuilder** out) override {
        ++graphsCreated;
        *out = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
};
