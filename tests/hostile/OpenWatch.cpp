#include "hostile/OpenWatch.h"

#include <cstdio>

#include "support/TestSupport.h"

OpenWatch::OpenWatch(HWND watched, DWORD hangLimitMs) : window(watched), hangLimit(hangLimitMs) {
    InitializeCriticalSection(&lock);
    thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

OpenWatch::~OpenWatch() {
    stopping = true;
    // The watcher may be waiting on this thread's window: keep dispatching until it is gone.
    PumpUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, 5000);
    CloseHandle(thread);
    DeleteCriticalSection(&lock);
}

void OpenWatch::BeginCase(const std::string& name) {
    EnterCriticalSection(&lock);
    caseName = name;
    LeaveCriticalSection(&lock);
    longestWait = 0;
    caseStart = GetTickCount();
    printf("[ hostile  ] %s\n", name.c_str());
    fflush(stdout);
}

std::vector<std::string> OpenWatch::TakeMessageBoxes() {
    EnterCriticalSection(&lock);
    std::vector<std::string> seen;
    seen.swap(messageBoxes);
    LeaveCriticalSection(&lock);
    return seen;
}

DWORD WINAPI OpenWatch::Run(void* self) {
    static_cast<OpenWatch*>(self)->Watch();
    return 0;
}

void OpenWatch::Watch() {
    while (!stopping) {
        DWORD before = GetTickCount();
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result);
        DWORD waited = GetTickCount() - before;
        if (waited > longestWait) longestWait = waited;
        CloseStrayDialogs();
        DWORD start = caseStart;
        if (start && GetTickCount() - start > hangLimit) {
            EnterCriticalSection(&lock);
            printf("[ HUNG     ] %s: the window has not come back for %lu s\n", caseName.c_str(), hangLimit / 1000);
            LeaveCriticalSection(&lock);
            fflush(stdout);
            TerminateProcess(GetCurrentProcess(), 3);
        }
        Sleep(50);
    }
}

namespace {
struct StrayDialogSearch {
    HWND mainWindow;
    std::vector<HWND> found;
};

BOOL CALLBACK FindStrayDialog(HWND candidate, LPARAM context) {
    auto* search = reinterpret_cast<StrayDialogSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(candidate, &pid);
    char className[32] = "";
    GetClassNameA(candidate, className, sizeof(className));
    if (pid == GetCurrentProcessId() && candidate != search->mainWindow && IsWindowVisible(candidate) &&
        lstrcmpA(className, "#32770") == 0)
        search->found.push_back(candidate);
    return TRUE;
}
}  // namespace

void OpenWatch::CloseStrayDialogs() {
    StrayDialogSearch search{window, {}};
    EnumWindows(FindStrayDialog, reinterpret_cast<LPARAM>(&search));
    for (HWND dialog : search.found) {
        char title[200] = "";
        GetWindowTextA(dialog, title, sizeof(title));
        EnterCriticalSection(&lock);
        messageBoxes.push_back(title);
        LeaveCriticalSection(&lock);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    }
}

namespace {
struct Ping {
    HWND window;
    DWORD timeout;
    bool answered;
};

DWORD WINAPI SendPing(void* context) {
    auto* ping = static_cast<Ping*>(context);
    DWORD_PTR result = 0;
    ping->answered = SendMessageTimeoutW(ping->window, WM_NULL, 0, 0, SMTO_NORMAL, ping->timeout, &result) != 0;
    return 0;
}
}  // namespace

bool WindowAnswers(HWND window, DWORD timeoutMs) {
    Ping ping{window, timeoutMs, false};
    HANDLE thread = CreateThread(nullptr, 0, SendPing, &ping, 0, nullptr);
    if (!thread) return false;
    PumpUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, timeoutMs + 2000);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return ping.answered;
}
