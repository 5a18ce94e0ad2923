#include "settings/RegistryValues.h"

#include <cstring>

#include "framework/Scoped.h"

namespace {

// Reads a value of the expected type into buffer; count receives the bytes read.
bool QueryValue(void* buffer, DWORD size, DWORD expectedType, DWORD* count, const char* valueName,
                const char* keyPath, HKEY root) {
    if (!buffer || size == 0 || !valueName || !keyPath) return false;
    ScopedRegKey key;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_READ, key.Out()) != ERROR_SUCCESS) return false;
    DWORD type = REG_NONE;
    *count = size;
    LONG result = RegQueryValueExA(key.Get(), valueName, nullptr, &type, static_cast<BYTE*>(buffer), count);
    return result == ERROR_SUCCESS && type == expectedType;
}

bool SetValue(const void* data, DWORD size, DWORD type, const char* valueName, const char* keyPath, HKEY root) {
    if (!data || !valueName || !keyPath) return false;
    ScopedRegKey key;
    if (RegCreateKeyExA(root, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.Out(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.Get(), valueName, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

}  // namespace

bool ReadRegString(char* buffer, DWORD size, const char* valueName, const char* keyPath, HKEY root) {
    if (!buffer || size < 2) return false;
    DWORD count = 0;
    // One byte is kept back so a text stored without its NUL still ends inside the buffer.
    if (!QueryValue(buffer, size - 1, REG_SZ, &count, valueName, keyPath, root)) return false;
    buffer[count < size - 1 ? count : size - 1] = '\0';
    return true;
}

bool WriteRegString(const char* text, const char* valueName, const char* keyPath, HKEY root) {
    if (!text) return false;
    return SetValue(text, static_cast<DWORD>(strlen(text) + 1), REG_SZ, valueName, keyPath, root);
}

bool ReadRegDword(DWORD* value, const char* valueName, const char* keyPath, HKEY root) {
    if (!value) return false;
    DWORD stored = 0;
    DWORD count = 0;
    // A REG_DWORD written with fewer bytes would leave part of the number undefined.
    if (!QueryValue(&stored, sizeof(stored), REG_DWORD, &count, valueName, keyPath, root)) return false;
    if (count != sizeof(stored)) return false;
    *value = stored;
    return true;
}

bool WriteRegDword(DWORD value, const char* valueName, const char* keyPath, HKEY root) {
    return SetValue(&value, sizeof(value), REG_DWORD, valueName, keyPath, root);
}

bool ReadRegBinary(void* buffer, DWORD size, const char* valueName, const char* keyPath, HKEY root, DWORD* stored) {
    DWORD count = 0;
    if (!QueryValue(buffer, size, REG_BINARY, &count, valueName, keyPath, root)) return false;
    if (stored) *stored = count;
    return true;
}

bool WriteRegBinary(const void* buffer, DWORD size, const char* valueName, const char* keyPath, HKEY root) {
    if (size == 0) return false;
    return SetValue(buffer, size, REG_BINARY, valueName, keyPath, root);
}
