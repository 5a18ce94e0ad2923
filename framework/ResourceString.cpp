#include "framework/ResourceString.h"

std::wstring LoadResourceString(UINT id) {
    // A zero buffer size hands back a pointer into the loaded resource: no length limit to guess.
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || !text) return std::wstring();
    return std::wstring(text, static_cast<size_t>(length));
}
