#pragma once
// Shared helpers of the test executables.
#include <windows.h>

#include <string>
#include <vector>

// Windows path (Z:\...) of a file that scripts/make-test-media.sh generated.
std::string TestMediaPath(const char* name);
// A fresh empty folder for files a test makes, as a Windows path without a trailing backslash.
std::string TestScratchFolder(const char* name);
// Dispatches pending messages for about ms milliseconds.
void PumpMessages(DWORD ms);
// Dispatches messages until done() is true or ms elapse; returns done().
template <class Done>
bool PumpUntil(Done done, DWORD ms) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        PumpMessages(10);
    }
    return true;
}

// Text in the ANSI code page of the test process (UTF-8, as the player's), and back.
std::string AnsiOf(const std::wstring& text);
std::wstring WideOf(const std::string& ansi);
// Writes a shell shortcut file pointing at target (both Windows paths).
bool MakeShortcut(const std::string& shortcut, const std::string& target);
// Writes bytes to a file, replacing it; reads a whole file ("" when it cannot).
bool WriteTestFile(const std::string& path, const std::string& bytes);
std::string ReadTestFile(const std::string& path);
// A drop handle holding the given names, as the shell hands one to WM_DROPFILES.
HDROP MakeDropHandle(const std::vector<std::string>& names);

// A visible top-level window of the class, of this thread; never except.
HWND FindVisibleWindow(const wchar_t* className, HWND except = nullptr);

// A bitmap's pixels read back as bottom-up 24-bit rows; the screen's inside r, read the same way.
std::vector<BYTE> Pixels24(HBITMAP bitmap, int width, int height);
std::vector<BYTE> ScreenPixels(const RECT& r);

// One step of real input, then a pause: a mouse button or relative move (mouseFlags with dx, dy),
// or a key (key, up).
struct InputStep {
    DWORD mouseFlags;
    int dx, dy;
    WORD key;
    bool up;
    DWORD pauseMs;
};
inline InputStep MouseStep(DWORD flags, DWORD pauseMs = 0, int dx = 0, int dy = 0) {
    return {flags, dx, dy, 0, false, pauseMs};
}
inline InputStep KeyStep(WORD key, bool up, DWORD pauseMs = 20) { return {0, 0, 0, key, up, pauseMs}; }

// Sends the steps with SendInput from another thread and returns that thread.
HANDLE StartInput(const std::vector<InputStep>& steps);
// Plays the steps while this thread keeps dispatching with pump(), so a modal loop that the
// input starts (a window drag, a menu) sees the rest of it; then pumps ms more.
template <class Pump>
void PlayInput(const std::vector<InputStep>& steps, Pump pump, DWORD ms = 300) {
    HANDLE thread = StartInput(steps);
    while (WaitForSingleObject(thread, 0) == WAIT_TIMEOUT) pump();
    CloseHandle(thread);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) pump();
}
