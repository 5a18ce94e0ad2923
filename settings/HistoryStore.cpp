#include "settings/HistoryStore.h"

#include <windows.h>

#include <string>

#include "framework/AnsiChars.h"
#include "framework/Scoped.h"

namespace {

// A stored text holds a path, so nothing longer can be one.
const DWORD kMaxTextChars = 4 * MAX_PATH;

std::wstring HistoryKeyOf(const char* settingsKeyPath) {
    std::wstring key;
    for (const char* p = settingsKeyPath; *p; ++p) key += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return key + L"\\History";
}

std::wstring ValueName(const wchar_t* stem, size_t number) { return stem + std::to_wstring(number); }

// The text of a REG_SZ value stored with its one terminator; empty for anything else. The size is
// asked first, so a reader that pads a missing terminator cannot hide one.
std::wstring ReadText(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD stored = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &stored) != ERROR_SUCCESS || type != REG_SZ ||
        stored < 2 * sizeof(wchar_t) || stored % sizeof(wchar_t) != 0 || stored > (kMaxTextChars + 1) * sizeof(wchar_t))
        return std::wstring();
    size_t chars = stored / sizeof(wchar_t) - 1;
    std::wstring text(chars + 2, L'x');
    DWORD bytes = stored;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&text[0]), &bytes) != ERROR_SUCCESS ||
        bytes != stored || text[chars] != L'\0' || text.find(L'\0') != chars)
        return std::wstring();
    text.resize(chars);
    return text;
}

// The path in the ANSI code page when it fits a path buffer and spells the same name back.
bool ToAnsiPath(const std::wstring& wide, std::string* narrow) {
    char buffer[MAX_PATH];
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, buffer, MAX_PATH, nullptr, nullptr);
    if (bytes <= 1) return false;
    wchar_t back[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, buffer, -1, back, MAX_PATH) == 0 || wide != back) return false;
    *narrow = buffer;
    return true;
}

// Digits, '|', then the path: the digits stay ASCII, the path goes to the ANSI code page.
bool ReadPlace(const std::wstring& text, PlaybackPlace* place) {
    size_t bar = text.find(L'|');
    if (bar == std::wstring::npos) return false;
    std::string digits;
    for (size_t i = 0; i < bar; ++i) {
        if (text[i] > 0x7F) return false;
        digits += static_cast<char>(text[i]);
    }
    std::string path;
    return ToAnsiPath(text.substr(bar + 1), &path) && ParsePlaceText(digits + "|" + path, place);
}

void WriteText(HKEY key, const std::wstring& name, const std::string& narrow) {
    std::wstring text = AnsiToWide(narrow.c_str());
    if (text.empty()) return;
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

void LoadHistory(const char* settingsKeyPath, PlaybackHistory* history) {
    if (!settingsKeyPath || !history) return;
    ScopedRegKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, HistoryKeyOf(settingsKeyPath).c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS)
        return;
    std::string path;
    for (size_t i = 1; i <= kRecentLimit; ++i)
        if (ToAnsiPath(ReadText(key.Get(), ValueName(L"Recent", i)), &path)) history->RestoreRecent(path);
    PlaybackPlace place;
    for (size_t i = 1; i <= kPlaceLimit; ++i)
        if (ReadPlace(ReadText(key.Get(), ValueName(L"Place", i)), &place)) history->RestorePlace(place);
}

void SaveHistory(const char* settingsKeyPath, const PlaybackHistory& history) {
    if (!settingsKeyPath) return;
    std::wstring keyPath = HistoryKeyOf(settingsKeyPath);
    RegDeleteTreeW(HKEY_CURRENT_USER, keyPath.c_str());
    ScopedRegKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                        key.Out(), nullptr) != ERROR_SUCCESS)
        return;
    for (size_t i = 0; i < history.Recent().size(); ++i) WriteText(key.Get(), ValueName(L"Recent", i + 1), history.Recent()[i]);
    for (size_t i = 0; i < history.Places().size(); ++i)
        WriteText(key.Get(), ValueName(L"Place", i + 1), PlaceText(history.Places()[i]));
}
