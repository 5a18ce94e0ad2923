// Measures the open of a movie through the main window (open call to paused graph) against a bare
// RenderFile + Pause of the same file, five runs each, and prints the medians.
#include <windows.h>
#include <dshow.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchClock.h"
#include "resources/resource.h"
#include "ui/MainWindow.h"

namespace {

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

// Until the paused picture's window shows inside the video area.
double WindowOpen(MainWindow& window, const char* path) {
    double start = Now();
    window.OpenMedia(path, false);
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
    for (int i = 0; i < 5; ++i) {
        bare.push_back(BareOpen(wide));
        full.push_back(WindowOpen(window, argv[1]));
    }
    printf("open through the main window: median %.1f ms\n", Median(full));
    printf("bare RenderFile + Pause:      median %.1f ms\n", Median(bare));
    window.DestroyWindow();
    CoUninitialize();
    return 0;
}
