// The volume dialog on the real mixer: PulseAudio's null sink under Wine, or no audio server at
// all in the run that names an unreachable one (CORVANTILE_TEST_NO_AUDIO set). Wine keeps the
// mixer's values per process, so everything written is read back here, in the same process.
#include <gtest/gtest.h>

#include <cstdlib>

#include "VolumeDialogDriver.h"
#include "audio/MasterVolume.h"
#include "audio/WinmmLibrary.h"

namespace {

class RealMixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        WinmmLibrary::Instance().Unload();
        ASSERT_TRUE(WinmmLibrary::Instance().Load());
        serverExpected = getenv("CORVANTILE_TEST_NO_AUDIO") == nullptr;
        mixerReadable = mixer.GetVolume(&startLevel, 0) && mixer.GetMute(&startMute, 0);
    }
    void TearDown() override {
        mixer.SetVolume(startLevel, 0);
        mixer.SetMute(startMute, 0);
        WinmmLibrary::Instance().Unload();
    }

    MasterVolume mixer;
    unsigned short startLevel = 0;
    DWORD startMute = 0;
    bool serverExpected = true;
    bool mixerReadable = false;
};

}  // namespace

TEST_F(RealMixerTest, TheDialogChangesTheMasterVolumeAndMuteLive) {
    if (!serverExpected) GTEST_SKIP() << "this run has no audio server";
    ASSERT_TRUE(mixerReadable) << "PulseAudio with a null sink should be running";
    ASSERT_TRUE(mixer.SetVolume(65535, 0));
    ASSERT_TRUE(mixer.SetMute(0, 0));
    unsigned short level = 0;
    DWORD flag = 2;
    {
        VolumeDialogDriver dialog;
        ASSERT_TRUE(dialog.Open());
        EXPECT_EQ(0, dialog.Position());
        EXPECT_EQ(BST_UNCHECKED, dialog.Checked());
        dialog.PressKey(VK_DOWN);
        dialog.Click(IDC_MUTE);
        // Read while the dialog is still open.
        EXPECT_TRUE(mixer.GetVolume(&level, 0) && mixer.GetMute(&flag, 0));
        EXPECT_EQ(52428, level);
        EXPECT_EQ(1u, flag);
    }
    VolumeDialogDriver reopened;
    ASSERT_TRUE(reopened.Open());
    EXPECT_EQ(10, reopened.Position());
    EXPECT_EQ(BST_CHECKED, reopened.Checked());
    reopened.Click(IDC_MUTE);
    EXPECT_TRUE(mixer.GetMute(&flag, 0));
    EXPECT_EQ(0u, flag);
}

TEST_F(RealMixerTest, WithoutAnAudioServerTheDialogOpensAtTheTopAndChangesNothing) {
    if (serverExpected) GTEST_SKIP() << "this run has an audio server";
    ASSERT_FALSE(mixerReadable);
    VolumeDialogDriver dialog;
    ASSERT_TRUE(dialog.Open());
    EXPECT_EQ(0, dialog.Position());
    EXPECT_EQ(BST_UNCHECKED, dialog.Checked());
    dialog.PressKey(VK_DOWN);
    dialog.Click(IDC_MUTE);
    EXPECT_EQ(10, dialog.Position());
    EXPECT_EQ(BST_CHECKED, dialog.Checked());
    unsigned short level = 7;
    EXPECT_FALSE(mixer.GetVolume(&level, 0));
    EXPECT_EQ(7, level);
}
