#pragma once
// What a long run must not grow: kernel handles, GDI and USER objects, private memory, and (under
// Wine) threads and file descriptors. Each counter says which source answered it.
#include <windows.h>

#include <string>

struct ProcessCounters {
    long handles = -1;   // -1 when nothing answered
    long gdiObjects = -1;
    long userObjects = -1;
    long long privateBytes = -1;
    long threads = -1;
    long fileDescriptors = -1;  // Wine only: entries of the Unix process's fd folder
};

// Wine 8 answers GetProcessHandleCount and GetGuiResources with 0 and leaves PrivateUsage at 0;
// where the documented call gives nothing, the count comes from what Wine does answer.
ProcessCounters ReadProcessCounters();
// Which source gave each counter, for the benchmark's output.
std::string CounterSources();
