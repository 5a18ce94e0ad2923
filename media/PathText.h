#pragma once
#ifdef _WIN32
#include <windows.h>
#endif

#include <string>

#include "framework/AnsiChars.h"

// Reading the parts of a narrow path in the ANSI code page. The scans step over whole
// characters, because a Shift-JIS trail byte may be a backslash.

// The final component of path (after the last '\\', '/' or drive colon); path itself when
// there is no separator, null when path is null.
const char* FinalPathComponent(const char* path, const CharRule& rule = AnsiCharRule());

// The extension of the final component, after its last dot (without the dot); null when the
// component has no dot.
const char* PathExtension(const char* path, const CharRule& rule = AnsiCharRule());

#ifdef _WIN32
// True when path's extension equals extension, compared without regard to case; false when
// either is null or path has no extension.
bool ExtensionIs(const char* path, const char* extension);

// A path as UTF-16 in a MAX_PATH buffer; false when it does not fit, so a long name is refused
// rather than cut into another name.
bool WidePath(const char* path, wchar_t (&wide)[MAX_PATH]);
#endif
