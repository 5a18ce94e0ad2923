#include "settings/SettingsKey.h"

#include "settings/RegistryValues.h"
#include "settings/SettingsValues.h"

SettingsKey::SettingsKey(const char* path) { SetKeyPath(path); }

SettingsKey::~SettingsKey() = default;

const char* SettingsKey::SetKeyPath(const char* text) {
    keyPath = text ? text : "";
    return KeyPath();
}

DWORD SettingsKey::ReadDword(const char* name, DWORD fallback) const {
    DWORD value = fallback;
    if (!Usable(name) || !ReadRegDword(&value, name, keyPath.c_str(), root)) return fallback;
    return value;
}

bool SettingsKey::WriteDword(DWORD value, const char* name) const {
    return Usable(name) && WriteRegDword(value, name, keyPath.c_str(), root);
}

double SettingsKey::ReadDouble(const char* name, double fallback) const {
    char text[256] = {};
    if (!Usable(name) || !ReadRegString(text, sizeof(text), name, keyPath.c_str(), root)) return fallback;
    return LeadingDecimal(text);
}

bool SettingsKey::WriteDouble(double value, const char* name) const {
    return Usable(name) && WriteRegString(RateText(value).c_str(), name, keyPath.c_str(), root);
}

bool SettingsKey::ReadBinary(void* buffer, DWORD size, const char* name, DWORD* stored) const {
    if (!Usable(name) || !buffer || size == 0) return false;
    return ReadRegBinary(buffer, size, name, keyPath.c_str(), root, stored);
}

bool SettingsKey::WriteBinary(const void* buffer, DWORD size, const char* name) const {
    if (!Usable(name) || !buffer || size == 0) return false;
    return WriteRegBinary(buffer, size, name, keyPath.c_str(), root);
}
