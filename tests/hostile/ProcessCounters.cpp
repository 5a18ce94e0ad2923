#include "hostile/ProcessCounters.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
// The layout of SystemHandleInformation (class 16), which Wine's server fills.
struct HandleEntry {
    ULONG ownerPid;
    UCHAR objectType, flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};
struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};
using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

long long KernelHandles() {
    auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    while (query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) != 0) {
        if (buffer.size() >= (1u << 28)) return -1;
        buffer.resize(buffer.size() * 4);
    }
    auto* table = reinterpret_cast<HandleTable*>(buffer.data());
    long long count = 0;
    for (ULONG i = 0; i < table->count; ++i) count += table->entries[i].ownerPid == GetCurrentProcessId();
    return count;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM counter) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<long long*>(counter);
    EnumChildWindows(window, [](HWND, LPARAM c) -> BOOL { ++*reinterpret_cast<long long*>(c); return TRUE; }, counter);
    return TRUE;
}

// Wine accepts a handle's 16-bit index alone (as Windows did for 16-bit programs), so every live
// object of a kind is found by trying each index. Regions are left out: Wine makes and frees them
// for its own window bookkeeping, a few more or fewer from one moment to the next.
void CountObjectsByIndex(ProcessCounters* c) {
    c->of[GdiObjects] = c->of[UserObjects] = 0;
    for (UINT_PTR i = 1; i < 0x10000; ++i) {
        DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(i));
        c->of[GdiObjects] += type && type != OBJ_REGION;
    }
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&c->of[UserObjects]));
    for (UINT_PTR i = 1; i < 0x10000; ++i) {
        ICONINFO info;
        if (IsMenu(reinterpret_cast<HMENU>(i))) {
            ++c->of[UserObjects];
        } else if (GetIconInfo(reinterpret_cast<HICON>(i), &info)) {
            ++c->of[UserObjects];
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
    }
}

// The number after label in the first line of a /proc file that starts with it, or -1.
long long ProcField(const std::string& file, const char* label) {
    FILE* in = fopen(file.c_str(), "rb");
    long long value = -1;
    char line[256];
    while (in && value < 0 && fgets(line, sizeof(line), in))
        if (strncmp(line, label, strlen(label)) == 0) value = atoll(line + strlen(label));
    if (in) fclose(in);
    return value;
}

// With the listing's own (one more than a count from outside): only differences are read.
long long DescriptorCount(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\fd\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return -1;
    long long count = 0;
    do count += entry.cFileName[0] != '.';
    while (FindNextFileA(find, &entry));
    FindClose(find);
    return count;
}
}  // namespace

ProcessCounters ReadProcessCounters() {
    ProcessCounters c;
    c.of[Handles] = KernelHandles();
    CountObjectsByIndex(&c);
    // Wine's server opens every file, so Z:\proc\self names the server, not us. The getpid system
    // call, which Wine 8 leaves to the kernel, gives the Linux process's own number.
    long id = -1;
    __asm__ volatile("syscall" : "=a"(id) : "a"(39L) : "rcx", "r11", "memory");
    std::string folder = "Z:\\proc\\" + std::to_string(id);
    long long anonymousKb = ProcField(folder + "\\smaps_rollup", "Anonymous:");
    c.of[AnonymousBytes] = anonymousKb < 0 ? -1 : anonymousKb * 1024;
    c.of[Threads] = ProcField(folder + "\\status", "Threads:");
    c.of[Descriptors] = DescriptorCount(folder);
    return c;
}
