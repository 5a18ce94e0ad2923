#include "media/ShellUtil.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>

#include "framework/Scoped.h"
#include "media/PathText.h"
#include "media/directshow/DirectShowServices.h"

namespace {
bool comStarted = false;
const int kLongPathBytes = 4 * MAX_PATH;

// Copies text into out only when it fits whole; a cut path would name another file.
bool CopyWhole(const char* text, char* out, size_t size) {
    size_t length = strlen(text);
    if (length >= size) return false;
    memcpy(out, text, length + 1);
    return true;
}

// A folder named in characters that the code page lacks (Korean ones under a Japanese code
// page) is reached through its short name, which is plain ASCII where the volume keeps them.
bool ExecutablePath(char* out) {
    wchar_t module[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    if (NarrowWithoutLoss(module, out)) return true;
    wchar_t shortPath[MAX_PATH];
    length = GetShortPathNameW(module, shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH && NarrowWithoutLoss(shortPath, out);
}
}  // namespace

// The narrow path would otherwise carry '?' for a character the code page lacks.
bool NarrowWithoutLoss(const wchar_t* wide, char* out) {
    // UTF-8 holds every character, and takes neither the flag nor the question.
    if (GetACP() == CP_UTF8) return WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, MAX_PATH, nullptr, nullptr) > 0;
    BOOL lossy = FALSE;
    return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, out, MAX_PATH, nullptr, &lossy) > 0 &&
           !lossy;
}

bool FileNameOfPath(const char* path, char* out, size_t size) {
    if (!path || !out || size == 0) return false;
    if (CopyWhole(FinalPathComponent(path), out, size)) return true;
    out[0] = '\0';
    return false;
}

double FileSize(const char* path) {
    if (!path) return 0.0;
    ScopedHandle file(
        CreateFileA(path, 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return 0.0;
    DWORD high = 0;
    SetLastError(NO_ERROR);
    DWORD low = GetFileSize(file.Get(), &high);
    // All ones is also a real low half, so only the error code tells a failure apart.
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return 0.0;
    return high * 4294967296.0 + low;
}

bool PathBesideExecutable(const char* name, char* out) {
    if (!name || !out) return false;
    char module[MAX_PATH];
    if (!ExecutablePath(module)) return false;
    size_t directoryLength = static_cast<size_t>(FinalPathComponent(module) - module);
    size_t nameLength = strlen(name);
    if (directoryLength + nameLength >= MAX_PATH) return false;
    memcpy(out, module, directoryLength);
    memcpy(out + directoryLength, name, nameLength + 1);
    return true;
}

bool ResolveShortcut(const char* path, char* out) {
    if (!path || !out) return false;
    WIN32_FIND_DATAA findData = {};
    ScopedFind find(FindFirstFileA(path, &findData));
    if (!find.IsValid()) return false;
    ScopedComInit com;
    ScopedCom<IShellLinkA> link;
    if (CreateShellLink(link.Out()) != S_OK || !link) return false;

    wchar_t widePath[MAX_PATH];
    if (!WidePath(path, widePath)) return false;
    bool loaded = false;
    {
        ScopedCom<IPersistFile> persist;
        if (link->QueryInterface(IID_IPersistFile, persist.OutVoid()) == S_OK && persist)
            loaded = persist->Load(widePath, STGM_READ) == S_OK;
    }
    if (!loaded) return false;

    // A link to something that is not a file has no path; reporting success with an empty
    // target would send the caller off to open nothing. The room is ample so that a target too
    // long for the caller (a UTF-8 name takes up to three bytes a character) comes back whole and
    // is refused, instead of coming back cut as the name of another file.
    char target[kLongPathBytes] = {};
    if (link->GetPath(target, kLongPathBytes, &findData, SLGP_UNCPRIORITY) != S_OK || target[0] == '\0') return false;
    return CopyWhole(target, out, MAX_PATH);
}

char* SetOwnedString(char** slot, const char* text) {
    if (!slot) return nullptr;
    free(*slot);
    *slot = nullptr;
    if (text) {
        size_t size = strlen(text) + 1;
        char* copy = static_cast<char*>(malloc(size));
        if (copy) {
            memcpy(copy, text, size);
            *slot = copy;
        }
    }
    return *slot;
}

void RepaintWindowTree(HWND window) {
    // A window that is not on screen has nothing to redraw, and showing it paints it whole. At
    // start-up the main window is still hidden: the walk would otherwise update some twenty
    // windows twice before the first paint.
    if (!window || !IsWindowVisible(window)) return;
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        RepaintWindowTree(child);
}

void StartCom() {
    if (comStarted) return;
    CoInitialize(nullptr);
    comStarted = true;
}

bool StopCom() {
    if (comStarted) {
        CoUninitialize();
        comStarted = false;
    }
    return true;
}

