// Binding the multimedia library and the master volume on top of it, with stand-in libraries that
// export chosen entry points: which libraries stay bound, the path search, the wrappers' soft
// failure, and a mixer that counts calls and open handles.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/FaultGuard.h"
#include "audio/MasterVolume.h"
#include "audio/WinmmLibrary.h"
#include "fakewinmm/FakeMixerState.h"
#include "media/ShellUtil.h"
#include "support/TestSupport.h"

namespace {
// Full path of a stand-in library built beside the test executable.
std::string FakeLibraryPath(const char* name) {
    char path[MAX_PATH] = {};
    PathBesideExecutable(name, path);
    return path;
}

// Binds library to the named stand-in and gives its state block, cleared; null when it did not bind.
FakeMixerState* LoadFake(WinmmLibrary& library, const char* name) {
    if (!library.LoadFrom(FakeLibraryPath(name).c_str())) return nullptr;
    auto get = reinterpret_cast<FakeMixerFn>(GetProcAddress(library.Handle(), "FakeMixer"));
    FakeMixerState* state = get ? get() : nullptr;
    if (state) *state = {};
    return state;
}

// Every mixer call once, in order, through library; what each returned.
std::vector<MMRESULT> CallEveryMixerEntry(WinmmLibrary& library, HMIXER* mixer) {
    MIXERLINEA line = {};
    MIXERLINECONTROLSA controls = {};
    MIXERCONTROLDETAILS details = {};
    auto object = reinterpret_cast<HMIXEROBJ>(*mixer);
    return {library.mixerOpen(mixer, 0, 0, 0, MIXER_OBJECTF_WAVEOUT), library.mixerClose(*mixer),
            library.mixerGetLineInfoA(object, &line, 3), library.mixerGetLineControlsA(object, &controls, 2),
            library.mixerGetControlDetailsA(object, &details, 0), library.mixerSetControlDetails(object, &details, 0)};
}
}  // namespace

TEST(WinmmLibrary, LibraryPathIsAFileInTheDirectoryWithOneSeparator) {
    std::string withFile = TestScratchFolder("winmm-file");
    std::string withFolder = TestScratchFolder("winmm-folder");
    CreateDirectoryA((withFolder + "\\winmm.dll").c_str(), nullptr);
    // In Shift-JIS "表" ends in the byte of a backslash: it still needs a separator after it.
    std::string japanese = TestScratchFolder("winmm-sjis") + "\\" + AnsiOf(L"\u8868");
    CreateDirectoryA(japanese.c_str(), nullptr);
    for (const std::string& folder : {withFile, japanese})
        ASSERT_TRUE(CopyFileA(FakeLibraryPath("fakewinmm_full.dll").c_str(), (folder + "\\winmm.dll").c_str(), FALSE));
    const struct {
        std::string directory, expected;  // expected empty: refused
    } cases[] = {
        {withFile, withFile + "\\winmm.dll"}, {withFile + "\\", withFile + "\\winmm.dll"},
        {japanese, japanese + "\\winmm.dll"}, {withFolder, ""},
        {std::string(MAX_PATH - 8, 'a'), ""},
    };
    for (const auto& c : cases) {
        char out[MAX_PATH] = "untouched";
        EXPECT_EQ(!c.expected.empty(), WinmmLibrary::LibraryPathIn(c.directory.c_str(), out, sizeof(out)));
        EXPECT_EQ(c.expected.empty() ? "untouched" : c.expected, std::string(out)) << c.directory;
    }
    char small[16];
    EXPECT_FALSE(WinmmLibrary::LibraryPathIn(withFile.c_str(), small, sizeof(small)));
}

// A library is kept while any group of entries is whole, and bound once; only the mixer group is
// ever called, and without its entries or when they raise, the calls fail softly.
TEST(WinmmLibrary, KeepsALibraryWithAWholeGroupAndMixerCallsFailSoftly) {
    WinmmLibrary unbound, noMixer;
    EXPECT_FALSE(unbound.LoadFrom(FakeLibraryPath("fakewinmm_incomplete.dll").c_str()));
    EXPECT_FALSE(GetModuleHandleA("fakewinmm_incomplete.dll"));
    FakeMixerState* noMixerState = LoadFake(noMixer, "fakewinmm_no_mixer_set.dll");
    ASSERT_TRUE(noMixerState);
    EXPECT_FALSE(noMixer.HasMixer());
    // Unbound, and bound with the mixer group incomplete: nothing is called, no output is touched.
    const HMIXER untouched = reinterpret_cast<HMIXER>(static_cast<UINT_PTR>(0x5A5A));
    for (WinmmLibrary* library : {&unbound, &noMixer}) {
        HMIXER mixer = untouched;
        EXPECT_EQ(std::vector<MMRESULT>(6, MMSYSERR_ERROR), CallEveryMixerEntry(*library, &mixer));
        EXPECT_EQ(untouched, mixer);
    }
    EXPECT_EQ(0, noMixerState->callCount);  // mixerOpen is exported, but its group is not whole

    WinmmLibrary full;
    FakeMixerState* state = LoadFake(full, "fakewinmm_full.dll");
    ASSERT_TRUE(state && full.HasMixer());
    EXPECT_EQ(full.Handle(), full.LoadFrom(FakeLibraryPath("fakewinmm_no_mixer_set.dll").c_str()));
    EXPECT_EQ(full.Handle(), full.Load());
    // A broken driver faults (an access violation) or, rarely, throws: either fails only its call,
    // however far the call got.
    EXPECT_TRUE(RunGuarded([] {}));
    EXPECT_FALSE(RunGuarded([] { throw 1; }));
    for (int byThrow : {0, 1}) {
        for (int call = CallOpen; call <= CallSetDetails; ++call) {
            *state = {};
            state->config.raiseIn = call;
            state->config.raiseByThrow = byThrow;
            HMIXER mixer = nullptr;
            EXPECT_EQ(MMSYSERR_ERROR, CallEveryMixerEntry(full, &mixer)[call - CallOpen]) << call;
            EXPECT_EQ(6, state->callCount) << call;
        }
    }
    for (WinmmLibrary* library : {&noMixer, &full}) library->Unload();  // once: each was loaded once
    EXPECT_FALSE(GetModuleHandleA("fakewinmm_full.dll") || GetModuleHandleA("fakewinmm_no_mixer_set.dll"));
}

TEST(MasterVolume, EachOperationSucceedsOnlyWithItsControlAndAlwaysClosesTheMixer) {
    WinmmLibrary::Instance().Unload();
    FakeMixerState* fake = LoadFake(WinmmLibrary::Instance(), "fakewinmm_full.dll");
    ASSERT_TRUE(fake);
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
            *fake = {c.config, 30000, 1};
            unsigned short level = 4321;
            DWORD flag = 7;
            bool result = operation == 0   ? volume.SetVolume(65536 + 20000, 0)  // only the low 16 bits travel
                          : operation == 1 ? volume.GetVolume(&level, 0)
                          : operation == 2 ? volume.SetMute(0, 0)
                                           : volume.GetMute(&flag, 0);
            EXPECT_EQ(c.expected[operation], result);
            EXPECT_EQ(0, fake->openMixers);
            EXPECT_TRUE(!c.config.openResult || fake->callCount == 1);  // only the open is tried
            EXPECT_EQ(result && operation == 1 ? 30000 : 4321, level);
            EXPECT_EQ(result && operation == 3 ? 1u : 7u, flag);
            EXPECT_EQ(result && operation == 0 ? 20000u : 30000u, fake->volume);
            EXPECT_EQ(result && operation == 2 ? 0u : 1u, fake->mute);
        }
    }
    WinmmLibrary::Instance().Unload();
}
