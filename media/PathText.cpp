#include "media/PathText.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <string>

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }
}  // namespace

const char* FinalPathComponent(const char* path, const CharRule& rule) {
    if (!path) return nullptr;
    const char* component = path;
    for (const char* p = path; *p; p += CharBytes(p, rule))
        if (IsSeparator(*p)) component = p + 1;
    return component;
}

const char* PathExtension(const char* path, const CharRule& rule) {
    const char* component = FinalPathComponent(path, rule);
    if (!component) return nullptr;
    const char* extension = nullptr;
    for (const char* p = component; *p; p += CharBytes(p, rule))
        if (*p == '.') extension = p + 1;
    return extension;
}

#ifdef _WIN32
bool ExtensionIs(const char* path, const char* extension) {
    const char* actual = PathExtension(path);
    if (!actual || !extension) return false;
    // Comparing as UTF-16 folds the case of whole characters, never of a trail byte that
    // happens to look like an ASCII letter.
    std::wstring left = AnsiToWide(actual);
    std::wstring right = AnsiToWide(extension);
    if (left.empty() || right.empty()) return false;
    return CompareStringOrdinal(left.c_str(), static_cast<int>(left.size()), right.c_str(),
                                static_cast<int>(right.size()), TRUE) == CSTR_EQUAL;
}

bool WidePath(const char* path, wchar_t (&wide)[MAX_PATH]) {
    return path && MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) != 0;
}

#endif
