#pragma once
// The text of a recent-files item: its number as the access key, then the file's name.
#include <cstddef>
#include <string>

// "&1 name" for the first (index 0) to "&9 name", then "1&0 name"; an ampersand of the name is
// doubled so that it shows rather than marking a key.
std::wstring RecentItemText(size_t index, const std::wstring& name);
