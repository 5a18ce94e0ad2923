// Measures the listing behind Page Down in a folder of 10,000 media names: reading the folder and
// finding the open file's neighbours in natural order, five runs, and prints the median.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "media/FolderFiles.h"
#include "media/FolderOrder.h"

int main() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"corvantile-bench-10000";
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 1; i <= 10000; ++i) {
        std::wstring name = folder + L"\\episode " + std::to_wstring(i) + L".avi";
        HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    std::vector<double> runs;
    size_t found = 0;
    for (int run = 0; run < 5; ++run) {
        double start = Now();
        std::vector<std::wstring> names;
        ListFolderFiles(folder, &names);
        std::wstring current = ListedSpelling(names, L"EPISODE 5000.AVI");
        found = NeighbourNames(names, current, 1).size();
        runs.push_back(Now() - start);
    }
    std::sort(runs.begin(), runs.end());
    printf("next file in a folder of 10,000 names: %.0f ms to list and order (%zu after the open one)\n", runs[2], found);
    return 0;
}
