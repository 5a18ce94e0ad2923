// Master volume and mute against a stand-in mixer that checks arguments and records calls.
#include "FakeWinmm.h"
#include "audio/MasterVolume.h"

namespace {

const unsigned short kUntouchedLevel = 4321;
const DWORD kUntouchedFlag = 0xBEEF;

struct Outcome {
    bool setVolume, getVolume, setMute, getMute;
};

}  // namespace

using MasterVolumeTest = FakeWinmmTest;

TEST_F(MasterVolumeTest, EachOperationSucceedsOnlyWithItsControlAndAlwaysClosesTheMixer) {
    struct Case {
        const char* name;
        FakeMixerConfig config;
        Outcome expected;
    };
    FakeMixerConfig noLine = {}, noVolume = {}, noMute = {}, readsFail = {}, writesFail = {}, lookupRaises = {};
    noLine.noSpeakersLine = 1;
    noVolume.noVolumeControl = 1;
    noMute.noMuteControl = 1;
    readsFail.getDetailsResult = MMSYSERR_ERROR;
    writesFail.setDetailsResult = MMSYSERR_NOMEM;
    lookupRaises.raiseIn = CallLineControls;
    const Case cases[] = {
        {"whole mixer", {}, {true, true, true, true}},
        {"no speakers line", noLine, {false, false, false, false}},
        {"no volume control", noVolume, {false, false, true, true}},
        {"no mute control", noMute, {true, true, false, false}},
        {"reads fail", readsFail, {true, false, true, false}},
        {"writes fail", writesFail, {false, true, false, true}},
        {"control lookup raises", lookupRaises, {false, false, false, false}},
    };
    MasterVolume volume;
    for (const Case& c : cases) {
        for (int operation = 0; operation < 4; ++operation) {
            Reset(c.config, 30000, 1);
            unsigned short level = kUntouchedLevel;
            DWORD flag = kUntouchedFlag;
            const bool expected[] = {c.expected.setVolume, c.expected.getVolume, c.expected.setMute,
                                     c.expected.getMute};
            bool result = operation == 0   ? volume.SetVolume(20000, 0)
                          : operation == 1 ? volume.GetVolume(&level, 0)
                          : operation == 2 ? volume.SetMute(0, 0)
                                           : volume.GetMute(&flag, 0);
            SCOPED_TRACE(testing::Message() << c.name << ", operation " << operation);
            EXPECT_EQ(expected[operation], result);
            EXPECT_EQ(CallOpen, Calls().front());
            EXPECT_EQ(CallClose, Calls().back());
            EXPECT_EQ(0, fake->openMixers);
            EXPECT_EQ(0, fake->badArguments);
            EXPECT_EQ(result && operation == 1 ? 30000 : kUntouchedLevel, level);
            EXPECT_EQ(result && operation == 3 ? 1u : kUntouchedFlag, flag);
            EXPECT_EQ(result && operation == 0 ? 20000u : 30000u, fake->volume);
            EXPECT_EQ(result && operation == 2 ? 0u : 1u, fake->mute);
        }
    }
}

TEST_F(MasterVolumeTest, WithoutAMixerNothingButTheOpenIsTried) {
    auto allFail = [] {
        MasterVolume volume;
        unsigned short level = kUntouchedLevel;
        DWORD flag = kUntouchedFlag;
        EXPECT_FALSE(volume.SetVolume(1, 0));
        EXPECT_FALSE(volume.GetVolume(&level, 0));
        EXPECT_FALSE(volume.SetMute(1, 0));
        EXPECT_FALSE(volume.GetMute(&flag, 0));
        EXPECT_EQ(kUntouchedLevel, level);
        EXPECT_EQ(kUntouchedFlag, flag);
    };
    // MMSYSERR_ERROR is also what the open gives while the library is unbound.
    FakeMixerConfig config = {};
    config.openResult = MMSYSERR_ERROR;
    Reset(config);
    allFail();
    EXPECT_EQ(std::vector<int>(4, CallOpen), Calls());
    WinmmLibrary::Instance().Unload();
    allFail();
}

TEST_F(MasterVolumeTest, VolumeTravelsAsItsLow16BitsAndMuteWhole) {
    MasterVolume volume;
    const std::pair<int, DWORD> writes[] = {{65636, 100}, {65535, 65535}, {0, 0}, {-1, 65535}, {0x12345, 0x2345}};
    for (const auto& w : writes) {
        Reset({});
        EXPECT_TRUE(volume.SetVolume(w.first, 0));
        EXPECT_EQ(w.second, fake->volume) << w.first;
    }
    Reset({}, 0x12345, 0xABCD0001);
    unsigned short level = 0;
    DWORD flag = 0;
    EXPECT_TRUE(volume.GetVolume(&level, 0));
    EXPECT_EQ(0x2345, level);
    EXPECT_TRUE(volume.GetMute(&flag, 0));
    EXPECT_EQ(0xABCD0001u, flag);
    EXPECT_TRUE(volume.SetMute(0xABCD0001, 0));
    EXPECT_EQ(std::vector<DWORD>{0xABCD0001}, Writes());
}
