#include "hostile/ProcessCounters.h"

#include <psapi.h>
#include <tlhelp32.h>

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
    return counters;
}
