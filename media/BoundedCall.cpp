#include "media/BoundedCall.h"

#include <objbase.h>

#include <cstdio>
#include <memory>
#include <new>

#include "framework/Scoped.h"

// Shared by the caller and the worker; whichever lets go last frees it, so a caller that gave up
// leaves nothing the worker still needs.
struct BoundedWork {
    std::function<void()> call;
    ScopedHandle done;
    DWORD started = 0;
    LONG refs = 2;
};

namespace {
const DWORD kDefaultLimit = 6000;
DWORD limit = kDefaultLimit;
LONG abandoned = 0;

void LetGo(BoundedWork* work) {
    if (InterlockedDecrement(&work->refs) == 0) delete work;
}

DWORD WINAPI WorkerMain(void* parameter) {
    BoundedWork* work = static_cast<BoundedWork*>(parameter);
    // A multithreaded apartment of its own: the objects reached here are free to be called from
    // any thread, and nothing here may wait for the user-interface thread.
    HRESULT init = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    try {
        work->call();
        // What the call holds goes now, so a caller that sees it done owns all that is left.
        work->call = nullptr;
    } catch (...) {
    }
    if (SUCCEEDED(init)) CoUninitialize();
    SetEvent(work->done.Get());
    LetGo(work);
    return 0;
}

// Paints and sent messages only: input and posted commands wait in the queue, so no command can
// start another open, or close the window, in the middle of this one.
void ServeWindowsWhileWaiting() {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
}

bool WaitServingWindows(HANDLE done, DWORD timeout) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeout) return WaitForSingleObject(done, 0) == WAIT_OBJECT_0;
        DWORD woke = MsgWaitForMultipleObjects(1, &done, FALSE, timeout - elapsed, QS_SENDMESSAGE | QS_PAINT);
        if (woke == WAIT_OBJECT_0) return true;
        if (woke != WAIT_OBJECT_0 + 1) return WaitForSingleObject(done, 0) == WAIT_OBJECT_0;
        ServeWindowsWhileWaiting();
    }
}
}  // namespace

BoundedCall::~BoundedCall() { Finish(); }

bool BoundedCall::Start(std::function<void()> call) {
    Finish();
    std::unique_ptr<BoundedWork> fresh(new (std::nothrow) BoundedWork);
    if (!fresh) return false;
    fresh->call = std::move(call);
    fresh->done.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    fresh->started = GetTickCount();
    if (!fresh->done.IsValid()) return false;
    // The thread runs on by itself; its handle is not needed to know when the call is over.
    ScopedHandle thread(CreateThread(nullptr, 0, WorkerMain, fresh.get(), 0, nullptr));
    if (!thread.IsValid()) return false;
    work = fresh.release();
    finished = false;
    return true;
}

bool BoundedCall::Finish() {
    if (!work) return finished;
    DWORD elapsed = GetTickCount() - work->started;
    finished = WaitServingWindows(work->done.Get(), elapsed < limit ? limit - elapsed : 0);
    if (!finished) InterlockedIncrement(&abandoned);
    LetGo(work);
    work = nullptr;
    return finished;
}

bool CallWithinLimit(std::function<void()> call) {
    BoundedCall bounded;
    return bounded.Start(std::move(call)) && bounded.Finish();
}

bool WaitWithinLimit(HANDLE event) { return WaitServingWindows(event, limit); }

void SetPlatformCallLimit(DWORD milliseconds) { limit = milliseconds ? milliseconds : kDefaultLimit; }

bool AnyCallAbandoned() { return InterlockedCompareExchange(&abandoned, 0, 0) != 0; }

void EndProcessIfCallsAbandoned(UINT exitCode) {
    if (!AnyCallAbandoned()) return;
    fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), exitCode);
}
