// What one close and open of the clip through the main window's Open dialog leaves behind, against
// what the platform itself keeps for a bare program of the same three objects (a media detector
// reads the file and its stream types; a graph is built for the picture size; a second graph is
// built, run for as long as the player's cycle plays, and stopped), all in one run: the Linux
// process's anonymous memory, threads and descriptors, and Windows' PagefileUsage and handles.
// The bare program runs once with every call on one thread, once with each file-reading call on a
// fresh thread in a multithreaded apartment of its own.
//   bench_open_close_cost.exe movie [cycles]
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <cstdio>
#include <functional>

#include "framework/Scoped.h"
#include "hostile/ProcessCounters.h"
#include "resources/resource.h"
#include "ui/MainWindow.h"

namespace {
const DWORD kPlayMs = 1000;  // how long each cycle plays, the player's and the bare one alike

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

// Per-cycle growth between two readings.
struct Growth {
    double anonymousMb, pagefileMb, linuxThreads, descriptors, handles;
};

Growth Measure(const char* what, int cycles, const std::function<void()>& cycle) {
    for (int i = 0; i < 3; ++i) cycle();  // warm-up: codecs, caches, the platform's one-off threads
    Pump(3000);
    ProcessCounters before = ReadProcessCounters();
    for (int i = 0; i < cycles; ++i) cycle();
    Pump(3000);  // threads the platform ends late
    ProcessCounters after = ReadProcessCounters();
    Growth g = {(after.anonymousBytes - before.anonymousBytes) / 1048576.0 / cycles,
                (after.privateBytes - before.privateBytes) / 1048576.0 / cycles,
                double(after.linuxThreads - before.linuxThreads) / cycles,
                double(after.descriptors - before.descriptors) / cycles, double(after.handles - before.handles) / cycles};
    printf("%-34s %+7.2f MB anonymous %+7.2f MB PagefileUsage %+5.2f threads %+6.2f descriptors %+7.2f handles\n",
           what, g.anonymousMb, g.pagefileMb, g.linuxThreads, g.descriptors, g.handles);
    fflush(stdout);
    return g;
}

// A file-reading call on a thread of its own, in a multithreaded apartment of its own.
void OnFreshThread(const std::function<void()>& call) {
    auto run = [](void* parameter) -> DWORD {
        HRESULT init = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        (*static_cast<const std::function<void()>*>(parameter))();
        if (SUCCEEDED(init)) CoUninitialize();
        return 0;
    };
    HANDLE thread = CreateThread(nullptr, 0, run, const_cast<std::function<void()>*>(&call), 0, nullptr);
    if (!thread) return;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
}

using CallRunner = void (*)(const std::function<void()>&);

void OnThisThread(const std::function<void()>& call) { call(); }

void DetectorScan(const wchar_t* path, CallRunner reading) {
    ScopedCom<IMediaDet> detector;
    CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet, detector.OutVoid());
    if (!detector) return;
    reading([&] {
        ScopedBstr name(SysAllocString(path));
        long streams = 0;
        if (FAILED(detector->put_Filename(name.Get())) || FAILED(detector->get_OutputStreams(&streams))) return;
        for (long i = 0; i < streams; ++i) {
            AM_MEDIA_TYPE type = {};
            double value = 0;
            if (FAILED(detector->put_CurrentStream(i))) continue;
            detector->get_StreamLength(&value);
            detector->get_FrameRate(&value);
            if (FAILED(detector->get_StreamMediaType(&type))) continue;
            CoTaskMemFree(type.pbFormat);
            if (type.pUnk) type.pUnk->Release();
        }
        detector.Release();
    });
}

void BareOpen(const wchar_t* path, CallRunner reading) {
    DetectorScan(path, reading);
    for (int pass = 0; pass < 2; ++pass) {
        ScopedCom<IGraphBuilder> graph;
        CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, graph.OutVoid());
        if (!graph) return;
        HRESULT rendered = E_FAIL;
        reading([&] { rendered = graph->RenderFile(path, nullptr); });
        if (FAILED(rendered)) return;
        if (pass == 0) {
            ScopedCom<IBasicVideo> video;
            long width = 0;
            if (SUCCEEDED(graph->QueryInterface(IID_IBasicVideo, video.OutVoid()))) video->get_VideoWidth(&width);
            continue;
        }
        ScopedCom<IMediaControl> control;
        if (FAILED(graph->QueryInterface(IID_IMediaControl, control.OutVoid()))) return;
        control->Pause();
        control->Run();
        Pump(kPlayMs);
        control->Stop();
    }
}

// Answers the Open dialog from another thread: types the name and presses OK.
struct DialogAnswer {
    HWND owner;
    const wchar_t* name;
    volatile LONG running = 1;
};

DWORD WINAPI AnswerDialogs(void* parameter) {
    DialogAnswer* answer = static_cast<DialogAnswer*>(parameter);
    while (answer->running) {
        HWND dialog = FindWindowW(L"#32770", nullptr);
        if (dialog && GetWindow(dialog, GW_OWNER) == answer->owner && IsWindowVisible(dialog)) {
            // The name box: a combo box in the explorer style, an edit box before it.
            SetDlgItemTextW(dialog, 0x47c, answer->name);
            SetDlgItemTextW(dialog, 0x480, answer->name);
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            while (answer->running && IsWindow(dialog)) Sleep(10);
        }
        Sleep(20);
    }
    return 0;
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
    if (ReadProcessCounters().anonymousBytes < 0) printf("(no Linux figures: not under Wine)\n");
    printf("per cycle, over %d cycles after 3 of warm-up, each playing %lu ms:\n", cycles, kPlayMs);
    MainWindow window;
    window.Create(IDD_MAIN, nullptr);
    Growth oneThread = Measure("bare program, one thread", cycles, [&] { BareOpen(wide, OnThisThread); });
    Measure("bare program, fresh MTA threads", cycles, [&] { BareOpen(wide, OnFreshThread); });
    DialogAnswer choose = {window.m_hWnd, wide};
    HANDLE answering = CreateThread(nullptr, 0, AnswerDialogs, &choose, 0, nullptr);
    Growth player = Measure("player, close + Open dialog", cycles, [&] {
        SendMessageW(window.m_hWnd, WM_COMMAND, ID_FILE_CLOSE_CMD, 0);
        SendMessageW(window.m_hWnd, WM_COMMAND, ID_FILE_OPEN_CMD, 0);
        Pump(kPlayMs);
    });
    choose.running = 0;
    WaitForSingleObject(answering, INFINITE);
    CloseHandle(answering);
    printf("player beyond the one-thread program: %+.2f MB anonymous (goal: at most +0.50), %+.2f threads, "
           "%+.2f descriptors (goal: at most 0)\n",
           player.anonymousMb - oneThread.anonymousMb, player.linuxThreads - oneThread.linuxThreads,
           player.descriptors - oneThread.descriptors);
    window.DestroyWindow();
    CoUninitialize();
    return 0;
}
