#include "media/directshow/DirectShowServices.h"

#include <qedit.h>

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

HRESULT DirectShowServices::CreateShellLink(IShellLinkA** link) {
    if (!link) return E_POINTER;
    *link = nullptr;
    return CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                            reinterpret_cast<void**>(link));
}

DirectShowServices& CurrentDirectShowServices() { return installed ? *installed : platformServices; }

void SetDirectShowServices(DirectShowServices* services) { installed = services; }
