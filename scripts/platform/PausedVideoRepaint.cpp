// Whether the platform's video window paints a paused picture again once it was covered, moved
// or invalidated. A graph is built into a child window as the player builds it, paused after the
// build, after 1 s of playing and at the end of the stream, and after each step the picture is
// read back from the screen and compared with what it was.
//   paused_video_repaint.exe <clip.avi>
// Wine 8 here, with still160.avi of scripts/make-test-media.sh drawn at 320 x 240 (76800 pixels),
// three runs alike:
// - The renderer's window belongs to a thread of the graph and paints nothing itself: a stale strip
//   drawn into it stays through InvalidateRect (erasing) and UpdateWindow, 64000 pixels as before.
// - A window or a popup menu of ours over the picture: it comes back (76800), from Wine's copy of
//   the window. Once in about a dozen runs with clip.avi it did not: 3912 as before, 62941 black.
// - The window minimized and restored: all 76800 pixels black, in every state.
// - IBasicVideo::GetCurrentImage gives the frame the renderer holds after the build and after a
//   pause while playing; drawn by us, the picture is whole again (76800). At the end of the stream
//   the renderer holds none (0x8000FFFF).
// - There a seek onto the stop position presents nothing (64000 as before, the rest black); a seek
//   5 ms before it presents the last frame again (76800), and the graph stays paused.
#include <windows.h>
#include <dshow.h>

#include <cstdio>
#include <vector>

namespace {
HWND top, host, video;

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeWindow(const wchar_t* name, DWORD style, int x, int y, int w, int h, HWND parent, int brush) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(brush));
    wc.lpszClassName = name;
    RegisterClassW(&wc);
    return CreateWindowExW(0, name, name, style, x, y, w, h, parent, nullptr, nullptr, nullptr);
}

void Pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

// What the screen shows where the video window is, as 32-bit pixels.
std::vector<DWORD> Screen() {
    RECT r;
    GetWindowRect(video, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), w, -h, 1, 32}};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + w * h);
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::vector<DWORD> picture;

void Report(const char* step) {
    Pump(700);
    std::vector<DWORD> now = Screen();
    size_t same = 0, black = 0;
    for (size_t i = 0; i < now.size() && i < picture.size(); ++i) {
        same += (now[i] & 0xFFFFFF) == (picture[i] & 0xFFFFFF);
        black += (now[i] & 0xFFFFFF) == 0;
    }
    printf("%-58s %6zu of %zu pixels as before, %6zu black\n", step, same, now.size(), black);
}

// A window of the same process over the picture, then gone.
void CoverWithPopup() {
    RECT r;
    GetWindowRect(video, &r);
    HWND cover = MakeWindow(L"cover", WS_POPUP | WS_VISIBLE, r.left + 20, r.top + 20, 200, 120, top, WHITE_BRUSH);
    UpdateWindow(cover);
    Pump(300);
    DestroyWindow(cover);
    Pump(300);
}

// A real popup menu over the picture, ended from a timer inside its modal loop.
void CoverWithMenu() {
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < 5; ++i) AppendMenuW(menu, MF_STRING, 100 + i, L"a line of a menu");
    RECT r;
    GetWindowRect(video, &r);
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        EndMenu();
    });
    TrackPopupMenu(menu, TPM_LEFTALIGN, r.left + 20, r.top + 20, 0, top, nullptr);
    DestroyMenu(menu);
    Pump(300);
}

void MinimizeAndRestore() {
    ShowWindow(top, SW_MINIMIZE);
    Pump(300);
    ShowWindow(top, SW_RESTORE);
    Pump(300);
}

// Stale pixels in the video window, as a copy of moved bits would leave them.
void Smear() {
    HDC dc = GetDC(video);
    RECT r = {0, 0, 320, 40};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(video, dc);
    Pump(300);
}

void InvalidateErasing() {
    InvalidateRect(video, nullptr, TRUE);
    UpdateWindow(video);
    Pump(300);
}

IMediaControl* control = nullptr;
IMediaSeeking* seeking = nullptr;
IBasicVideo* basic = nullptr;

bool DrawCurrentImage() {
    long size = sizeof(BITMAPINFOHEADER) + 320 * 240 * 4;
    std::vector<BYTE> image(size);
    HRESULT hr = basic->GetCurrentImage(&size, reinterpret_cast<long*>(image.data()));
    printf("  GetCurrentImage: 0x%08lx\n", static_cast<unsigned long>(hr));
    if (FAILED(hr)) return false;
    BITMAPINFOHEADER* header = reinterpret_cast<BITMAPINFOHEADER*>(image.data());
    HDC dc = GetDC(video);
    StretchDIBits(dc, 0, 0, 320, 240, 0, 0, header->biWidth, header->biHeight, image.data() + header->biSize,
                  reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS, SRCCOPY);
    ReleaseDC(video, dc);
    return true;
}

// A seek while paused, to target or, when none is given, to where the graph's reading stands but
// never closer than 5 ms to the stop position.
void SeekAndReport(const char* step, LONGLONG target = -1) {
    LONGLONG before = 0, after = 0, stop = 0;
    OAFilterState state = 0;
    seeking->GetCurrentPosition(&before);
    seeking->GetStopPosition(&stop);
    if (target < 0) target = before < stop - 50000 ? before : stop - 50000;
    Smear();
    seeking->SetPositions(&target, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
    control->GetState(5000, &state);
    Pump(300);
    seeking->GetCurrentPosition(&after);
    Report(step);
    printf("    to %lld (stop %lld): state %ld (1 = paused), reading %lld -> %lld\n", target, stop, state, before, after);
}

// Covers and repairs the picture of the paused graph.
void Trial(const char* name, bool atEnd) {
    OAFilterState state = 0;
    control->GetState(5000, &state);
    Pump(500);
    picture = Screen();
    printf("%s (state %ld)\n", name, state);
    Report("  paused picture");
    CoverWithPopup();
    Report("  after a window of ours covered it");
    CoverWithMenu();
    Report("  after a popup menu covered it");
    MinimizeAndRestore();
    Report("  after the window was minimized and restored");
    if (DrawCurrentImage()) Report("  after drawing GetCurrentImage's picture ourselves");
    Smear();
    InvalidateErasing();
    Report("  stale strip, then InvalidateRect(erase) + UpdateWindow");
    if (DrawCurrentImage()) Report("  after drawing GetCurrentImage's picture ourselves");
    if (atEnd) {
        LONGLONG stop = 0;
        seeking->GetStopPosition(&stop);
        SeekAndReport("  stale strip, then a seek onto the stop position", stop);
    }
    SeekAndReport("  stale strip, then a seek to the position");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    CoInitialize(nullptr);
    top = MakeWindow(L"top", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 340, nullptr, LTGRAY_BRUSH);
    host = MakeWindow(L"host", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 320, 240, top, BLACK_BRUSH);
    wchar_t path[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path, MAX_PATH);
    IGraphBuilder* graph = nullptr;
    IVideoWindow* window = nullptr;
    IMediaEvent* events = nullptr;
    CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, reinterpret_cast<void**>(&graph));
    if (!graph || FAILED(graph->RenderFile(path, nullptr))) return 3;
    graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control));
    graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&seeking));
    graph->QueryInterface(IID_IMediaEvent, reinterpret_cast<void**>(&events));
    graph->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(&window));
    graph->QueryInterface(IID_IBasicVideo, reinterpret_cast<void**>(&basic));
    window->put_Owner(reinterpret_cast<OAHWND>(host));
    window->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS);
    window->SetWindowPosition(0, 0, 320, 240);
    control->Pause();
    Pump(300);
    video = GetWindow(host, GW_CHILD);
    printf("video window's thread %lu, ours %lu\n", GetWindowThreadProcessId(video, nullptr), GetCurrentThreadId());
    Trial("paused from the build", false);

    control->Run();
    Pump(1000);
    control->Pause();
    Trial("paused after 1 s of playing", false);

    control->Run();
    long code = 0;
    events->WaitForCompletion(10000, &code);
    control->Pause();
    Trial("paused at the end", true);

    control->Stop();
    window->put_Visible(OAFALSE);
    window->put_Owner(0);
    basic->Release();
    window->Release();
    events->Release();
    seeking->Release();
    control->Release();
    graph->Release();
    DestroyWindow(top);
    CoUninitialize();
    return 0;
}
