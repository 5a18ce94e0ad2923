#pragma once
// The multimedia library, bound at run time from the system directory instead of linked, so a
// machine without it (or without a sound device) loses only the volume functions.
#include <windows.h>
#include <mmsystem.h>

#include <cstddef>

#include "framework/Scoped.h"

class WinmmLibrary {
public:
    enum Group { GroupMmio = 0, GroupWaveOut, GroupWaveIn, GroupMixer, GroupCount };
    static const int kEntryCount = 37;

    WinmmLibrary() = default;
    virtual ~WinmmLibrary();
    WinmmLibrary(const WinmmLibrary&) = delete;
    WinmmLibrary& operator=(const WinmmLibrary&) = delete;

    // The one instance the program binds and its mixer users call through.
    static WinmmLibrary& Instance();

    // Binds the library of the system directory unless one is bound already; the bound handle or null.
    HMODULE Load();
    // Binds the library at path unless one is bound already; null when it cannot be loaded or has
    // no complete group of entries.
    HMODULE LoadFrom(const char* path);
    // Frees the library and forgets every entry; always true.
    bool Unload();
    // Looks every entry up again; true when at least one group is complete.
    bool ResolveEntryPoints();
    HMODULE Handle() const { return library.Get(); }

    // The library's full path in the system directory; out holds MAX_PATH bytes.
    static bool FindSystemLibraryPath(char* out);
    // The library's path in directory when a file (not a folder) of that name is there.
    static bool LibraryPathIn(const char* directory, char* out, size_t size);

    bool HasMmio() const { return HasGroup(GroupMmio); }
    bool HasWaveOut() const { return HasGroup(GroupWaveOut); }
    bool HasWaveIn() const { return HasGroup(GroupWaveIn); }
    bool HasMixer() const { return HasGroup(GroupMixer); }
    bool HasGroup(int group) const;

    // The mixer functions; each gives MMSYSERR_ERROR (1) when unbound or when the call raises.
    MMRESULT mixerOpen(LPHMIXER mixer, UINT device, DWORD_PTR callback, DWORD_PTR instance, DWORD flags);
    MMRESULT mixerClose(HMIXER mixer);
    MMRESULT mixerGetLineInfoA(HMIXEROBJ mixer, LPMIXERLINEA line, DWORD flags);
    MMRESULT mixerGetLineControlsA(HMIXEROBJ mixer, LPMIXERLINECONTROLSA controls, DWORD flags);
    MMRESULT mixerGetControlDetailsA(HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags);
    MMRESULT mixerSetControlDetails(HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags);

private:
    void ClearEntries();

    ScopedModule library;
    FARPROC entries[kEntryCount] = {};
};
