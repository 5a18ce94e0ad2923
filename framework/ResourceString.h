#pragma once
#include <windows.h>

#include <string>

// A string-table entry of the running executable as UTF-16; empty when there is none.
std::wstring LoadResourceString(UINT id);
