// Measures an open in a running player, as a drop on its window opens a file (the Open dialog's
// open is the same after the dialog closes): from the drop to the picture showing, against a bare
// RenderFile + Pause of the same file in the same process. Interleaved, 11 runs each; prints the
// medians and their ratio.
#include <windows.h>
#include <dshow.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "BenchClock.h"
#include "framework/Scoped.h"
#include "media/MediaProbe.h"
#include "resources/resource.h"
#include "ui/MainWindow.h"

namespace {
const int kRuns = 11;
const wchar_t* renderPath = nullptr;

void WaitPaused(IMediaControl* control) {
    OAFilterState state;
    while (control->GetState(10, &state) == VFW_S_STATE_INTERMEDIATE) {
    }
}

double BareOpen(const wchar_t* path) {
    double start = Now();
    IGraphBuilder* graph = nullptr;
    CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                     reinterpret_cast<void**>(&graph));
    graph->RenderFile(path, nullptr);
    IMediaControl* control = nullptr;
    graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control));
    control->Pause();
    WaitPaused(control);
    double elapsed = Now() - start;
    control->Stop();
    control->Release();
    graph->Release();
    return elapsed;
}

// A drop of one file, as the shell hands it over; the window frees it.
HDROP DropOf(const char* path) {
    size_t length = strlen(path) + 2;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + length);
    DROPFILES* drop = memory ? static_cast<DROPFILES*>(GlobalLock(memory)) : nullptr;
    if (!drop) return nullptr;
    drop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(drop + 1), path, length - 1);
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// Until the picture's window shows inside the video area.
double DropOpen(MainWindow& window, const char* path) {
    double start = Now();
    SendMessageW(window.m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(path)), 0);
    HWND host = GetDlgItem(window.m_hWnd, IDC_VIDEOHOST);
    while (Now() - start < 10000) {
        HWND picture = GetWindow(host, GW_CHILD);
        if (picture && IsWindowVisible(picture)) break;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(1);
    }
    double elapsed = Now() - start;
    window.CloseMedia();
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// RenderFile on a thread of its own, as the player's worker makes it. Built from platform calls only,
// so the same bench measures an older player too.
DWORD WINAPI RenderOnWorker(void* graph) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    static_cast<IGraphBuilder*>(graph)->RenderFile(renderPath, nullptr);
    CoUninitialize();
    return 0;
}

// The reads an open is made of, each alone, and the detector's probe with the render beside it
// as the player now overlaps them: where the time of an open goes.
void PrintSteps(const char* path, const wchar_t* wide) {
    std::vector<double> probe, size, render, both;
    for (int i = 0; i < kRuns; ++i) {
        MediaFormatInfo info;
        VideoSizeInfo videoSize;
        double start = Now();
        ProbeMedia(path, &info);
        probe.push_back(Now() - start);
        start = Now();
        ProbeVideoSize(path, &videoSize);
        size.push_back(Now() - start);
        ScopedCom<IGraphBuilder> graph;
        CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, graph.OutVoid());
        start = Now();
        graph->RenderFile(wide, nullptr);
        render.push_back(Now() - start);
        ScopedCom<IGraphBuilder> second;
        CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, second.OutVoid());
        start = Now();
        renderPath = wide;
        ScopedHandle worker(CreateThread(nullptr, 0, RenderOnWorker, second.Get(), 0, nullptr));
        ProbeMedia(path, &info);
        WaitForSingleObject(worker.Get(), INFINITE);
        both.push_back(Now() - start);
    }
    printf("steps, median of %d (ms): detector probe %.1f, size graph %.1f, RenderFile %.1f, probe beside "
           "RenderFile %.1f\n",
           kRuns, Median(probe), Median(size), Median(render), Median(both));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printf("usage: open_latency movie\n");
        return 2;
    }
    CoInitialize(nullptr);
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, wide, MAX_PATH);
    MainWindow window("Software\\CorvantileTest\\Bench");  // never the user's settings
    window.Create(IDD_MAIN, nullptr);
    BareOpen(wide);  // warm the codecs once for both
    std::vector<double> bare, full;
    for (int i = 0; i < kRuns; ++i) {
        bare.push_back(BareOpen(wide));
        full.push_back(DropOpen(window, argv[1]));
    }
    printf("open in a running player (drop to picture), median of %d: %.1f ms; bare RenderFile + Pause: %.1f ms; "
           "ratio %.2f\n",
           kRuns, Median(full), Median(bare), Median(full) / Median(bare));
    window.DestroyWindow();
    PrintSteps(argv[1], wide);
    CoUninitialize();
    return 0;
}
