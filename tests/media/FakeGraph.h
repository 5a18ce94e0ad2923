#pragma once
// Stand-ins for a DirectShow filter graph, its filters, pins and enumerators. They count their
// references for real and write the calls they receive, in order, into a call log, so tests can
// see exactly what the session and the filter lists asked of the platform.
#include <windows.h>
#include <dshow.h>
#include <ocidl.h>

#include <map>
#include <string>
#include <vector>

#include "media/directshow/DirectShowServices.h"

using CallLog = std::vector<std::string>;

// Results by call name; S_OK for every call that was not given one.
class FakeResults {
public:
    void Set(const std::string& call, HRESULT hr) { results[call] = hr; }
    HRESULT Get(const std::string& call) const;

private:
    std::map<std::string, HRESULT> results;
};

// Reference counting shared by the fakes that live on the heap: they start with the creator's
// reference and delete themselves when the last one goes.
class FakeRefCount {
public:
    virtual ~FakeRefCount() = default;
    ULONG Refs() const { return refs; }

protected:
    ULONG AddRefCount() { return ++refs; }
    ULONG ReleaseCount() {
        ULONG left = --refs;
        if (left == 0) delete this;
        return left;
    }

private:
    ULONG refs = 1;
};

class FakePin : public IPin, public FakeRefCount {
public:
    explicit FakePin(PIN_DIRECTION direction, HRESULT directionResult = S_OK)
        : direction(direction), directionResult(directionResult) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefCount(); }
    ULONG STDMETHODCALLTYPE Release() override {
        if (log) log->push_back("Release:" + name);
        return ReleaseCount();
    }

    std::string name = "pin";
    CallLog* log = nullptr;  // "Release:<name>" goes here when set

    HRESULT STDMETHODCALLTYPE QueryDirection(PIN_DIRECTION* result) override;
    HRESULT STDMETHODCALLTYPE Connect(IPin*, const AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ReceiveConnection(IPin*, const AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Disconnect() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConnectedTo(IPin**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConnectionMediaType(AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryPinInfo(PIN_INFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryId(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryAccept(const AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumMediaTypes(IEnumMediaTypes**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryInternalConnections(IPin**, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EndOfStream() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BeginFlush() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EndFlush() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { return E_NOTIMPL; }

private:
    PIN_DIRECTION direction;
    HRESULT directionResult;
};

inline REFIID EnumIid(IEnumPins*) { return IID_IEnumPins; }
inline REFIID EnumIid(IEnumFilters*) { return IID_IEnumFilters; }

// An enumerator over a snapshot of items; it holds a reference to each and hands out new ones.
template <class EnumInterface, class Item>
class FakeEnum : public EnumInterface, public FakeRefCount {
public:
    explicit FakeEnum(const std::vector<Item*>& items) : items(items) {
        for (Item* item : items)
            if (item) item->AddRef();
        ++live;
    }
    ~FakeEnum() override {
        for (Item* item : items)
            if (item) item->Release();
        --live;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == EnumIid(static_cast<EnumInterface*>(nullptr))) {
            *object = static_cast<EnumInterface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefCount(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseCount(); }

    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, Item** out, ULONG* fetched) override {
        if (fetched) *fetched = 0;
        if (wanted != 1 || position >= items.size()) return S_FALSE;
        *out = items[position++];
        if (*out) (*out)->AddRef();
        if (fetched) *fetched = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reset() override {
        position = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(EnumInterface**) override { return E_NOTIMPL; }

    // Enumerators of this kind not yet destroyed.
    static inline int live = 0;

private:
    std::vector<Item*> items;
    size_t position = 0;
};

using FakePinEnum = FakeEnum<IEnumPins, IPin>;
using FakeFilterEnum = FakeEnum<IEnumFilters, IBaseFilter>;

class FakeFilter : public IBaseFilter, public ISpecifyPropertyPages, public FakeRefCount {
public:
    explicit FakeFilter(const wchar_t* name) : name(name) {}
    ~FakeFilter() override;

    // Takes over the caller's reference; null stands for an empty answer of the enumerator.
    void AddPin(IPin* pin) { pins.push_back(pin); }

    std::wstring name;
    FakeResults results;       // "QueryFilterInfo", "EnumPins", "GetPages"
    bool specifiesPages = false;
    ULONG pageCount = 0;
    IFilterGraph* infoGraph = nullptr;  // handed out (with a reference) by QueryFilterInfo
    CallLog* log = nullptr;             // "Release:<name>" goes here when set

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefCount(); }
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Pause() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetState(DWORD, FILTER_STATE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins** result) override;
    HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR, IPin**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO* info) override;
    HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph*, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR*) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

private:
    std::vector<IPin*> pins;
};

class FakeGraph;

// The graph's other interfaces are separate objects sharing the graph's count, so the log can
// tell which interface a release came through.
class FakeMediaControl : public IMediaControl {
public:
    explicit FakeMediaControl(FakeGraph& graph) : graph(graph) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Run() override;
    HRESULT STDMETHODCALLTYPE Pause() override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE GetState(LONG, OAFilterState*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RenderFile(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddSourceFilter(BSTR, IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_FilterCollection(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RegFilterCollection(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE StopWhenReady() override { return E_NOTIMPL; }

private:
    FakeGraph& graph;
};

class FakeMediaEvent : public IMediaEvent {
public:
    explicit FakeMediaEvent(FakeGraph& graph) : graph(graph) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetEventHandle(OAEVENT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetEvent(long*, LONG_PTR*, LONG_PTR*, long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE WaitForCompletion(long timeout, long* code) override;
    HRESULT STDMETHODCALLTYPE CancelDefaultHandling(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RestoreDefaultHandling(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FreeEventParams(long, LONG_PTR, LONG_PTR) override { return E_NOTIMPL; }

private:
    FakeGraph& graph;
};

class FakeMediaSeeking : public IMediaSeeking {
public:
    explicit FakeMediaSeeking(FakeGraph& graph) : graph(graph) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetCapabilities(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CheckCapabilities(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsFormatSupported(const GUID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryPreferredFormat(GUID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTimeFormat(GUID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsUsingTimeFormat(const GUID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetTimeFormat(const GUID* format) override;
    HRESULT STDMETHODCALLTYPE GetDuration(LONGLONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStopPosition(LONGLONG* stop) override;
    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LONGLONG* current) override;
    HRESULT STDMETHODCALLTYPE ConvertTimeFormat(LONGLONG*, const GUID*, LONGLONG, const GUID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop,
                                           DWORD stopFlags) override;
    HRESULT STDMETHODCALLTYPE GetPositions(LONGLONG*, LONGLONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAvailable(LONGLONG*, LONGLONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetRate(double) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRate(double*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPreroll(LONGLONG*) override { return E_NOTIMPL; }

private:
    FakeGraph& graph;
};

class FakeVideoWindow : public IVideoWindow {
public:
    explicit FakeVideoWindow(FakeGraph& graph) : graph(graph) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_Caption(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Caption(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_WindowStyle(long style) override;
    HRESULT STDMETHODCALLTYPE get_WindowStyle(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_WindowStyleEx(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_WindowStyleEx(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_AutoShow(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_AutoShow(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_WindowState(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_WindowState(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_BackgroundPalette(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_BackgroundPalette(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Visible(long visible) override;
    HRESULT STDMETHODCALLTYPE get_Visible(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Left(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Left(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Width(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Width(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Top(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Top(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Height(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Height(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Owner(OAHWND owner) override;
    HRESULT STDMETHODCALLTYPE get_Owner(OAHWND*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_MessageDrain(OAHWND drain) override;
    HRESULT STDMETHODCALLTYPE get_MessageDrain(OAHWND*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_BorderColor(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_BorderColor(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_FullScreenMode(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_FullScreenMode(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetWindowForeground(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NotifyOwnerMessage(OAHWND, long, LONG_PTR, LONG_PTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetWindowPosition(long left, long top, long width, long height) override;
    HRESULT STDMETHODCALLTYPE GetWindowPosition(long*, long*, long*, long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMinIdealImageSize(long*, long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMaxIdealImageSize(long*, long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRestorePosition(long*, long*, long*, long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE HideCursor(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsCursorHidden(long*) override { return E_NOTIMPL; }

private:
    FakeGraph& graph;
};

// A graph manager owned by the test (it is not deleted when its count reaches 0). Calls are
// logged by name, with their arguments where they matter, e.g. "SetPositions(0,1,-,0)".
class FakeGraph : public IGraphBuilder {
public:
    FakeGraph();
    ~FakeGraph();

    // Puts a filter into the graph (the graph takes a reference of its own) and lets it log.
    void Insert(FakeFilter* filter);
    ULONG Refs() const { return refs; }
    void Log(const std::string& call) { log.push_back(call); }
    ULONG AddRefFrom() { return ++refs; }
    ULONG ReleaseFrom(const char* interfaceName);

    CallLog log;
    FakeResults results;  // by call name; "QueryInterface:IMediaSeeking" and the like for the queries
    LONGLONG currentPosition = 0;
    LONGLONG stopPosition = 0;
    long completionCode = 0;
    std::wstring renderedPath;

    FakeMediaControl control{*this};
    FakeMediaEvent event{*this};
    FakeMediaSeeking seeking{*this};
    FakeVideoWindow video{*this};

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefFrom(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseFrom("IGraphBuilder"); }

    HRESULT STDMETHODCALLTYPE AddFilter(IBaseFilter*, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RemoveFilter(IBaseFilter* filter) override;
    HRESULT STDMETHODCALLTYPE EnumFilters(IEnumFilters** result) override;
    HRESULT STDMETHODCALLTYPE FindFilterByName(LPCWSTR, IBaseFilter**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConnectDirect(IPin*, IPin*, const AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reconnect(IPin*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Disconnect(IPin*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetDefaultSyncSource() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Connect(IPin*, IPin*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Render(IPin*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RenderFile(LPCWSTR file, LPCWSTR playList) override;
    HRESULT STDMETHODCALLTYPE AddSourceFilter(LPCWSTR, LPCWSTR, IBaseFilter**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetLogFile(DWORD_PTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Abort() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ShouldOperationContinue() override { return E_NOTIMPL; }

private:
    ULONG refs = 0;
    std::vector<FakeFilter*> filters;
    std::vector<FakeFilter*> removed;  // kept (with the graph's reference) so removals stay visible
};

// Hands the test's graph to the code under test.
class FakeServices : public DirectShowServices {
public:
    explicit FakeServices(FakeGraph* graph) : graph(graph) {}
    HRESULT CreateFilterGraph(IGraphBuilder** result) override;

    FakeGraph* graph;
    HRESULT createResult = S_OK;
    int graphsCreated = 0;
};
