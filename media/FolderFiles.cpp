#include "media/FolderFiles.h"

#include "framework/Scoped.h"

namespace {
const DWORD kNotShown = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
}  // namespace

bool ListFolderFiles(const std::wstring& folder, std::vector<std::wstring>* names) {
    names->clear();
    WIN32_FIND_DATAW found = {};
    std::wstring pattern = folder + L"\\*";
    // The basic information and large fetches keep a folder of thousands of names quick.
    ScopedFind search(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                       FIND_FIRST_EX_LARGE_FETCH));
    if (!search.IsValid()) return false;
    try {
        do {
            if (!(found.dwFileAttributes & kNotShown)) names->push_back(found.cFileName);
        } while (FindNextFileW(search.Get(), &found));
    } catch (...) {
        names->clear();
        return false;
    }
    return true;
}

std::wstring ListedSpelling(const std::vector<std::wstring>& names, const std::wstring& name) {
    for (const std::wstring& listed : names) {
        if (CompareStringOrdinal(listed.c_str(), static_cast<int>(listed.size()), name.c_str(),
                                 static_cast<int>(name.size()), TRUE) == CSTR_EQUAL)
            return listed;
    }
    return name;
}
