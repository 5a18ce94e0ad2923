#pragma once
// One registry key of the current user and the typed values the main window keeps in it.
#include <windows.h>

#include <string>

// The key the player keeps its settings in.
const char kSettingsKeyPath[] = "Software\\Corvantile";

class SettingsKey {
public:
    // An empty or missing path gives no key: every read then returns its default.
    explicit SettingsKey(const char* keyPath);
    virtual ~SettingsKey();
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    // The new path, or null when text is empty or missing.
    const char* SetKeyPath(const char* text);
    const char* KeyPath() const { return keyPath.empty() ? nullptr : keyPath.c_str(); }

    DWORD ReadDword(const char* name, DWORD fallback) const;
    bool WriteDword(DWORD value, const char* name) const;
    // The stored text's leading decimal number (0.0 when it has none), or fallback when unreadable.
    double ReadDouble(const char* name, double fallback) const;
    // Stored as "%f" text.
    bool WriteDouble(double value, const char* name) const;
    // stored, when given, receives the number of bytes the value held.
    bool ReadBinary(void* buffer, DWORD size, const char* name, DWORD* stored = nullptr) const;
    bool WriteBinary(const void* buffer, DWORD size, const char* name) const;

private:
    bool Usable(const char* name) const { return name && !keyPath.empty(); }

    std::string keyPath;
    const HKEY root = HKEY_CURRENT_USER;
};
