#include "hostile/ProcessCounters.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
// The layout of SystemHandleInformation (class 16), which Wine's server fills.
struct HandleEntry {
    ULONG ownerPid;
    UCHAR objectType;
    UCHAR flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};
struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};
using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

long KernelHandlesFromSystemTable() {
    auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return -1;
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    while (query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) != 0) {
        if (buffer.size() >= (1u << 28)) return -1;
        buffer.resize(buffer.size() * 4);
    }
    auto* table = reinterpret_cast<HandleTable*>(buffer.data());
    long count = 0;
    for (ULONG i = 0; i < table->count; ++i)
        if (table->entries[i].ownerPid == GetCurrentProcessId()) ++count;
    return count;
}

// Wine accepts a handle's 16-bit index alone (as Windows did for 16-bit programs), so every
// live object of a kind can be found by trying each index. Regions are left out: Wine makes and
// frees them for its own window bookkeeping, a few more or fewer from one moment to the next.
long GdiObjectsByIndex() {
    long count = 0;
    for (UINT_PTR i = 1; i < 0x10000; ++i) {
        DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(i));
        if (type && type != OBJ_REGION) ++count;
    }
    return count;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM counter) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<long*>(counter);
    EnumChildWindows(window, [](HWND, LPARAM c) -> BOOL { ++*reinterpret_cast<long*>(c); return TRUE; }, counter);
    return TRUE;
}

long UserObjectsByIndex() {
    long count = 0;
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    for (UINT_PTR i = 1; i < 0x10000; ++i) {
        ICONINFO info;
        if (IsMenu(reinterpret_cast<HMENU>(i))) {
            ++count;
        } else if (GetIconInfo(reinterpret_cast<HICON>(i), &info)) {
            ++count;
            if (info.hbmColor) DeleteObject(info.hbmColor);
            if (info.hbmMask) DeleteObject(info.hbmMask);
        }
    }
    return count;
}

long ThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    long count = 0;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    CloseHandle(snapshot);
    return count;
}

// Wine's server opens every file, so Z:\proc\self names the server, not us. The getpid system
// call, which Wine 8 leaves to the kernel, gives the Linux process's own number.
long LinuxProcessId() {
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) return -1;
    long id = -1;
    __asm__ volatile("syscall" : "=a"(id) : "a"(39L) : "rcx", "r11", "memory");
    return id;
}

// The number after label in the first line of a /proc file that starts with it, or -1.
long long ProcField(const std::string& file, const char* label) {
    FILE* in = fopen(file.c_str(), "rb");
    if (!in) return -1;
    long long value = -1;
    char line[256];
    size_t length = strlen(label);
    while (value < 0 && fgets(line, sizeof(line), in))
        if (strncmp(line, label, length) == 0) value = atoll(line + length);
    fclose(in);
    return value;
}

// With the listing's own (one more than a count from outside): only differences are read.
long DescriptorCount(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\fd\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return -1;
    long count = 0;
    do {
        if (entry.cFileName[0] != '.') ++count;
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return count;
}

void ReadLinuxCounters(ProcessCounters* counters) {
    long id = LinuxProcessId();
    if (id <= 0) return;
    std::string folder = "Z:\\proc\\" + std::to_string(id);
    long long anonymousKb = ProcField(folder + "\\smaps_rollup", "Anonymous:");
    if (anonymousKb >= 0) counters->anonymousBytes = anonymousKb * 1024;
    counters->linuxThreads = static_cast<long>(ProcField(folder + "\\status", "Threads:"));
    counters->descriptors = DescriptorCount(folder);
}
}  // namespace

ProcessCounters ReadProcessCounters() {
    ProcessCounters counters;
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    counters.handles = handles > 0 ? static_cast<long>(handles) : KernelHandlesFromSystemTable();
    long gdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    long user = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    counters.gdiObjects = gdi > 0 && user > 0 ? gdi : GdiObjectsByIndex();
    counters.userObjects = gdi > 0 && user > 0 ? user : UserObjectsByIndex();
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof(memory))) {
        counters.privateBytes =
            static_cast<long long>(memory.PrivateUsage > 0 ? memory.PrivateUsage : memory.PagefileUsage);
    }
    counters.threads = ThreadCount();
    ReadLinuxCounters(&counters);
    return counters;
}
