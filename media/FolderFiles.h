#pragma once
// Reading a folder for the next and previous file: its plain files as UTF-16 names.
#include <windows.h>

#include <string>
#include <vector>

// The names of the files the shell shows in folder (no subfolders, hidden or system files);
// false when the folder cannot be read.
bool ListFolderFiles(const std::wstring& folder, std::vector<std::wstring>* names);

// The name as names spells it when one of them is name without regard to case (the file system's
// own sameness), else name itself.
std::wstring ListedSpelling(const std::vector<std::wstring>& names, const std::wstring& name);
