#pragma once
// Shared helpers of the test executables.
#include <windows.h>

#include <string>

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
