#pragma once
// The one place where the program asks the platform for DirectShow and shell objects.
// Tests put their own services here to watch the calls the program makes.
#include <windows.h>
#include <dshow.h>
#include <shlobj.h>

struct IMediaDet;

class DirectShowServices {
public:
    virtual ~DirectShowServices() = default;
    // CoCreateInstance(CLSID_FilterGraph, in-process server, IID_IGraphBuilder).
    virtual HRESULT CreateFilterGraph(IGraphBuilder** graph);
    // CoCreateInstance(CLSID_MediaDet, in-process server or handler, IID_IMediaDet).
    virtual HRESULT CreateMediaDetector(IMediaDet** detector);
    // CoCreateInstance(CLSID_FilterMapper2, in-process server, IID_IFilterMapper2).
    virtual HRESULT CreateFilterMapper(IFilterMapper2** mapper);
    // CoCreateInstance(CLSID_ShellLink, in-process server, IID_IShellLinkA).
    virtual HRESULT CreateShellLink(IShellLinkA** link);
    // CoCreateInstance(CLSID_SampleGrabber, in-process server, IID_IBaseFilter).
    virtual HRESULT CreateSampleGrabber(IBaseFilter** filter);
    // CoCreateInstance(CLSID_NullRenderer, in-process server, IID_IBaseFilter).
    virtual HRESULT CreateNullRenderer(IBaseFilter** filter);
    // OleCreatePropertyFrame for one object with the given pages; returns when the user closes it.
    virtual HRESULT ShowPropertyFrame(HWND owner, const WCHAR* caption, IUnknown* object, const CAUUID& pages);
};

// The services in force: the platform's unless a test installed others.
DirectShowServices& CurrentDirectShowServices();
// Installs replacement services (not owned); null goes back to the platform's.
void SetDirectShowServices(DirectShowServices* services);

inline HRESULT CreateFilterGraph(IGraphBuilder** graph) { return CurrentDirectShowServices().CreateFilterGraph(graph); }
inline HRESULT CreateMediaDetector(IMediaDet** detector) {
    return CurrentDirectShowServices().CreateMediaDetector(detector);
}
inline HRESULT CreateFilterMapper(IFilterMapper2** mapper) {
    return CurrentDirectShowServices().CreateFilterMapper(mapper);
}
inline HRESULT CreateShellLink(IShellLinkA** link) { return CurrentDirectShowServices().CreateShellLink(link); }
inline HRESULT ShowPropertyFrame(HWND owner, const WCHAR* caption, IUnknown* object, const CAUUID& pages) {
    return CurrentDirectShowServices().ShowPropertyFrame(owner, caption, object, pages);
}
