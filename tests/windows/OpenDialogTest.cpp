// What the real Open dialog receives from ChooseMediaFile under Wine: its filter and a listing.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <dlgs.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "ui/MainWindow.h"

namespace {
std::vector<std::wstring> fileTypes, files;

// Reads the dialog once its folder view is filled, then chooses the clip by name.
void CALLBACK ReadDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindVisibleWindow(nullptr, L"#32770");
    HWND list = dialog ? FindVisibleWindow(dialog, WC_LISTVIEWW) : nullptr;
    int count = list ? static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
    if (count == 0 || !files.empty()) return;
    wchar_t text[MAX_PATH] = {};
    for (int i = 0; i < SendMessageW(GetDlgItem(dialog, cmb1), CB_GETCOUNT, 0, 0); ++i) {
        SendMessageW(GetDlgItem(dialog, cmb1), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        fileTypes.push_back(text);
    }
    LVITEMW item = {};
    item.cchTextMax = MAX_PATH;
    for (int i = 0; i < count; ++i) {
        item.pszText = text;
        SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
        files.push_back(text);
    }
    SetWindowTextW(GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1), L"movie.avi");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}
}  // namespace

TEST(OpenDialog, ListsEveryFileOfTheFolderUnderItsOneFilterAndReturnsTheChosenPath) {
    std::string folder = TestScratchFolder("opendialog");
    CopyFileA(TestMediaPath("clip.avi").c_str(), (folder + "\\movie.avi").c_str(), FALSE);
    WriteTestFile(folder + "\\notes.txt", "text");
    UINT_PTR timer = SetTimer(nullptr, 0, 100, ReadDialog);
    UINT_PTR giveUp = SetTimer(nullptr, 0, 8000, [](HWND, UINT, UINT_PTR, DWORD) {
        if (HWND dialog = FindVisibleWindow(nullptr, L"#32770")) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    // Where the dialog starts: a folder in the name buffer wins over the folder the dialogs last
    // visited, which another test's save dialog may have set.
    char buffer[MAX_PATH] = {};
    lstrcpynA(buffer, (folder + "\\").c_str(), MAX_PATH);
    bool chosen = MainWindow::ChooseMediaFile(buffer, nullptr);
    KillTimer(nullptr, timer);
    KillTimer(nullptr, giveUp);

    EXPECT_EQ(std::vector<std::wstring>{L"\u5168\u3066\u306e\u30d5\u30a1\u30a4\u30eb (*.*)"}, fileTypes);
    std::sort(files.begin(), files.end());
    EXPECT_EQ((std::vector<std::wstring>{L"movie.avi", L"notes.txt"}), files);
    ASSERT_TRUE(chosen);
    EXPECT_STREQ((folder + "\\movie.avi").c_str(), buffer);
}
