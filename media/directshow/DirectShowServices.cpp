#include "media/directshow/DirectShowServices.h"

#include <olectl.h>
#include <qedit.h>


// In strmiids, though MinGW's headers do not declare them.
extern "C" const CLSID CLSID_SampleGrabber;
extern "C" const CLSID CLSID_NullRenderer;

namespace {
DirectShowServices platformServices;
DirectShowServices* installed = nullptr;
}

HRESULT DirectShowServices::CreateFilterGraph(IGraphBuilder** graph) {
    if (!graph) return E_POINTER;
    *graph = nullptr;
    return CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                            reinterpret_cast<void**>(graph));
}

HRESULT DirectShowServices::CreateMediaDetector(IMediaDet** detector) {
    if (!detector) return E_POINTER;
    *detector = nullptr;
    return CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, IID_IMediaDet,
                            reinterpret_cast<void**>(detector));
}

HRESULT DirectShowServices::CreateFilterMapper(IFilterMapper2** mapper) {
    if (!mapper) return E_POINTER;
    *mapper = nullptr;
    return CoCreateInstance(CLSID_FilterMapper2, nullptr, CLSCTX_INPROC_SERVER, IID_IFilterMapper2,
                            reinterpret_cast<void**>(mapper));
}

HRESULT DirectShowServices::CreateShellLink(IShellLinkA** link) {
    if (!link) return E_POINTER;
    *link = nullptr;
    return CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                            reinterpret_cast<void**>(link));
}

HRESULT DirectShowServices::CreateSampleGrabber(IBaseFilter** filter) {
    if (!filter) return E_POINTER;
    *filter = nullptr;
    return CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                            reinterpret_cast<void**>(filter));
}

HRESULT DirectShowServices::CreateNullRenderer(IBaseFilter** filter) {
    if (!filter) return E_POINTER;
    *filter = nullptr;
    return CoCreateInstance(CLSID_NullRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                            reinterpret_cast<void**>(filter));
}

HRESULT DirectShowServices::ShowPropertyFrame(HWND owner, const WCHAR* caption, IUnknown* object,
                                              const CAUUID& pages) {
    if (!object) return E_POINTER;
    return OleCreatePropertyFrame(owner, 0, 0, caption, 1, &object, pages.cElems, pages.pElems, 0, 0, nullptr);
}

DirectShowServices& CurrentDirectShowServices() { return installed ? *installed : platformServices; }

void SetDirectShowServices(DirectShowServices* services) { installed = services; }
