#pragma once
// The registry calls of the settings store. Each helper opens the key and closes it again, so
// no handle is kept between calls; each returns true on success.
#include <windows.h>

// A REG_SZ value, NUL-terminated in buffer (at most size - 1 bytes of text). Fails for another
// type or a text that does not fit.
bool ReadRegString(char* buffer, DWORD size, const char* valueName, const char* keyPath, HKEY root);
// Stores text with its terminating NUL as REG_SZ, creating the key when needed.
bool WriteRegString(const char* text, const char* valueName, const char* keyPath, HKEY root);

// A REG_DWORD value of exactly four bytes; value is untouched on failure.
bool ReadRegDword(DWORD* value, const char* valueName, const char* keyPath, HKEY root);
bool WriteRegDword(DWORD value, const char* valueName, const char* keyPath, HKEY root);

// A REG_BINARY value of at most size bytes; a shorter one leaves the rest of buffer alone.
// stored, when given, receives the number of bytes the value held.
bool ReadRegBinary(void* buffer, DWORD size, const char* valueName, const char* keyPath, HKEY root,
                   DWORD* stored = nullptr);
bool WriteRegBinary(const void* buffer, DWORD size, const char* valueName, const char* keyPath, HKEY root);
