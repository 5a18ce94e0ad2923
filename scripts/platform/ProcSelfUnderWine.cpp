// What a program under Wine reads as Z:\proc\self, and what Windows' PagefileUsage counts there.
// A graph of the clip is built, run for a second, stopped and released, so that GStreamer allocates
// on the Linux side of the process; before and after, the program prints the name and anonymous
// memory of Z:\proc\self and of Z:\proc\<the Linux process's own number>, and PagefileUsage.
//   proc_self_under_wine.exe <clip.avi>
// Wine 8 here, with clip.avi of scripts/make-test-media.sh:
// - Z:\proc\self is the wineserver ("wineserver64"; 6840 kB anonymous before and after): Wine's
//   server opens every file, so "self" is resolved in the server.
// - The program's own entry, found through the getpid system call, names the program, and its
//   Anonymous grows with the graph (3192 kB to 18364 kB).
// - PagefileUsage equals that Anonymous, before and after (3192 kB, 18364 kB): Wine fills it from
//   the process's RssAnon and VmSwap, so it counts what GStreamer allocates as well.
#include <windows.h>
#include <dshow.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// The first line of a /proc file that starts with label, without the label.
void ProcLine(const char* file, const char* label, char* value, size_t size) {
    snprintf(value, size, "?");
    FILE* in = fopen(file, "rb");
    if (!in) return;
    char line[256];
    while (fgets(line, sizeof(line), in)) {
        if (strncmp(line, label, strlen(label)) != 0) continue;
        char* text = line + strlen(label);
        while (*text == ' ' || *text == '\t') ++text;
        text[strcspn(text, "\r\n")] = 0;
        snprintf(value, size, "%s", text);
        break;
    }
    fclose(in);
}

void Show(const char* when, long unixId) {
    char folders[2][64];
    snprintf(folders[0], sizeof(folders[0]), "Z:\\proc\\self");
    snprintf(folders[1], sizeof(folders[1]), "Z:\\proc\\%ld", unixId);
    for (const char* folder : folders) {
        char file[96], name[64], anonymous[64];
        snprintf(file, sizeof(file), "%s\\status", folder);
        ProcLine(file, "Name:", name, sizeof(name));
        snprintf(file, sizeof(file), "%s\\smaps_rollup", folder);
        ProcLine(file, "Anonymous:", anonymous, sizeof(anonymous));
        printf("%-6s %-16s is %-16s Anonymous %s\n", when, folder, name, anonymous);
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    printf("%-6s PagefileUsage %llu kB\n", when, static_cast<unsigned long long>(memory.PagefileUsage / 1024));
}

void RunGraph(const wchar_t* path) {
    IGraphBuilder* graph = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&graph))))
        return;
    IMediaControl* control = nullptr;
    if (SUCCEEDED(graph->RenderFile(path, nullptr)) &&
        SUCCEEDED(graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control)))) {
        control->Run();
        Sleep(1000);
        control->Stop();
        control->Release();
    }
    graph->Release();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printf("usage: proc_self_under_wine <clip.avi>\n");
        return 2;
    }
    long unixId = -1;  // getpid, which Wine 8 passes to the kernel
    __asm__ volatile("syscall" : "=a"(unixId) : "a"(39L) : "rcx", "r11", "memory");
    wchar_t path[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path, MAX_PATH);
    CoInitialize(nullptr);
    Show("before", unixId);
    RunGraph(path);
    Show("after", unixId);
    CoUninitialize();
    return 0;
}
