// Shows a Wine 8 fault that the player works around: the first time a process looks for filters,
// Wine fills its lists of sound and MIDI devices (for the device categories of the filter mapper)
// without a lock. A media detector's put_Filename and a graph's RenderFile begun at once on two
// threads both look for filters, and about one process in a hundred crashes in winmm
// (waveOutGetDevCapsW reading a device list not yet allocated, or MMDRV_InitPerType calling a
// driver entry not yet set). One enumeration of the filters on one thread first ("prepared") makes
// every later look-up read lists that are complete.
//   concurrent_first_reads.exe <clip.avi> [prepared]   -> exit code 0, or a crash
//   for i in $(seq 300); do wine64 concurrent_first_reads.exe clip.avi || echo crashed; done
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <cstring>

namespace {
const wchar_t* path = nullptr;

DWORD WINAPI Detect(void*) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IMediaDet* detector = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                                   reinterpret_cast<void**>(&detector)))) {
        BSTR name = SysAllocString(path);
        detector->put_Filename(name);
        SysFreeString(name);
        detector->Release();
    }
    CoUninitialize();
    return 0;
}

DWORD WINAPI Render(void*) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IGraphBuilder* graph = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                   reinterpret_cast<void**>(&graph)))) {
        graph->RenderFile(path, nullptr);
        graph->Release();
    }
    CoUninitialize();
    return 0;
}

void EnumerateFilters() {
    IFilterMapper2* mapper = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FilterMapper2, nullptr, CLSCTX_INPROC_SERVER, IID_IFilterMapper2,
                                reinterpret_cast<void**>(&mapper))))
        return;
    IEnumMoniker* found = nullptr;
    if (SUCCEEDED(mapper->EnumMatchingFilters(&found, 0, FALSE, MERIT_DO_NOT_USE, FALSE, 0, nullptr, nullptr,
                                              nullptr, FALSE, FALSE, 0, nullptr, nullptr, nullptr)) &&
        found)
        found->Release();
    mapper->Release();
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    path = argv[1];
    CoInitialize(nullptr);
    if (argc > 2 && wcscmp(argv[2], L"prepared") == 0) EnumerateFilters();
    HANDLE threads[2] = {CreateThread(nullptr, 0, Detect, nullptr, 0, nullptr),
                         CreateThread(nullptr, 0, Render, nullptr, 0, nullptr)};
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    return 0;
}
