#include "audio/WinmmLibrary.h"

#include <cstring>

#include "audio/FaultGuard.h"
#include "framework/AnsiChars.h"

namespace {

const char kLibraryName[] = "winmm.dll";

// Looked up in this order; the groups below cut the table into consecutive runs.
const char* const kEntryNames[WinmmLibrary::kEntryCount] = {
    // mmio
    "mmioOpenA", "mmioClose", "mmioDescend", "mmioAscend", "mmioRead", "mmioWrite", "mmioSeek", "mmioFlush",
    "mmioCreateChunk", "mmioStringToFOURCCA",
    // waveOut
    "waveOutGetNumDevs", "waveOutGetDevCapsA", "waveOutOpen", "waveOutClose", "waveOutPrepareHeader",
    "waveOutUnprepareHeader", "waveOutWrite", "waveOutPause", "waveOutRestart", "waveOutReset",
    "waveOutGetPosition",
    // waveIn
    "waveInGetNumDevs", "waveInGetDevCapsA", "waveInOpen", "waveInClose", "waveInPrepareHeader",
    "waveInUnprepareHeader", "waveInAddBuffer", "waveInStart", "waveInStop", "waveInReset",
    // mixer
    "mixerOpen", "mixerClose", "mixerGetLineInfoA", "mixerGetLineControlsA", "mixerGetControlDetailsA",
    "mixerSetControlDetails"};

struct GroupRange {
    int first;
    int end;
};
const GroupRange kGroups[WinmmLibrary::GroupCount] = {{0, 10}, {10, 21}, {21, 31}, {31, 37}};

enum MixerEntry {
    kMixerOpen = 31,
    kMixerClose,
    kMixerGetLineInfoA,
    kMixerGetLineControlsA,
    kMixerGetControlDetailsA,
    kMixerSetControlDetails
};

bool GroupComplete(const FARPROC* entries, int group) {
    for (int i = kGroups[group].first; i < kGroups[group].end; ++i)
        if (!entries[i]) return false;
    return true;
}

// Whether the last character is a backslash; a Shift-JIS trail byte of the same value is not one.
bool EndsWithBackslash(const char* text) {
    bool last = false;
    CharRule rule = AnsiCharRule();
    for (const char* p = text; *p; p += CharBytes(p, rule)) last = *p == '\\';
    return last;
}

// A driver that faults inside a call fails that call, like a missing entry.
template <class Call>
MMRESULT Guarded(Call call) {
    MMRESULT result = MMSYSERR_ERROR;
    if (!RunGuarded([&] { result = call(); })) return MMSYSERR_ERROR;
    return result;
}

using MixerOpenFn = MMRESULT(WINAPI*)(LPHMIXER, UINT, DWORD_PTR, DWORD_PTR, DWORD);
using MixerCloseFn = MMRESULT(WINAPI*)(HMIXER);
using MixerLineInfoFn = MMRESULT(WINAPI*)(HMIXEROBJ, LPMIXERLINEA, DWORD);
using MixerLineControlsFn = MMRESULT(WINAPI*)(HMIXEROBJ, LPMIXERLINECONTROLSA, DWORD);
using MixerDetailsFn = MMRESULT(WINAPI*)(HMIXEROBJ, LPMIXERCONTROLDETAILS, DWORD);

}  // namespace

WinmmLibrary::~WinmmLibrary() { Unload(); }

WinmmLibrary& WinmmLibrary::Instance() {
    static WinmmLibrary instance;
    return instance;
}

HMODULE WinmmLibrary::Load() {
    if (library.Get()) return library.Get();
    char path[MAX_PATH];
    if (!FindSystemLibraryPath(path)) return nullptr;
    return LoadFrom(path);
}

HMODULE WinmmLibrary::LoadFrom(const char* path) {
    if (library.Get() || !path) return library.Get();
    library.Reset(LoadLibraryA(path));
    if (!ResolveEntryPoints()) Unload();
    return library.Get();
}

bool WinmmLibrary::Unload() {
    library.Reset(nullptr);
    ClearEntries();
    return true;
}

void WinmmLibrary::ClearEntries() {
    for (FARPROC& entry : entries) entry = nullptr;
}

bool WinmmLibrary::ResolveEntryPoints() {
    ClearEntries();
    if (!library.Get()) return false;
    for (int i = 0; i < kEntryCount; ++i) entries[i] = GetProcAddress(library.Get(), kEntryNames[i]);
    // A group missing even one entry is unusable as a whole.
    bool anyComplete = false;
    for (int group = 0; group < GroupCount; ++group) {
        if (GroupComplete(entries, group)) {
            anyComplete = true;
            continue;
        }
        for (int i = kGroups[group].first; i < kGroups[group].end; ++i) entries[i] = nullptr;
    }
    return anyComplete;
}

bool WinmmLibrary::HasGroup(int group) const {
    return group >= 0 && group < GroupCount && library.Get() && GroupComplete(entries, group);
}

bool WinmmLibrary::FindSystemLibraryPath(char* out) {
    char directory[MAX_PATH];
    UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    // A result this large is the size the directory would need, and the buffer holds no path.
    if (length == 0 || length >= MAX_PATH) return false;
    return LibraryPathIn(directory, out, MAX_PATH);
}

bool WinmmLibrary::LibraryPathIn(const char* directory, char* out, size_t size) {
    if (!directory || !out || !*directory) return false;
    const char* separator = EndsWithBackslash(directory) ? "" : "\\";
    size_t length = strlen(directory) + strlen(separator) + strlen(kLibraryName);
    char path[MAX_PATH];
    if (length >= sizeof(path) || length >= size) return false;
    strcpy(path, directory);
    strcat(path, separator);
    strcat(path, kLibraryName);
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    memcpy(out, path, length + 1);
    return true;
}

// ---- Mixer calls: a missing entry or a call that raises both read as MMSYSERR_ERROR ----

MMRESULT WinmmLibrary::mixerOpen(LPHMIXER mixer, UINT device, DWORD_PTR callback, DWORD_PTR instance, DWORD flags) {
    auto call = reinterpret_cast<MixerOpenFn>(entries[kMixerOpen]);
    if (!call) return MMSYSERR_ERROR;
    return Guarded([&] { return call(mixer, device, callback, instance, flags); });
}

MMRESULT WinmmLibrary::mixerClose(HMIXER mixer) {
    auto call = reinterpret_cast<MixerCloseFn>(entries[kMixerClose]);
    if (!call) return MMSYSERR_ERROR;
    return Guarded([&] { return call(mixer); });
}

MMRESULT WinmmLibrary::mixerGetLineInfoA(HMIXEROBJ mixer, LPMIXERLINEA line, DWORD flags) {
    auto call = reinterpret_cast<MixerLineInfoFn>(entries[kMixerGetLineInfoA]);
    if (!call) return MMSYSERR_ERROR;
    return Guarded([&] { return call(mixer, line, flags); });
}

MMRESULT WinmmLibrary::mixerGetLineControlsA(HMIXEROBJ mixer, LPMIXERLINECONTROLSA controls, DWORD flags) {
    auto call = reinterpret_cast<MixerLineControlsFn>(entries[kMixerGetLineControlsA]);
    if (!call) return MMSYSERR_ERROR;
    return Guarded([&] { return call(mixer, controls, flags); });
}

MMRESULT WinmmLibrary::mixerGetControlDetailsA(HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags) {
    auto call = reinterpret_cast<MixerDetailsFn>(entries[kMixerGetControlDetailsA]);
    if (!call) return MMSYSERR_ERROR;
    return Guarded([&] { return call(mixer, details, flags); });
}

MMRESULT WinmmLibrary::mixerSetControlDetails(HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags) {
    auto call = reinterpret_cast<MixerDetailsFn>(entries[kMixerSetControlDetails]);
    if (!call) return MMSYSERR_ERROR;
    return Guarded([&] { return call(mixer, details, flags); });
}
