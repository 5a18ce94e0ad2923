// What one open/close cycle of the main window leaves behind, against what the platform itself
// keeps for a bare graph and a bare media detector of the same clip, measured in the same run:
// threads, handles, file descriptors (Wine lists its own under /proc/self/fd) and private bytes.
#include <windows.h>
#include <dshow.h>
#include <psapi.h>
#include <qedit.h>

#include <cstdio>
#include <functional>
#include <string>

#include "hostile/ProcessCounters.h"
#include "resources/resource.h"
#include "ui/MainWindow.h"

namespace {
// Wine opens files from its server, so /proc/self inside the program describes the wineserver:
// the Linux threads and descriptors are counted from outside (scripts/bench/open-close-cost.sh),
// which reads them while the program holds still after writing a mark.
void Mark(const char* label) {
    const char* marks = getenv("CORVANTILE_BENCH_MARKS");
    if (!marks) return;
    FILE* file = fopen(marks, "a");
    if (!file) return;
    fprintf(file, "%s\n", label);
    fclose(file);
    Sleep(1500);
}


void Pump(DWORD ms) {
    DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

void Report(const char* what, int cycles, const std::function<void()>& cycle) {
    for (int i = 0; i < 3; ++i) cycle();  // warm-up: codecs, caches, the platform's one-off threads
    Pump(500);
    Mark((std::string(what) + " before").c_str());
    ProcessCounters before = ReadProcessCounters();
    for (int i = 0; i < cycles; ++i) cycle();
    Pump(3000);  // threads the platform ends late
    Mark((std::string(what) + " after").c_str());
    ProcessCounters after = ReadProcessCounters();
    printf("%-25s per cycle: %+.2f threads, %+.2f handles, %+.3f MB private (%d cycles)\n", what,
           double(after.threads - before.threads) / cycles, double(after.handles - before.handles) / cycles,
           (after.privateBytes - before.privateBytes) / 1048576.0 / cycles, cycles);
    fflush(stdout);
}

// As the native-size probe uses a graph: built, asked, released, never run.
void BareBuiltGraph(const wchar_t* path) {
    IGraphBuilder* graph = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&graph))))
        return;
    graph->RenderFile(path, nullptr);
    graph->Release();
}

void BareGraph(const wchar_t* path) {
    IGraphBuilder* graph = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&graph))))
        return;
    graph->RenderFile(path, nullptr);
    IMediaControl* control = nullptr;
    graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control));
    control->Run();
    Pump(300);
    control->Stop();
    control->Release();
    graph->Release();
}

// Answers the Open dialog from another thread: types the name and presses OK, or cancels.
struct DialogAnswer {
    HWND owner;
    const wchar_t* name;  // null: cancel
    volatile LONG running = 1;
};

DWORD WINAPI AnswerDialogs(void* parameter) {
    DialogAnswer* answer = static_cast<DialogAnswer*>(parameter);
    while (answer->running) {
        HWND dialog = FindWindowW(L"#32770", nullptr);
        if (dialog && GetWindow(dialog, GW_OWNER) == answer->owner && IsWindowVisible(dialog)) {
            if (answer->name) {  // the name box: a combo box in the explorer style, an edit box before it
                SetDlgItemTextW(dialog, 0x47c, answer->name);
                SetDlgItemTextW(dialog, 0x480, answer->name);
            }
            PostMessageW(dialog, WM_COMMAND, answer->name ? IDOK : IDCANCEL, 0);
            while (answer->running && IsWindow(dialog)) Sleep(10);
        }
        Sleep(20);
    }
    return 0;
}

void BareDetector(const wchar_t* path) {
    IMediaDet* detector = nullptr;
    if (FAILED(CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                                reinterpret_cast<void**>(&detector))))
        return;
    BSTR name = SysAllocString(path);
    detector->put_Filename(name);
    SysFreeString(name);
    detector->Release();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printf("usage: open_close_cost movie [cycles]\n");
        return 2;
    }
    int cycles = argc > 2 ? atoi(argv[2]) : 20;
    CoInitialize(nullptr);
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, wide, MAX_PATH);
    MainWindow window;
    window.Create(IDD_MAIN, nullptr);
    Report("bare graph (platform)", cycles, [&] { BareGraph(wide); });
    Report("bare media detector", cycles, [&] { BareDetector(wide); });
    Report("bare graph, never run", cycles, [&] { BareBuiltGraph(wide); });
    Report("main window open+close", cycles, [&] {
        window.OpenMedia(argv[1], true);
        Pump(300);
        window.CloseMedia();
    });
    DialogAnswer cancel = {window.m_hWnd, nullptr};
    HANDLE answering = CreateThread(nullptr, 0, AnswerDialogs, &cancel, 0, nullptr);
    Report("Open dialog, cancelled", cycles, [&] { SendMessageW(window.m_hWnd, WM_COMMAND, ID_FILE_OPEN_CMD, 0); });
    cancel.running = 0;
    WaitForSingleObject(answering, INFINITE);
    CloseHandle(answering);
    DialogAnswer choose = {window.m_hWnd, wide};
    answering = CreateThread(nullptr, 0, AnswerDialogs, &choose, 0, nullptr);
    Report("close+open via the dialog", cycles, [&] {
        SendMessageW(window.m_hWnd, WM_COMMAND, ID_FILE_CLOSE_CMD, 0);
        SendMessageW(window.m_hWnd, WM_COMMAND, ID_FILE_OPEN_CMD, 0);
        Pump(300);
    });
    choose.running = 0;
    WaitForSingleObject(answering, INFINITE);
    CloseHandle(answering);
    ProcessCounters end = ReadProcessCounters();
    printf("at the end: %ld threads, %ld handles, %.1f MB private\n", end.threads, end.handles,
           end.privateBytes / 1048576.0);
    window.DestroyWindow();
    CoUninitialize();
    return 0;
}
