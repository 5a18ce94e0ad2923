#pragma once
// What a long run must not grow: kernel handles, GDI and USER objects, private memory and threads,
// and under Wine the Linux process's own figures: its anonymous memory, read exactly, and the
// threads and descriptors that the platform's media code (GStreamer, the sound server's client)
// starts and opens there out of Windows' sight.
#include <windows.h>

struct ProcessCounters {
    long handles = -1;   // -1 when nothing answered
    long gdiObjects = -1;
    long userObjects = -1;
    long long privateBytes = -1;
    long threads = -1;
    long long anonymousBytes = -1;  // the Linux process's anonymous memory, as its smaps_rollup counts it
    long linuxThreads = -1;
    long descriptors = -1;
};

// Wine 8 answers GetProcessHandleCount and GetGuiResources with 0 and leaves PrivateUsage at 0;
// where the documented call gives nothing, the count comes from what Wine does answer.
ProcessCounters ReadProcessCounters();
