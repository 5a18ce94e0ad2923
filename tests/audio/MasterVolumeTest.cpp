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
            bool result = false, expected = false;
            switch (operation) {
            case 0: result = volume.SetVolume(20000, 0), expected = c.expected.setVolume; break;
            case 1: result = volume.GetVolume(&level, 0), expected = c.expected.getVolume; break;
            case 2: result = volume.SetMute(0, 0), expected = c.expected.setMute; break;
            default: result = volume.GetMute(&flag, 0), expected = c.expected.getMute; break;
            }
            SCOPED_TRACE(testing::Message() << c.name << ", operation " << operation);
            EXPECT_EQ(expected, result);
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
    for (UINT failure : {MMSYSERR_ERROR, MMSYSERR_BADDEVICEID}) {
        FakeMixerConfig config = {};
        config.openResult = failure;
        MasterVolume volume;
        unsigned short level = kUntouchedLevel;
        DWORD flag = kUntouchedFlag;
        Reset(config);
        EXPECT_FALSE(volume.SetVolume(1, 0));
        EXPECT_FALSE(volume.GetVolume(&level, 0));
        EXPECT_FALSE(volume.SetMute(1, 0));
        EXPECT_FALSE(volume.GetMute(&flag, 0));
        EXPECT_EQ(std::vector<int>(4, CallOpen), Calls()) << failure;
        EXPECT_EQ(kUntouchedLevel, level);
        EXPECT_EQ(kUntouchedFlag, flag);
    }
    // A device with no mixer of its own.
    Reset({});
    EXPECT_FALSE(MasterVolume().SetVolume(1, 3));
    EXPECT_EQ(std::vector<int>{CallOpen}, Calls());

    // Unbound: the same failures, with nothing reached at all.
    WinmmLibrary::Instance().Unload();
    MasterVolume volume;
    unsigned short level = kUntouchedLevel;
    DWORD flag = kUntouchedFlag;
    EXPECT_FALSE(volume.SetVolume(1, 0));
    EXPECT_FALSE(volume.GetVolume(&level, 0));
    EXPECT_FALSE(volume.SetMute(1, 0));
    EXPECT_FALSE(volume.GetMute(&flag, 0));
    EXPECT_EQ(kUntouchedLevel, level);
    EXPECT_EQ(kUntouchedFlag, flag);
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
