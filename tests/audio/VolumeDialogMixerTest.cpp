// The volume dialog on the real mixer: PulseAudio's null sink under Wine, or no audio server at
// all in the run that names an unreachable one (CORVANTILE_TEST_NO_AUDIO set). Wine keeps the
// mixer's values per process, so everything written is read back here, in the same process.
#include <gtest/gtest.h>

#include <cstdlib>

#include "VolumeDialogDriver.h"
#include "audio/MasterVolume.h"
#include "audio/WinmmLibrary.h"

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
        VolumeDialogDriver dialog;
        ASSERT_TRUE(dialog.Open());
        EXPECT_EQ(0, dialog.Position());
        EXPECT_EQ(BST_UNCHECKED, dialog.Checked());
        dialog.PressKey(VK_DOWN);
        dialog.Click(IDC_MUTE);
        EXPECT_EQ(10, dialog.Position());
        EXPECT_EQ(BST_CHECKED, dialog.Checked());
        // Read while the dialog is still open; without a server the outputs stay as they were.
        unsigned short level = 7;
        DWORD flag = 7;
        EXPECT_EQ(server, mixer.GetVolume(&level, 0) && mixer.GetMute(&flag, 0));
        EXPECT_EQ(server ? 52428 : 7, level);
        EXPECT_EQ(server ? 1u : 7u, flag);
    }
    if (server) {
        VolumeDialogDriver reopened;
        ASSERT_TRUE(reopened.Open());
        EXPECT_EQ(10, reopened.Position());
        EXPECT_EQ(BST_CHECKED, reopened.Checked());
        mixer.SetVolume(startLevel, 0);
        mixer.SetMute(startMute, 0);
    }
    WinmmLibrary::Instance().Unload();
}
