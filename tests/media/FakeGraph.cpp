#include "media/FakeGraph.h"

#include <cwchar>

namespace {
std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::string Value(const LONGLONG* value) { return value ? std::to_string(*value) : "-"; }

// QueryInterface on one of the graph's interfaces, logged and made to fail on request.
HRESULT HandOut(FakeGraph& graph, const char* name, IUnknown* object, void** result) {
    graph.Log(std::string("QueryInterface:") + name);
    HRESULT hr = graph.results.Get(std::string("QueryInterface:") + name);
    if (FAILED(hr)) {
        *result = nullptr;
        return hr;
    }
    object->AddRef();
    *result = object;
    return S_OK;
}
}  // namespace

HRESULT FakeResults::Get(const std::string& call) const {
    auto found = results.find(call);
    return found == results.end() ? S_OK : found->second;
}

HRESULT FakePin::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IPin) {
        *object = static_cast<IPin*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT FakePin::QueryDirection(PIN_DIRECTION* result) {
    if (FAILED(directionResult)) return directionResult;
    *result = direction;
    return S_OK;
}

FakeFilter::~FakeFilter() {
    for (IPin* pin : pins)
        if (pin) pin->Release();
}

HRESULT FakeFilter::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IPersist || riid == IID_IMediaFilter || riid == IID_IBaseFilter) {
        *object = static_cast<IBaseFilter*>(this);
    } else if (riid == IID_ISpecifyPropertyPages && specifiesPages) {
        *object = static_cast<ISpecifyPropertyPages*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG FakeFilter::Release() {
    if (log) log->push_back("Release:" + Narrow(name));
    return ReleaseCount();
}

HRESULT FakeFilter::EnumPins(IEnumPins** result) {
    HRESULT hr = results.Get("EnumPins");
    if (FAILED(hr)) return hr;
    *result = new FakePinEnum(pins);
    return S_OK;
}

HRESULT FakeFilter::QueryFilterInfo(FILTER_INFO* info) {
    HRESULT hr = results.Get("QueryFilterInfo");
    if (FAILED(hr)) return hr;
    wcsncpy(info->achName, name.c_str(), MAX_FILTER_NAME - 1);
    info->achName[MAX_FILTER_NAME - 1] = L'\0';
    info->pGraph = infoGraph;
    if (infoGraph) infoGraph->AddRef();
    return S_OK;
}

HRESULT FakeFilter::GetPages(CAUUID* pages) {
    HRESULT hr = results.Get("GetPages");
    if (FAILED(hr)) return hr;
    pages->cElems = pageCount;
    pages->pElems = nullptr;
    if (pageCount > 0) {
        pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID) * pageCount));
        for (ULONG i = 0; i < pageCount; ++i) pages->pElems[i] = GUID_NULL;
    }
    return S_OK;
}

HRESULT FakeMediaControl::QueryInterface(REFIID riid, void** object) { return graph.QueryInterface(riid, object); }
ULONG FakeMediaControl::AddRef() { return graph.AddRefFrom(); }
ULONG FakeMediaControl::Release() { return graph.ReleaseFrom("IMediaControl"); }

HRESULT FakeMediaControl::Run() {
    graph.Log("Run");
    return graph.results.Get("Run");
}

HRESULT FakeMediaControl::Pause() {
    graph.Log("Pause");
    return graph.results.Get("Pause");
}

HRESULT FakeMediaControl::Stop() {
    graph.Log("Stop");
    return graph.results.Get("Stop");
}

HRESULT FakeMediaEvent::QueryInterface(REFIID riid, void** object) { return graph.QueryInterface(riid, object); }
ULONG FakeMediaEvent::AddRef() { return graph.AddRefFrom(); }
ULONG FakeMediaEvent::Release() { return graph.ReleaseFrom("IMediaEvent"); }

HRESULT FakeMediaEvent::WaitForCompletion(long timeout, long* code) {
    graph.Log("WaitForCompletion(" + std::to_string(timeout) + ")");
    *code = graph.completionCode;
    return graph.results.Get("WaitForCompletion");
}

HRESULT FakeMediaSeeking::QueryInterface(REFIID riid, void** object) { return graph.QueryInterface(riid, object); }
ULONG FakeMediaSeeking::AddRef() { return graph.AddRefFrom(); }
ULONG FakeMediaSeeking::Release() { return graph.ReleaseFrom("IMediaSeeking"); }

HRESULT FakeMediaSeeking::SetTimeFormat(const GUID* format) {
    graph.Log(*format == TIME_FORMAT_MEDIA_TIME ? "SetTimeFormat(media)" : "SetTimeFormat(other)");
    return graph.results.Get("SetTimeFormat");
}

HRESULT FakeMediaSeeking::GetStopPosition(LONGLONG* stop) {
    graph.Log("GetStopPosition");
    HRESULT hr = graph.results.Get("GetStopPosition");
    if (SUCCEEDED(hr)) *stop = graph.stopPosition;
    return hr;
}

HRESULT FakeMediaSeeking::GetCurrentPosition(LONGLONG* current) {
    graph.Log("GetCurrentPosition");
    HRESULT hr = graph.results.Get("GetCurrentPosition");
    if (SUCCEEDED(hr)) *current = graph.currentPosition;
    return hr;
}

HRESULT FakeMediaSeeking::SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) {
    graph.Log("SetPositions(" + Value(current) + "," + std::to_string(currentFlags) + "," + Value(stop) + "," +
              std::to_string(stopFlags) + ")");
    HRESULT hr = graph.results.Get("SetPositions");
    if (FAILED(hr)) return hr;
    if (current && (currentFlags & AM_SEEKING_PositioningBitsMask) == AM_SEEKING_AbsolutePositioning)
        graph.currentPosition = *current;
    if (stop && (stopFlags & AM_SEEKING_PositioningBitsMask) == AM_SEEKING_AbsolutePositioning)
        graph.stopPosition = *stop;
    return hr;
}

HRESULT FakeVideoWindow::QueryInterface(REFIID riid, void** object) { return graph.QueryInterface(riid, object); }
ULONG FakeVideoWindow::AddRef() { return graph.AddRefFrom(); }
ULONG FakeVideoWindow::Release() { return graph.ReleaseFrom("IVideoWindow"); }

HRESULT FakeVideoWindow::put_WindowStyle(long style) {
    graph.Log("put_WindowStyle(" + std::to_string(style) + ")");
    return graph.results.Get("put_WindowStyle");
}

HRESULT FakeVideoWindow::put_Visible(long visible) {
    graph.Log("put_Visible(" + std::to_string(visible) + ")");
    return graph.results.Get("put_Visible");
}

HRESULT FakeVideoWindow::put_Owner(OAHWND owner) {
    graph.Log("put_Owner(" + std::to_string(owner) + ")");
    return graph.results.Get("put_Owner");
}

HRESULT FakeVideoWindow::put_MessageDrain(OAHWND drain) {
    graph.Log("put_MessageDrain(" + std::to_string(drain) + ")");
    return graph.results.Get("put_MessageDrain");
}

HRESULT FakeVideoWindow::SetWindowPosition(long left, long top, long width, long height) {
    graph.Log("SetWindowPosition(" + std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(width) +
              "," + std::to_string(height) + ")");
    return graph.results.Get("SetWindowPosition");
}

FakeGraph::FakeGraph() = default;

FakeGraph::~FakeGraph() {
    for (FakeFilter* filter : filters) {
        filter->log = nullptr;
        filter->Release();
    }
    for (FakeFilter* filter : removed) {
        filter->log = nullptr;
        filter->Release();
    }
}

void FakeGraph::Insert(FakeFilter* filter) {
    filter->AddRef();
    filter->log = &log;
    filters.push_back(filter);
}

ULONG FakeGraph::ReleaseFrom(const char* interfaceName) {
    log.push_back(std::string("Release:") + interfaceName);
    return --refs;
}

HRESULT FakeGraph::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IFilterGraph || riid == IID_IGraphBuilder) {
        AddRef();
        *object = static_cast<IGraphBuilder*>(this);
        return S_OK;
    }
    if (riid == IID_IMediaControl) return HandOut(*this, "IMediaControl", &control, object);
    if (riid == IID_IMediaEvent) return HandOut(*this, "IMediaEvent", &event, object);
    if (riid == IID_IMediaSeeking) return HandOut(*this, "IMediaSeeking", &seeking, object);
    if (riid == IID_IVideoWindow) return HandOut(*this, "IVideoWindow", &video, object);
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT FakeGraph::RemoveFilter(IBaseFilter* filter) {
    for (size_t i = 0; i < filters.size(); ++i) {
        if (static_cast<IBaseFilter*>(filters[i]) != filter) continue;
        Log("RemoveFilter:" + Narrow(filters[i]->name));
        HRESULT hr = results.Get("RemoveFilter");
        if (SUCCEEDED(hr)) {
            removed.push_back(filters[i]);
            filters.erase(filters.begin() + i);
        }
        return hr;
    }
    Log("RemoveFilter:unknown");
    return E_INVALIDARG;
}

HRESULT FakeGraph::EnumFilters(IEnumFilters** result) {
    Log("EnumFilters");
    HRESULT hr = results.Get("EnumFilters");
    if (FAILED(hr)) return hr;
    *result = new FakeFilterEnum(std::vector<IBaseFilter*>(filters.begin(), filters.end()));
    return S_OK;
}

HRESULT FakeGraph::RenderFile(LPCWSTR file, LPCWSTR) {
    Log("RenderFile");
    renderedPath = file ? file : L"";
    return results.Get("RenderFile");
}

HRESULT FakeServices::CreateFilterGraph(IGraphBuilder** result) {
    ++graphsCreated;
    *result = nullptr;
    if (FAILED(createResult)) return createResult;
    graph->AddRef();
    *result = graph;
    return S_OK;
}
