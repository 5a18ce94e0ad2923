// Master volume and mute against a stand-in mixer that counts calls and open handles.
#include "FakeWinmm.h"
#include "audio/MasterVolume.h"

using MasterVolumeTest = FakeWinmmTest;

TEST_F(MasterVolumeTest, EachOperationSucceedsOnlyWithItsControlAndAlwaysClosesTheMixer) {
    const struct {
        const char* name;
        FakeMixerConfig config;  // open result, no line, no volume, no mute, read result, write result
        bool expected[4];        // SetVolume, GetVolume, SetMute, GetMute
    } cases[] = {
        {"whole mixer", {}, {true, true, true, true}},
        // MMSYSERR_ERROR is also what the open gives while the library is unbound.
        {"no mixer", {MMSYSERR_ERROR}, {false, false, false, false}},
        {"no speakers line", {0, 1}, {false, false, false, false}},
        {"no volume control", {0, 0, 1}, {false, false, true, true}},
        {"no mute control", {0, 0, 0, 1}, {true, true, false, false}},
        {"reads fail", {0, 0, 0, 0, MMSYSERR_ERROR}, {true, false, true, false}},
        {"writes fail", {0, 0, 0, 0, 0, MMSYSERR_NOMEM}, {false, true, false, true}},
    };
    MasterVolume volume;
    for (const auto& c : cases) {
        for (int operation = 0; operation < 4; ++operation) {
            SCOPED_TRACE(testing::Message() << c.name << ", operation " << operation);
            Reset(c.config, 30000, 1);
            unsigned short level = 4321;
            DWORD flag = 7;
            bool result = operation == 0   ? volume.SetVolume(65536 + 20000, 0)  // only the low 16 bits travel
                          : operation == 1 ? volume.GetVolume(&level, 0)
                          : operation == 2 ? volume.SetMute(0, 0)
                                           : volume.GetMute(&flag, 0);
            EXPECT_EQ(c.expected[operation], result);
            EXPECT_EQ(0, fake->openMixers);
            EXPECT_EQ(c.config.openResult ? 1 : fake->callCount, fake->callCount);  // only the open is tried
            EXPECT_EQ(result && operation == 1 ? 30000 : 4321, level);
            EXPECT_EQ(result && operation == 3 ? 1u : 7u, flag);
            EXPECT_EQ(result && operation == 0 ? 20000u : 30000u, fake->volume);
            EXPECT_EQ(result && operation == 2 ? 0u : 1u, fake->mute);
        }
    }
}
