#pragma once
// Splitting the command-line tail into the file names the user typed.
#include <string>
#include <vector>

// Names separated by runs of spaces or tabs; double quotes let a name hold spaces (a quote
// with no partner runs to the end). Empty names are dropped. names is emptied first.
// Returns the number of names; 0, with names untouched, when tail or names is null.
int SplitCommandLine(const char* tail, std::vector<std::string>* names);
