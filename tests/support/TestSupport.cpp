#include "support/TestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <cstdlib>

namespace {
// Every test executable runs with COM and the common controls ready, as the program does.
class ProgramEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        CoInitialize(nullptr);
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }
    void TearDown() override { CoUninitialize(); }
};
::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

std::string UnixToWindows(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}
}  // namespace

std::string TestMediaPath(const char* name) {
    const char* dir = getenv("CORVANTILE_TEST_MEDIA");
    std::string base = dir ? UnixToWindows(dir) : std::string(".");
    return base + "\\" + name;
}

std::string TestScratchFolder(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "corvantile-" + name;
    std::string pattern = folder + "\\*";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string file = folder + "\\" + found.cFileName;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA(file.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void PumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (GetTickCount() - start >= ms) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}
