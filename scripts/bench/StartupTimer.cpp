// Start-up timing from the Windows side: launches each program in turn, interleaved, and times from
// CreateProcess to the first visible top-level window of that process. Run inside the same Wine
// session as the programs, it leaves out the Unix launcher and any polling from outside.
//   bench_startup_timer.exe runs program-a program-b
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "BenchClock.h"

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}


// Milliseconds from launch to the window shown; a negative answer when it never showed.
double TimeOne(const wchar_t* program) {
    std::vector<wchar_t> line(program, program + wcslen(program) + 1);
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    double start = Now();
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    Search search = {process.dwProcessId, nullptr};
    while (!search.found && Now() - start < 10000) {
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(1);
    }
    double elapsed = Now() - start;
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Sleep(300);
    return search.found ? elapsed : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        fwprintf(stderr, L"usage: %ls runs program-a program-b\n", argv[0]);
        return 2;
    }
    int runs = std::max(1, _wtoi(argv[1]));
    TimeOne(argv[2]);  // the first start of a session warms caches for both
    std::vector<double> a, b;
    for (int i = 0; i < runs; ++i) {
        a.push_back(TimeOne(argv[2]));
        b.push_back(TimeOne(argv[3]));
    }
    for (int i = 0; i < runs; ++i) wprintf(L"%7.1f %7.1f\n", a[i], b[i]);
    double ma = Median(a), mb = Median(b);
    wprintf(L"median of %d interleaved (ms): %.1f and %.1f, ratio %.2f\n", runs, ma, mb, ma / mb);
    return 0;
}
