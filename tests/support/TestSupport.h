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

#include <vector>

// Writes a shell shortcut file pointing at target (both Windows paths).
bool MakeShortcut(const std::string& shortcut, const std::string& target);
// Writes bytes to a file, replacing it.
bool WriteTestFile(const std::string& path, const std::string& bytes);
// A drop handle holding the given names, as the shell hands one to WM_DROPFILES.
HDROP MakeDropHandle(const std::vector<std::string>& names);
