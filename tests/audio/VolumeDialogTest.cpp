// The volume dialog against the stand-in mixer: real keys and clicks write both values at once.
// Without a mixer it is tested on the real one, in the run without an audio server.
#include "FakeWinmm.h"
#include "VolumeDialogDriver.h"

using VolumeDialogTest = FakeWinmmTest;

TEST_F(VolumeDialogTest, OpensWithoutWritingAndEveryKeyAndClickWritesBothValues) {
    Reset({}, 65535, 1);
    VolumeDialogDriver dialog;
    ASSERT_TRUE(dialog.Open());
    EXPECT_EQ(BST_CHECKED, dialog.Checked());
    EXPECT_TRUE(Writes().empty());
    const struct {
        WORD key;
        int position;
        DWORD level;
    } steps[] = {{VK_DOWN, 10, 52428}, {VK_NEXT, 20, 39321}, {VK_END, 50, 0}};
    for (const auto& step : steps) {
        fake->setCount = 0;
        dialog.PressKey(step.key);
        EXPECT_EQ(step.position, dialog.Position()) << step.key;
        // The key's move and the end of tracking: two notifications, each writing volume and mute.
        EXPECT_EQ((std::vector<DWORD>{step.level, 1, step.level, 1}), Writes()) << step.key;
    }
    fake->setCount = 0;
    dialog.Click(IDC_MUTE);
    EXPECT_EQ(BST_UNCHECKED, dialog.Checked());
    EXPECT_EQ((std::vector<DWORD>{0, 0}), Writes());
    EXPECT_EQ(0, fake->openMixers);
}
