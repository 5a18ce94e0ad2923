#pragma once
// Small path, file, shell and COM helpers shared by the main window and its panels.
#include <windows.h>

#include <cstddef>

// Base name plus extension of a path (no drive, no directory); false when either argument is null
// or the name does not fit in size bytes (out then holds the empty text).
bool FileNameOfPath(const char* path, char* out, size_t size);

// Size of a file in bytes; 0.0 when it cannot be opened.
double FileSize(const char* path);

// A wide path in the ANSI code page, in out (MAX_PATH bytes); false where a character has no place
// there or the path does not fit, since either would name another file or none.
bool NarrowWithoutLoss(const wchar_t* wide, char* out);

// A file name in the running executable's directory; out holds at least MAX_PATH bytes.
// False when the result would not fit.
bool PathBesideExecutable(const char* name, char* out);

// Target of a shell shortcut; out (at least MAX_PATH bytes) is untouched when the link cannot be
// loaded or names no file.
bool ResolveShortcut(const char* path, char* out);

// Replaces an owned heap string (freeing the old one) with a copy of text, or with null.
// The copies are malloc'ed: SetOwnedString(slot, nullptr) is the way to free a slot.
char* SetOwnedString(char** slot, const char* text);

// Invalidates a window without erasing and updates it, then every descendant, depth first.
void RepaintWindowTree(HWND window);

// COM for the span of the main window's life; StartCom initialises once per process.
void StartCom();
bool StopCom();
