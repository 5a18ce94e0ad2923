// Names that no legacy code page holds all of, opened by every way a user opens a file.
#include "MainWindowFixture.h"

#include <dlgs.h>

namespace {
std::wstring answer, fileTypes;  // what the Open dialog is given, and the number and choice of its file types

// Runs inside the Open dialog's modal loop: reads its file types, types the name and confirms.
void CALLBACK AnswerOpenDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindVisibleWindow(L"#32770");
    if (!dialog) return;
    wchar_t types[100] = {};
    GetDlgItemTextW(dialog, cmb1, types, 100);
    fileTypes = std::to_wstring(SendDlgItemMessageW(dialog, cmb1, CB_GETCOUNT, 0, 0)) + L" " + types;
    SetWindowTextW(GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1), answer.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}
}  // namespace

class FileNamesTest : public MainWindowTest {
protected:
    void ExpectPlaying(const std::wstring& name, const char* way) {
        wchar_t panelName[MAX_PATH] = {};
        GetDlgItemTextW(Panel(), IDC_FILE_NAME, panelName, MAX_PATH);
        EXPECT_EQ(name, PaneText(0)) << way;
        EXPECT_EQ(name, panelName) << way;
        EXPECT_TRUE(Playing()) << way;
        window->CloseMedia();
    }
};

TEST_F(FileNamesTest, NamesOfEveryScriptOpenFromTheCommandLineADropTheOpenDialogAndAShortcut) {
    std::string folder = TestScratchFolder("unicode-names");
    for (std::wstring name : {L"한국어.avi", L"中文名字.avi", L"🎬 movie.avi", L"Łódź.avi", L"日本語の映画.avi"}) {
        SCOPED_TRACE(AnsiOf(name));
        std::wstring wide = WideOf(folder) + L"\\" + name;
        ASSERT_TRUE(CopyFileW(WideOf(TestMediaPath("clip.avi")).c_str(), wide.c_str(), FALSE));
        std::string path = AnsiOf(wide);

        commandLine = "\"" + path + "\"";
        Restart();
        ExpectPlaying(name, "command line");

        SendMessageW(window->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle({path})), 0);
        ExpectPlaying(name, "drop");

        answer = wide;
        UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerOpenDialog);
        Command(ID_FILE_OPEN_CMD);
        KillTimer(nullptr, timer);
        ExpectPlaying(name, "Open dialog");

        std::string shortcut = AnsiOf(wide + L".lnk");
        ASSERT_TRUE(MakeShortcut(shortcut, path));
        SendMessageW(window->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle({shortcut})), 0);
        ExpectPlaying(name, "shortcut");
    }
    EXPECT_EQ(L"1 \u5168\u3066\u306e\u30d5\u30a1\u30a4\u30eb (*.*)", fileTypes);  // 全てのファイル
}

// Three bytes a Hangul character: the path fits the platform's limit of characters, not the
// player's 260 bytes. Cut to 259 bytes it would name another file, which must not open instead.
TEST_F(FileNamesTest, APathLongerThanTheBufferIsRefusedWholeNotCutIntoAnothersName) {
    std::wstring folder = WideOf(TestScratchFolder("unicode-long"));
    folder += L"\\" + std::wstring(45, L'가');  // a Linux name holds 255 bytes: two folders
    CreateDirectoryW(folder.c_str(), nullptr);
    folder += L"\\" + std::wstring(252 - AnsiOf(folder).size(), L'x');  // "\\a.avi" then ends at byte 259
    CreateDirectoryW(folder.c_str(), nullptr);
    // One byte over (260) is the first length that no longer fits.
    std::wstring cutName = folder + L"\\a.avi", fullName = cutName + L"\u3042\u3042.avi", oneOver = cutName + L"x";
    for (const std::wstring& name : {cutName, fullName, oneOver})
        ASSERT_TRUE(CopyFileW(WideOf(TestMediaPath("clip.avi")).c_str(), name.c_str(), FALSE));
    ASSERT_EQ(259u, AnsiOf(cutName).size());
    for (const std::wstring& name : {fullName, oneOver}) {
        std::string path = AnsiOf(name);
        EXPECT_EQ(0, window->OpenMedia(path.c_str(), true)) << path.size();
        EXPECT_TRUE(NothingOpen()) << path.size();
        SendMessageW(window->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle({path})), 0);
        EXPECT_TRUE(NothingOpen()) << path.size();
    }
}
