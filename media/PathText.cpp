#include "media/PathText.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <string>

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

bool IsLeadByte(unsigned char c) {
#ifdef _WIN32
    return IsDBCSLeadByte(c) != 0;
#else
    return IsShiftJisLeadByte(c);
#endif
}

// Next character of narrow text in the ANSI code page; a lead byte never swallows the NUL.
const char* NextChar(const char* p) {
    if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') return p + 2;
    return p + 1;
}

}  // namespace

const char* FinalPathComponent(const char* path) {
    if (!path) return nullptr;
    const char* component = path;
    for (const char* p = path; *p; p = NextChar(p))
        if (IsSeparator(*p)) component = p + 1;
    return component;
}

const char* PathExtension(const char* path) {
    const char* component = FinalPathComponent(path);
    if (!component) return nullptr;
    const char* extension = nullptr;
    for (const char* p = component; *p; p = NextChar(p))
        if (*p == '.') extension = p + 1;
    return extension;
}

bool IsShiftJisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

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

std::wstring AnsiToWide(const char* text) {
    if (!text) return std::wstring();
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length) != length) return std::wstring();
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}
#endif
