// The volume dialog against the stand-in mixer: what it shows on opening and what real keys and
// clicks write. Without a mixer it is tested on the real one, in the run without an audio server.
#include "FakeWinmm.h"
#include "VolumeDialogDriver.h"
#include "panels/VolumeDialog.h"
#include "resources/resource.h"

using VolumeDialogTest = FakeWinmmTest;

TEST_F(VolumeDialogTest, OpensShowingTheMixerWithoutWritingIt) {
    struct Case {
        DWORD level, mute;
        int position;
        UINT checked;
    };
    const Case cases[] = {{65535, 0, 0, BST_UNCHECKED}, {0, 1, 50, BST_CHECKED},   {32768, 0, 25, BST_UNCHECKED},
                          {32767, 1, 26, BST_CHECKED},  {52428, 0, 10, BST_UNCHECKED}, {64224, 0, 2, BST_UNCHECKED},
                          {1310, 0, 50, BST_UNCHECKED}};
    for (const Case& c : cases) {
        Reset({}, c.level, c.mute);
        VolumeDialogDriver dialog;
        ASSERT_TRUE(dialog.Open());
        EXPECT_EQ(c.position, dialog.Position()) << c.level;
        EXPECT_EQ(c.checked, dialog.Checked()) << c.level;
        EXPECT_TRUE(Writes().empty()) << c.level;
        EXPECT_EQ(0, fake->openMixers);
    }
    VolumeDialogDriver dialog;
    ASSERT_TRUE(dialog.Open());
    EXPECT_EQ(L"ﾐｭｰﾄ", dialog.Text(IDC_MUTE));
    EXPECT_EQ(L"音量", dialog.Text(0));
}

TEST_F(VolumeDialogTest, KeysMoveAFifthAndEveryNotificationWritesBothValues) {
    Reset({}, 65535, 1);
    VolumeDialogDriver dialog;
    ASSERT_TRUE(dialog.Open());
    struct Step {
        WORD key;
        int position;
        DWORD level;
    };
    const Step steps[] = {{VK_DOWN, 10, 52428}, {VK_NEXT, 20, 39321}, {VK_UP, 10, 52428}, {VK_END, 50, 0}};
    for (const Step& step : steps) {
        fake->setCount = 0;
        dialog.PressKey(step.key);
        EXPECT_EQ(step.position, dialog.Position()) << step.key;
        // The key's move and the end of tracking: two notifications, each writing volume and mute.
        EXPECT_EQ((std::vector<DWORD>{step.level, 1, step.level, 1}), Writes()) << step.key;
        EXPECT_EQ(step.level, fake->volume);
        EXPECT_EQ(0, fake->openMixers);
    }
}

TEST_F(VolumeDialogTest, ClickingTheBoxWritesTheVolumeAsWell) {
    Reset({}, 32768, 0);
    VolumeDialogDriver dialog;
    ASSERT_TRUE(dialog.Open());
    ASSERT_EQ(25, dialog.Position());
    dialog.Click(IDC_MUTE);
    EXPECT_EQ(BST_CHECKED, dialog.Checked());
    // Position 25 writes 32767, one below what was read: the scale's truncation, not a move.
    EXPECT_EQ((std::vector<DWORD>{32767, 1}), Writes());
    dialog.Click(IDC_MUTE);
    EXPECT_EQ((std::vector<DWORD>{32767, 1, 32767, 0}), Writes());
    EXPECT_EQ(0u, fake->mute);
}
