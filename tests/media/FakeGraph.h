#pragma once
// Stand-ins for a filter graph, its filters and pins. The test owns every one of them (a release
// never deletes anything); each counts the references it handed out, and the calls that matter
// are written, in order, into one log.
#include <windows.h>
#include <dshow.h>

#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <qedit.h>

#include "media/directshow/DirectShowServices.h"

using Calls = std::vector<std::string>;
inline Calls fakeLog;
// The probe and the render call their objects from two workers at once.
inline std::mutex fakeLogLock;
// Results by call name (the logged text up to its "("); S_OK for any call not named here.
inline std::map<std::string, HRESULT> fakeResults;

inline void FakeNote(const std::string& call) {
    std::lock_guard<std::mutex> hold(fakeLogLock);
    fakeLog.push_back(call);
}
inline HRESULT FakeCall(const std::string& call) {
    FakeNote(call);
    auto found = fakeResults.find(call.substr(0, call.find('(')));
    return found == fakeResults.end() ? S_OK : found->second;
}
// The calls made since the last look; or only those that start with one of the prefixes.
inline Calls TakeLog() {
    std::lock_guard<std::mutex> hold(fakeLogLock);
    return std::exchange(fakeLog, {});
}
inline Calls TakeLog(std::initializer_list<const char*> prefixes) {
    Calls found;
    for (const std::string& call : TakeLog())
        for (const char* prefix : prefixes)
            if (call.rfind(prefix, 0) == 0) found.push_back(call);
    return found;
}

// What the fakes hand out from CoTaskMemAlloc for the caller to free, watched through the memory
// spy, which hears every CoTaskMemFree: Unfreed() counts what is not yet freed, and forgets it.
// Without the spy nothing is heard freed, and every check fails. It lives as long as the process.
struct FreeWatch : IMallocSpy {
    std::set<void*> live;
    STDMETHOD(QueryInterface)(REFIID, void** out) override { *out = this; return S_OK; }
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD_(void*, PreFree)(void* block, BOOL) override {
        std::lock_guard<std::mutex> hold(fakeLogLock);
        live.erase(block);
        return block;
    }
    STDMETHOD_(SIZE_T, PreAlloc)(SIZE_T size) override { return size; }
    STDMETHOD_(void*, PostAlloc)(void* block) override { return block; }
    STDMETHOD_(void, PostFree)(BOOL) override {}
    STDMETHOD_(SIZE_T, PreRealloc)(void* block, SIZE_T size, void** out, BOOL) override { *out = block; return size; }
    STDMETHOD_(void*, PostRealloc)(void* block, BOOL) override { return block; }
    STDMETHOD_(void*, PreGetSize)(void* block, BOOL) override { return block; }
    STDMETHOD_(SIZE_T, PostGetSize)(SIZE_T size, BOOL) override { return size; }
    STDMETHOD_(void*, PreDidAlloc)(void* block, BOOL) override { return block; }
    STDMETHOD_(int, PostDidAlloc)(void*, BOOL, int actual) override { return actual; }
    STDMETHOD_(void, PreHeapMinimize)() override {}
    STDMETHOD_(void, PostHeapMinimize)() override {}
};
inline FreeWatch freeWatch;
inline void* FakeTaskMemAlloc(size_t bytes) {
    static const HRESULT spy = CoRegisterMallocSpy(&freeWatch);  // once, before the first block
    (void)spy;
    void* block = CoTaskMemAlloc(bytes);
    std::lock_guard<std::mutex> hold(fakeLogLock);
    freeWatch.live.insert(block);
    return block;
}
inline size_t Unfreed() {
    std::lock_guard<std::mutex> hold(fakeLogLock);
    return std::exchange(freeWatch.live, {}).size();
}

// Methods the code under test never calls.
#define FAKE_STUB(name, args) \
    STDMETHOD(name) args override { return E_NOTIMPL; }
#define FAKE_PROPERTY_STUBS(name) FAKE_STUB(put_##name, (long)) FAKE_STUB(get_##name, (long*))
#define FAKE_DISPATCH_STUBS                                                                                      \
    FAKE_STUB(GetTypeInfoCount, (UINT*)) FAKE_STUB(GetTypeInfo, (UINT, LCID, ITypeInfo**))                     \
    FAKE_STUB(GetIDsOfNames, (REFIID, LPOLESTR*, UINT, LCID, DISPID*))                                         \
    FAKE_STUB(Invoke, (DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*))
#define FAKE_REFS                                               \
    STDMETHOD_(ULONG, AddRef)() override { return ++refs; } \
    STDMETHOD_(ULONG, Release)() override { return Released(); }
// "QueryInterface:<name>" can be made to fail.
#define FAKE_UNKNOWN(iid)                                                                       \
    STDMETHOD(QueryInterface)(REFIID riid, void** out) override {                               \
        return Answer(riid == iid && SUCCEEDED(FakeCall("QueryInterface:" + name)), this, out); \
    }                                                                                           \
    FAKE_REFS

struct FakeObject {
    std::string name;
    ULONG refs = 0;
    ULONG Released() { FakeNote("Release:" + name); return --refs; }
    HRESULT Answer(bool known, IUnknown* self, void** out) {
        if ((*out = known ? self : nullptr)) self->AddRef();
        return known ? S_OK : E_NOINTERFACE;
    }
};

// Hands out each item with a reference of its own; a null item stands for an empty answer.
template <class Interface, class Item>
struct FakeEnum : Interface {
    std::vector<Item*> items;
    size_t next = 0;
    ULONG refs = 0;
    Interface* Start(const std::vector<Item*>& all) { items = all; next = 0; ++refs; return this; }
    STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
    STDMETHOD_(ULONG, Release)() override { return --refs; }
    STDMETHOD(Next)(ULONG, Item** out, ULONG* fetched) override {
        bool more = next < items.size();
        *out = more ? items[next++] : nullptr;
        if (*out) (*out)->AddRef();
        if (fetched) *fetched = more ? 1 : 0;
        return more ? S_OK : S_FALSE;
    }
    FAKE_STUB(QueryInterface, (REFIID, void**)) FAKE_STUB(Skip, (ULONG)) FAKE_STUB(Reset, ())
    FAKE_STUB(Clone, (Interface**))
};

struct FakePin : IPin, FakeObject {
    PIN_DIRECTION direction = PINDIR_INPUT;
    FAKE_UNKNOWN(IID_IPin)
    STDMETHOD(QueryDirection)(PIN_DIRECTION* out) override { *out = direction; return S_OK; }
    FAKE_STUB(NewSegment, (REFERENCE_TIME, REFERENCE_TIME, double)) FAKE_STUB(Connect, (IPin*, const AM_MEDIA_TYPE*))
    FAKE_STUB(ReceiveConnection, (IPin*, const AM_MEDIA_TYPE*)) FAKE_STUB(QueryInternalConnections, (IPin**, ULONG*))
    FAKE_STUB(ConnectionMediaType, (AM_MEDIA_TYPE*)) FAKE_STUB(QueryAccept, (const AM_MEDIA_TYPE*))
    FAKE_STUB(EnumMediaTypes, (IEnumMediaTypes**)) FAKE_STUB(Disconnect, ()) FAKE_STUB(QueryPinInfo, (PIN_INFO*))
    FAKE_STUB(ConnectedTo, (IPin**)) FAKE_STUB(QueryId, (LPWSTR*)) FAKE_STUB(EndOfStream, ()) FAKE_STUB(BeginFlush, ())
    FAKE_STUB(EndFlush, ())
};

// A filter's property pages: answered by the filter that points at it, counted with it.
struct FakePages : ISpecifyPropertyPages {
    FakeObject* filter = nullptr;
    std::vector<GUID> pages;
    STDMETHOD(QueryInterface)(REFIID, void**) override { return E_NOTIMPL; }
    STDMETHOD_(ULONG, AddRef)() override { return ++filter->refs; }
    STDMETHOD_(ULONG, Release)() override { return filter->Released(); }
    // On success the list comes from CoTaskMemAlloc and is the caller's to free.
    STDMETHOD(GetPages)(CAUUID* out) override {
        HRESULT hr = FakeCall("GetPages");
        if (FAILED(hr)) return hr;
        out->cElems = static_cast<ULONG>(pages.size());
        out->pElems = static_cast<GUID*>(FakeTaskMemAlloc(sizeof(GUID) * (pages.size() + 1)));
        for (size_t i = 0; i < pages.size(); ++i) out->pElems[i] = pages[i];
        return hr;
    }
};

struct FakeFilter : IBaseFilter, FakeObject {
    std::vector<IPin*> pins;
    FakeEnum<IEnumPins, IPin> pinEnum;
    IFilterGraph* infoGraph = nullptr;  // handed out, with a reference, by QueryFilterInfo
    FakePages* pages = nullptr;         // answered for ISpecifyPropertyPages when set
    STDMETHOD(QueryInterface)(REFIID riid, void** out) override {
        if (riid == IID_ISpecifyPropertyPages && pages) {
            pages->filter = this;
            return Answer(true, pages, out);
        }
        return Answer(riid == IID_IBaseFilter && SUCCEEDED(FakeCall("QueryInterface:" + name)), this, out);
    }
    FAKE_REFS
    STDMETHOD(EnumPins)(IEnumPins** out) override { *out = pinEnum.Start(pins); return S_OK; }
    STDMETHOD(QueryFilterInfo)(FILTER_INFO* info) override {
        MultiByteToWideChar(CP_UTF8, 0, name.c_str(), -1, info->achName, MAX_FILTER_NAME);
        if ((info->pGraph = infoGraph)) infoGraph->AddRef();
        return S_OK;
    }
    FAKE_STUB(GetClassID, (CLSID*)) FAKE_STUB(Stop, ()) FAKE_STUB(Pause, ()) FAKE_STUB(Run, (REFERENCE_TIME))
    FAKE_STUB(GetState, (DWORD, FILTER_STATE*)) FAKE_STUB(SetSyncSource, (IReferenceClock*))
    FAKE_STUB(GetSyncSource, (IReferenceClock**)) FAKE_STUB(FindPin, (LPCWSTR, IPin**))
    FAKE_STUB(JoinFilterGraph, (IFilterGraph*, LPCWSTR)) FAKE_STUB(QueryVendorInfo, (LPWSTR*))
};

struct FakeControl : IMediaControl, FakeObject {
    std::function<void(const std::string&)> onChange;  // told "Run", "Pause" or "Stop" as they are called
    HRESULT Change(const std::string& call) {
        if (onChange) onChange(call);
        return FakeCall(call);
    }
    FAKE_UNKNOWN(IID_IMediaControl)
    STDMETHOD(Run)() override { return Change("Run"); }
    STDMETHOD(Pause)() override { return Change("Pause"); }
    STDMETHOD(Stop)() override { return Change("Stop"); }
    FAKE_DISPATCH_STUBS FAKE_STUB(GetState, (LONG, OAFilterState*)) FAKE_STUB(RenderFile, (BSTR))
    FAKE_STUB(AddSourceFilter, (BSTR, IDispatch**)) FAKE_STUB(get_FilterCollection, (IDispatch**))
    FAKE_STUB(get_RegFilterCollection, (IDispatch**)) FAKE_STUB(StopWhenReady, ())
};

struct FakeEvent : IMediaEvent, FakeObject {
    long code = 0;
    FAKE_UNKNOWN(IID_IMediaEvent)
    STDMETHOD(WaitForCompletion)(long ms, long* out) override {
        *out = code;
        return FakeCall("WaitForCompletion(" + std::to_string(ms) + ")");
    }
    FAKE_DISPATCH_STUBS FAKE_STUB(GetEventHandle, (OAEVENT*)) FAKE_STUB(GetEvent, (long*, LONG_PTR*, LONG_PTR*, long))
    FAKE_STUB(CancelDefaultHandling, (long)) FAKE_STUB(RestoreDefaultHandling, (long))
    FAKE_STUB(FreeEventParams, (long, LONG_PTR, LONG_PTR))
};

// SetPositions is logged as "SetPositions(current/flags,stop/flags)", "-" for a null pointer.
struct FakeSeeking : IMediaSeeking, FakeObject {
    LONGLONG current = 0;
    LONGLONG stop = 0;
    std::function<LONGLONG()> reading;  // the current position when set, else current
    static std::string Text(const LONGLONG* value, DWORD flags) {
        return (value ? std::to_string(*value) : "-") + "/" + std::to_string(flags);
    }
    FAKE_UNKNOWN(IID_IMediaSeeking)
    STDMETHOD(SetTimeFormat)(const GUID*) override { return S_OK; }
    STDMETHOD(GetStopPosition)(LONGLONG* out) override { *out = stop; return S_OK; }
    STDMETHOD(GetCurrentPosition)(LONGLONG* out) override { *out = reading ? reading() : current; return S_OK; }
    STDMETHOD(SetPositions)(LONGLONG* at, DWORD atFlags, LONGLONG* end, DWORD endFlags) override {
        HRESULT hr = FakeCall("SetPositions(" + Text(at, atFlags) + "," + Text(end, endFlags) + ")");
        if (SUCCEEDED(hr) && at) current = *at;
        return hr;
    }
    FAKE_STUB(GetCapabilities, (DWORD*)) FAKE_STUB(CheckCapabilities, (DWORD*)) FAKE_STUB(GetDuration, (LONGLONG*))
    FAKE_STUB(IsFormatSupported, (const GUID*)) FAKE_STUB(QueryPreferredFormat, (GUID*))
    FAKE_STUB(GetTimeFormat, (GUID*)) FAKE_STUB(IsUsingTimeFormat, (const GUID*))
    FAKE_STUB(ConvertTimeFormat, (LONGLONG*, const GUID*, LONGLONG, const GUID*))
    FAKE_STUB(GetPositions, (LONGLONG*, LONGLONG*)) FAKE_STUB(GetAvailable, (LONGLONG*, LONGLONG*))
    FAKE_STUB(SetRate, (double)) FAKE_STUB(GetRate, (double*)) FAKE_STUB(GetPreroll, (LONGLONG*))
};

#define FAKE_LOGGED_SETTER(name, type) \
    STDMETHOD(name)(type value) override { return FakeCall(#name "(" + std::to_string(value) + ")"); }

struct FakeVideo : IVideoWindow, FakeObject {
    FAKE_UNKNOWN(IID_IVideoWindow)
    FAKE_LOGGED_SETTER(put_Owner, OAHWND) FAKE_LOGGED_SETTER(put_MessageDrain, OAHWND)
    FAKE_LOGGED_SETTER(put_WindowStyle, long) FAKE_LOGGED_SETTER(put_Visible, long)
    STDMETHOD(SetWindowPosition)(long left, long top, long width, long height) override {
        return FakeCall("SetWindowPosition(" + std::to_string(left) + "," + std::to_string(top) + "," +
                        std::to_string(width) + "," + std::to_string(height) + ")");
    }
    FAKE_DISPATCH_STUBS FAKE_PROPERTY_STUBS(WindowStyleEx) FAKE_PROPERTY_STUBS(AutoShow) FAKE_PROPERTY_STUBS(Left)
    FAKE_PROPERTY_STUBS(WindowState) FAKE_PROPERTY_STUBS(BackgroundPalette) FAKE_PROPERTY_STUBS(Width)
    FAKE_PROPERTY_STUBS(Top) FAKE_PROPERTY_STUBS(Height) FAKE_PROPERTY_STUBS(BorderColor)
    FAKE_PROPERTY_STUBS(FullScreenMode) FAKE_STUB(put_Caption, (BSTR)) FAKE_STUB(get_Caption, (BSTR*))
    FAKE_STUB(get_WindowStyle, (long*)) FAKE_STUB(get_Visible, (long*)) FAKE_STUB(get_Owner, (OAHWND*))
    FAKE_STUB(get_MessageDrain, (OAHWND*)) FAKE_STUB(SetWindowForeground, (long)) FAKE_STUB(HideCursor, (long))
    FAKE_STUB(IsCursorHidden, (long*)) FAKE_STUB(NotifyOwnerMessage, (OAHWND, long, LONG_PTR, LONG_PTR))
    FAKE_STUB(GetMinIdealImageSize, (long*, long*)) FAKE_STUB(GetWindowPosition, (long*, long*, long*, long*))
    FAKE_STUB(GetRestorePosition, (long*, long*, long*, long*)) FAKE_STUB(GetMaxIdealImageSize, (long*, long*))
};

// One stream as the media detector describes it; its format block holds 1, 2, 3, ...
struct FakeStream {
    GUID major, format;
    ULONG blockSize;
    double seconds;
    double rate;  // negative: the detector knows none
};

// A media detector over the streams a test describes. As Wine's does, it hands out each format
// block from CoTaskMemAlloc and an AddRef'ed pUnk (itself): both are the caller's to give back.
// Logged: "put_Filename" and "put_CurrentStream(<index>)".
struct FakeDetector : IMediaDet, ISampleGrabber, FakeObject {
    std::vector<FakeStream> streams;
    long reported = -1;  // the stream count it claims; -1: the true one
    FakeStream current = {};
    STDMETHOD(QueryInterface)(REFIID riid, void** out) override {
        bool known = riid == IID_IMediaDet && SUCCEEDED(FakeCall("QueryInterface:" + name));
        return Answer(known, static_cast<IMediaDet*>(this), out);
    }
    FAKE_REFS
    STDMETHOD(put_Filename)(BSTR) override { return FakeCall("put_Filename"); }
    STDMETHOD(get_OutputStreams)(LONG* count) override {
        *count = reported >= 0 ? reported : static_cast<LONG>(streams.size());
        return S_OK;
    }
    STDMETHOD(put_CurrentStream)(LONG index) override {
        FakeCall("put_CurrentStream(" + std::to_string(index) + ")");
        if (index >= static_cast<LONG>(streams.size())) return E_INVALIDARG;
        current = streams[static_cast<size_t>(index)];
        return S_OK;
    }
    STDMETHOD(get_StreamLength)(double* seconds) override { *seconds = current.seconds; return S_OK; }
    STDMETHOD(get_FrameRate)(double* rate) override {
        *rate = current.rate;
        return current.rate < 0 ? E_NOTIMPL : S_OK;
    }
    STDMETHOD(get_StreamMediaType)(AM_MEDIA_TYPE* type) override {
        ZeroMemory(type, sizeof(*type));
        type->majortype = current.major;
        type->formattype = current.format;
        type->cbFormat = current.blockSize;
        type->pbFormat = static_cast<BYTE*>(FakeTaskMemAlloc(current.blockSize));
        for (ULONG i = 0; i < current.blockSize; ++i) type->pbFormat[i] = static_cast<BYTE>(i + 1);
        type->pUnk = static_cast<IMediaDet*>(this);
        AddRef();
        return S_OK;
    }
    // Logged as "GetBitmapBits(size|buffer <seconds> <w>x<h>)"; the picture is 24-bit pixels whose
    // bytes count 1, 2, 3, ...
    STDMETHOD(GetBitmapBits)(double seconds, LONG* size, char* buffer, LONG width, LONG height) override {
        HRESULT hr = FakeCall("GetBitmapBits(" + std::string(buffer ? "buffer " : "size ") + std::to_string(seconds) +
                              " " + std::to_string(width) + "x" + std::to_string(height) + ")");
        LONG stride = (width * 3 + 3) / 4 * 4;
        if (FAILED(hr) || !buffer) {
            if (SUCCEEDED(hr)) *size = 40 + stride * height;
            return hr;
        }
        BITMAPINFOHEADER header = {sizeof(header), width, height, 1, 24};
        memcpy(buffer, &header, sizeof(header));
        for (LONG i = 0; i < stride * height; ++i) buffer[40 + i] = static_cast<char>(i + 1);
        return hr;
    }
    // Its own sample grabber, connected at bitCount bits a pixel, when grabs; else none
    // (E_NOTIMPL), as Wine's.
    bool grabs = false;
    WORD bitCount = 24;
    STDMETHOD(GetSampleGrabber)(ISampleGrabber** out) override {
        *out = nullptr;
        return grabs ? Answer(true, static_cast<ISampleGrabber*>(this), reinterpret_cast<void**>(out)) : E_NOTIMPL;
    }
    STDMETHOD(GetConnectedMediaType)(AM_MEDIA_TYPE* type) override {
        ZeroMemory(type, sizeof(*type));
        type->majortype = MEDIATYPE_Video;
        type->formattype = FORMAT_VideoInfo;
        type->cbFormat = sizeof(VIDEOINFOHEADER);
        type->pbFormat = static_cast<BYTE*>(FakeTaskMemAlloc(type->cbFormat));
        ZeroMemory(type->pbFormat, type->cbFormat);
        reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat)->bmiHeader.biBitCount = bitCount;
        return S_OK;
    }
    FAKE_STUB(SetOneShot, (BOOL)) FAKE_STUB(SetMediaType, (const AM_MEDIA_TYPE*)) FAKE_STUB(SetBufferSamples, (BOOL))
    FAKE_STUB(GetCurrentBuffer, (LONG*, LONG*)) FAKE_STUB(GetCurrentSample, (IMediaSample**))
    FAKE_STUB(SetCallback, (ISampleGrabberCB*, LONG))
    FAKE_STUB(get_Filter, (IUnknown**)) FAKE_STUB(put_Filter, (IUnknown*)) FAKE_STUB(get_CurrentStream, (LONG*))
    FAKE_STUB(get_StreamType, (GUID*)) FAKE_STUB(get_StreamTypeB, (BSTR*)) FAKE_STUB(get_Filename, (BSTR*))
    FAKE_STUB(WriteBitmapBits, (double, LONG, LONG, BSTR)) FAKE_STUB(EnterBitmapGrabMode, (double))
};

// Hands itself out as the graph to build. Its other interfaces are objects of their own, so the
// log tells which one was released. A new graph starts a new log with no failures set.
struct FakeGraph : IGraphBuilder, DirectShowServices, FakeObject {
    FakeControl control;
    FakeEvent event;
    FakeSeeking seeking;
    FakeVideo video;
    FakeDetector detector;
    std::vector<IBaseFilter*> filters;
    FakeEnum<IEnumFilters, IBaseFilter> filterEnum;
    std::wstring renderedPath;

    FakeGraph() {
        fakeLog.clear();
        fakeResults.clear();
        name = "IGraphBuilder", control.name = "IMediaControl", event.name = "IMediaEvent";
        seeking.name = "IMediaSeeking", video.name = "IVideoWindow", detector.name = "IMediaDet";
    }
    HRESULT CreateMediaDetector(IMediaDet** out) override {
        HRESULT hr = FakeCall("CreateMediaDetector");
        if ((*out = SUCCEEDED(hr) ? &detector : nullptr)) detector.AddRef();
        return hr;
    }
    // Logged as "PropertyFrame(<caption>,<object's name>,<page count>)".
    HRESULT ShowPropertyFrame(HWND, const WCHAR* caption, IUnknown* object, const CAUUID& pages) override {
        char narrow[MAX_FILTER_NAME] = {};
        WideCharToMultiByte(CP_UTF8, 0, caption, -1, narrow, sizeof(narrow), nullptr, nullptr);
        return FakeCall("PropertyFrame(" + std::string(narrow) + "," +
                        static_cast<FakeFilter*>(static_cast<IBaseFilter*>(object))->name + "," +
                        std::to_string(pages.cElems) + ")");
    }
    HRESULT CreateFilterGraph(IGraphBuilder** out) override {
        HRESULT hr = FakeCall("CreateFilterGraph");
        if ((*out = SUCCEEDED(hr) ? this : nullptr)) AddRef();
        return hr;
    }
    ULONG AllRefs() const { return refs + control.refs + event.refs + seeking.refs + video.refs; }
    STDMETHOD(QueryInterface)(REFIID riid, void** out) override {
        IUnknown* parts[] = {&control, &video, &event, &seeking};
        for (IUnknown* part : parts)
            if (part->QueryInterface(riid, out) == S_OK) return S_OK;
        return E_NOINTERFACE;
    }
    FAKE_REFS
    STDMETHOD(RenderFile)(LPCWSTR file, LPCWSTR) override { renderedPath = file; return FakeCall("RenderFile"); }
    STDMETHOD(RemoveFilter)(IBaseFilter* filter) override {
        return FakeCall("RemoveFilter:" + static_cast<FakeFilter*>(filter)->name);
    }
    STDMETHOD(EnumFilters)(IEnumFilters** out) override { *out = filterEnum.Start(filters); return S_OK; }
    FAKE_STUB(AddFilter, (IBaseFilter*, LPCWSTR)) FAKE_STUB(FindFilterByName, (LPCWSTR, IBaseFilter**))
    FAKE_STUB(ConnectDirect, (IPin*, IPin*, const AM_MEDIA_TYPE*)) FAKE_STUB(Reconnect, (IPin*))
    FAKE_STUB(Disconnect, (IPin*)) FAKE_STUB(SetDefaultSyncSource, ()) FAKE_STUB(Connect, (IPin*, IPin*))
    FAKE_STUB(Render, (IPin*)) FAKE_STUB(AddSourceFilter, (LPCWSTR, LPCWSTR, IBaseFilter**))
    FAKE_STUB(SetLogFile, (DWORD_PTR)) FAKE_STUB(Abort, ()) FAKE_STUB(ShouldOperationContinue, ())
};
