#include "ui/RecentMenuText.h"

std::wstring RecentItemText(size_t index, const std::wstring& name) {
    std::wstring number = std::to_wstring(index + 1);
    // The key is the last digit: 1 to 9, then 0 for the tenth.
    std::wstring text = number.substr(0, number.size() - 1) + L"&" + number.substr(number.size() - 1) + L" ";
    for (wchar_t c : name) {
        if (c == L'&') text += L'&';
        text += c;
    }
    return text;
}
