// Master volume and mute against a stand-in mixer that counts calls and open handles.
#include "FakeWinmm.h"
#include "audio/MasterVolume.h"

using MasterVolumeTest = FakeWinmmTest;

TEST_F(MasterVolumeTest, EachOperationSucceedsOnlyWithItsControlAndAlwaysClosesTheMixer) {
    // MMSYSERR_ERROR is also what the open gives while the library is unbound.
    FakeMixerConfig noMixer = {}, noLine = {}, noVolume = {}, noMute = {}, readsFail = {}, writesFail = {};
    noMixer.openResult = MMSYSERR_ERROR;
    noLine.noSpeakersLine = 1;
    noVolume.noVolumeControl = 1;
    noMute.noMuteControl = 1;
    readsFail.getDetailsResult = MMSYSERR_ERROR;
    writesFail.setDetailsResult = MMSYSERR_NOMEM;
    const struct {
        const char* name;
        FakeMixerConfig config;
        bool expected[4];  // SetVolume, GetVolume, SetMute, GetMute
    } cases[] = {
        {"whole mixer", {}, {true, true, true, true}},
        {"no mixer", noMixer, {false, false, false, false}},
        {"no speakers line", noLine, {false, false, false, false}},
        {"no volume control", noVolume, {false, false, true, true}},
        {"no mute control", noMute, {true, true, false, false}},
        {"reads fail", readsFail, {true, false, true, false}},
        {"writes fail", writesFail, {false, true, false, true}},
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
