#pragma once
// Reading a folder for the next and previous file: its plain files as UTF-16 names, and the way
// back from a name to a path the player opens.
#include <windows.h>

#include <string>
#include <vector>

// The names of the files the shell shows in folder (no subfolders, hidden or system files);
// false when the folder cannot be read.
bool ListFolderFiles(const std::wstring& folder, std::vector<std::wstring>* names);

// The name as names spells it when one of them is name without regard to case (the file system's
// own sameness), else name itself.
std::wstring ListedSpelling(const std::vector<std::wstring>& names, const std::wstring& name);

// folder\name in the ANSI code page; false when a character has no place in it or the path is
// too long, since either would open some other file or none.
bool AnsiFolderPath(const std::wstring& folder, const std::wstring& name, std::string* path);
