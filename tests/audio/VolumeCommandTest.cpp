// The volume command of the main window: the library bound for the window's life, and the
// dialog run modally over the window.
#include "audio/WinmmLibrary.h"
#include "framework/CWinApp.h"
#include "windows/MainWindowFixture.h"

namespace {

struct SeenDialog {
    HWND dialog, owner, focus, trackbar;
    BOOL ownerEnabled;
} seen;

// Runs inside the dialog's modal loop: notes what it sees and closes the dialog as Esc would.
void CALLBACK LookAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    seen.dialog = FindWindowW(L"#32770", L"音量");
    if (!seen.dialog || !IsWindowVisible(seen.dialog)) return;
    KillTimer(nullptr, timer);
    seen.owner = GetWindow(seen.dialog, GW_OWNER);
    seen.ownerEnabled = IsWindowEnabled(seen.owner);
    seen.focus = GetFocus();
    seen.trackbar = GetDlgItem(seen.dialog, IDC_VOLUME_TRACKBAR);
    PostMessageW(seen.focus ? seen.focus : seen.dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace

using VolumeCommandTest = MainWindowTest;

TEST_F(VolumeCommandTest, RunsTheVolumeDialogModallyWhileTheLibraryIsBound) {
    EXPECT_TRUE(WinmmLibrary::Instance().HasMixer());
    CWinApp app;
    app.m_pMainWnd = window;
    seen = {};
    UINT_PTR timer = SetTimer(nullptr, 0, 100, LookAndClose);
    Command(ID_VOLUME);
    KillTimer(nullptr, timer);
    ASSERT_TRUE(seen.dialog);
    EXPECT_EQ(window->m_hWnd, seen.owner);
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(seen.trackbar && seen.trackbar == seen.focus);
    EXPECT_FALSE(IsWindow(seen.dialog));
    EXPECT_TRUE(IsWindowEnabled(window->m_hWnd));

    window->DestroyWindow();
    EXPECT_EQ(nullptr, WinmmLibrary::Instance().Handle());
}
