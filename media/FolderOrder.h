#pragma once
// The order of the names in a folder as the shell shows them, and the neighbours of the open
// file in it: plain text work on UTF-16 names, without the platform.
#include <string>
#include <vector>

// Negative, zero or positive as a sorts before, with or after b in the shell's natural order:
// letters without regard to case, runs of digits by their value (2 before 10), digits before
// everything else. Agrees with StrCmpLogicalW on ASCII names, kana, full-width forms and CJK
// symbols; other scripts go by code point, and a number too long for Wine's 32 bits still by value.
int NaturalCompare(const std::wstring& a, const std::wstring& b);

// Whether a name's extension is one of a playable media file, or the same as sameKind's.
bool IsMediaName(const std::wstring& name, const std::wstring& sameKind);

// The media names among names that come after current (direction > 0) or before it (direction < 0)
// in natural order, nearest first. Names equal in that order keep an order of their own, by code
// unit, so every name has one place; current need not be among names.
std::vector<std::wstring> NeighbourNames(const std::vector<std::wstring>& names, const std::wstring& current,
                                         int direction);
