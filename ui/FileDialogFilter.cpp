#include "ui/FileDialogFilter.h"

#include "framework/ResourceString.h"

std::wstring FilterPairsFromText(const std::wstring& text) {
    std::wstring filter = text + L'|';
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    return filter;
}

std::string FileDialogFilter(UINT id) {
    std::wstring wide = FilterPairsFromText(LoadResourceString(id));
    // The explicit length carries the embedded NULs through the conversion.
    int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string(2, '\0');
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &narrow[0], size, nullptr, nullptr);
    return narrow;
}

OPENFILENAMEA FileDialogFields(HWND owner, const std::string& filter, DWORD filterIndex, char* buffer) {
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = filterIndex;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = MAX_PATH;
    return dialog;
}
