// The volume dialog on the real mixer, driven with real keys and clicks: PulseAudio's null sink
// under Wine, or no audio server at all in the run that names an unreachable one
// (CORVANTILE_TEST_NO_AUDIO set). Wine keeps the mixer's values per process, so everything written
// is read back here, in the same process.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>

#include "audio/MasterVolume.h"
#include "audio/WinmmLibrary.h"
#include "panels/VolumeDialog.h"
#include "resources/resource.h"
#include "support/TestSupport.h"

namespace {
// Opened modeless in the foreground, with the trackbar focused; closed when the test leaves it.
struct OpenDialog {
    VolumeDialog dialog;
    bool opened = dialog.Create(IDD_VOLUME, nullptr);
    OpenDialog() {
        ShowWindow(dialog.m_hWnd, SW_SHOW);
        SetForegroundWindow(dialog.m_hWnd);
        SetFocus(dialog.Trackbar());
        PumpMessages(50);
    }
    ~OpenDialog() {
        if (dialog.m_hWnd) dialog.DestroyWindow();
        PumpMessages(20);
    }
    int Position() const { return static_cast<int>(SendMessageW(dialog.Trackbar(), TBM_GETPOS, 0, 0)); }
    UINT Muted() const { return IsDlgButtonChecked(dialog.m_hWnd, IDC_MUTE); }
};
}  // namespace

TEST(RealMixer, TheDialogChangesTheMasterVolumeAndMuteLiveOrFailsQuietly) {
    const bool server = getenv("CORVANTILE_TEST_NO_AUDIO") == nullptr;
    WinmmLibrary::Instance().Unload();
    ASSERT_TRUE(WinmmLibrary::Instance().Load());
    MasterVolume mixer;
    unsigned short startLevel = 0;
    DWORD startMute = 0;
    ASSERT_EQ(server, mixer.GetVolume(&startLevel, 0) && mixer.GetMute(&startMute, 0))
        << "the run with an audio server has PulseAudio with a null sink";
    ASSERT_TRUE(!server || (mixer.SetVolume(65535, 0) && mixer.SetMute(0, 0)));
    {
        OpenDialog open;
        ASSERT_TRUE(open.opened && GetFocus() == open.dialog.Trackbar());
        EXPECT_EQ(0, open.Position());
        EXPECT_EQ(BST_UNCHECKED, open.Muted());
        PlayInput({KeyStep(VK_DOWN, false), KeyStep(VK_DOWN, true)}, [] { PumpMessages(5); }, 60);
        RECT box;
        GetWindowRect(GetDlgItem(open.dialog.m_hWnd, IDC_MUTE), &box);
        SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        PlayInput({MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP)}, [] { PumpMessages(5); }, 60);
        EXPECT_EQ(10, open.Position());
        EXPECT_EQ(BST_CHECKED, open.Muted());
        // Read while the dialog is still open; without a server the outputs stay as they were.
        unsigned short level = 7;
        DWORD flag = 7;
        EXPECT_EQ(server, mixer.GetVolume(&level, 0) && mixer.GetMute(&flag, 0));
        EXPECT_EQ(server ? 52428 : 7, level);
        EXPECT_EQ(server ? 1u : 7u, flag);
    }
    if (server) {
        OpenDialog reopened;
        EXPECT_EQ(10, reopened.Position());
        EXPECT_EQ(BST_CHECKED, reopened.Muted());
        mixer.SetVolume(startLevel, 0);
        mixer.SetMute(startMute, 0);
    }
    WinmmLibrary::Instance().Unload();
}
