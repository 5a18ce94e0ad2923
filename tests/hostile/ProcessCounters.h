#pragma once
// What a long run must not grow, as Wine 8 lets it be read (it answers GetProcessHandleCount and
// GetGuiResources with 0): kernel handles, GDI and USER objects, and the Linux process's threads,
// descriptors and anonymous memory, which take in what the platform's media code (GStreamer, the
// sound server's client) starts and opens out of Windows' sight.
#include <windows.h>

enum Counter { Handles, GdiObjects, UserObjects, Threads, Descriptors, AnonymousBytes, CounterCount };

struct ProcessCounters {
    long long of[CounterCount];  // -1 where nothing answered
};

ProcessCounters ReadProcessCounters();
