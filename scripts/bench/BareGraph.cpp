// The floor for a launch to a picture: a program that only builds and pauses the graph of one
// file, whose renderer then shows its window. scripts/bench.sh times it from outside, interleaved
// with the player opening the same file.
//   bench_bare_graph.exe movie
#include <windows.h>
#include <dshow.h>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    CoInitialize(nullptr);
    IGraphBuilder* graph = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&graph))))
        return 1;
    if (FAILED(graph->RenderFile(argv[1], nullptr))) return 1;
    IMediaControl* control = nullptr;
    graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control));
    control->Pause();
    OAFilterState state;
    control->GetState(INFINITE, &state);
    // Until the bench ends it: the picture stays up as the player's does.
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
