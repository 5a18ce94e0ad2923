#pragma once
// Measures, from a thread of its own, how long a window takes to answer a sent message while the
// thread that owns it is busy. The owning thread creates and stops it.
#include <windows.h>

class AnswerWatch {
public:
    explicit AnswerWatch(HWND window) : window(window) { thread = CreateThread(nullptr, 0, Watch, this, 0, nullptr); }
    ~AnswerWatch() { Stop(); }
    AnswerWatch(const AnswerWatch&) = delete;
    AnswerWatch& operator=(const AnswerWatch&) = delete;

    // The longest wait for an answer, in milliseconds. Answers the watch's last message itself
    // while it waits for the watch to end.
    DWORD Stop() {
        InterlockedExchange(&done, 1);
        while (thread && MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        if (thread) CloseHandle(thread);
        thread = nullptr;
        return longest;
    }

private:
    static DWORD WINAPI Watch(void* parameter) {
        auto* self = static_cast<AnswerWatch*>(parameter);
        while (!InterlockedCompareExchange(&self->done, 0, 0)) {
            DWORD start = GetTickCount();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(self->window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
            DWORD took = GetTickCount() - start;
            if (took > self->longest) self->longest = took;
            Sleep(50);
        }
        return 0;
    }

    HWND window;
    HANDLE thread = nullptr;
    LONG done = 0;
    volatile DWORD longest = 0;
};
