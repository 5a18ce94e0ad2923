#pragma once
#include <windows.h>
#include <commdlg.h>

#include <string>

// A common file dialog's filter from text whose label/pattern pairs are separated by "|":
// one more "|" closes the list, then every "|" becomes NUL, so the result ends in two NULs.
// Done on UTF-16 text, where "|" is never half of a double-byte character.
std::wstring FilterPairsFromText(const std::wstring& text);

// The filter of string-table entry id in the ANSI code page, embedded NULs included, for the
// narrow common dialogs.
std::string FileDialogFilter(UINT id);

// What the Open and Save dialogs share: the owner, a filter from FileDialogFilter (which must
// outlive the dialog), the filter index and a MAX_PATH name buffer.
OPENFILENAMEA FileDialogFields(HWND owner, const std::string& filter, DWORD filterIndex, char* buffer);
