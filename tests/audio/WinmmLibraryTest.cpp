// Binding the multimedia library: which libraries stay bound, the path search and the wrappers'
// soft failure, with stand-in libraries that export chosen entry points.
#include <string>
#include <vector>

#include "FakeWinmm.h"
#include "support/TestSupport.h"

namespace {

bool ModuleLoaded(const char* name) { return GetModuleHandleA(name) != nullptr; }

// Every mixer call once, in order, through library; what each returned.
std::vector<MMRESULT> CallEveryMixerEntry(WinmmLibrary& library, HMIXER* mixer) {
    MIXERLINEA line = {};
    MIXERLINECONTROLSA controls = {};
    MIXERCONTROLDETAILS details = {};
    return {library.mixerOpen(mixer, 0, 0, 0, MIXER_OBJECTF_WAVEOUT), library.mixerClose(*mixer),
            library.mixerGetLineInfoA(reinterpret_cast<HMIXEROBJ>(*mixer), &line, 3),
            library.mixerGetLineControlsA(reinterpret_cast<HMIXEROBJ>(*mixer), &controls, 2),
            library.mixerGetControlDetailsA(reinterpret_cast<HMIXEROBJ>(*mixer), &details, 0),
            library.mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(*mixer), &details, 0)};
}

}  // namespace

// Only the mixer group is ever called; a library is kept while any group is whole, and bound once.
TEST(WinmmLibrary, KeepsALibraryWithAWholeGroupBindsOnceAndGivesItBack) {
    const struct {
        const char* path;
        bool bound, mixer;
    } cases[] = {
        {"fakewinmm_full.dll", true, true},
        {"fakewinmm_no_mixer_set.dll", true, false},
        {"fakewinmm_incomplete.dll", false, false},  // no group whole: given back at once
    };
    for (const auto& c : cases) {
        WinmmLibrary library;
        EXPECT_EQ(c.bound, library.LoadFrom(FakeLibraryPath(c.path).c_str()) != nullptr) << c.path;
        EXPECT_EQ(c.mixer, library.HasMixer()) << c.path;
        EXPECT_EQ(c.bound, ModuleLoaded(c.path)) << c.path;
        if (c.bound) {
            EXPECT_EQ(library.Handle(), library.LoadFrom(FakeLibraryPath("fakewinmm_full.dll").c_str())) << c.path;
            EXPECT_EQ(library.Handle(), library.Load()) << c.path;
        }
        library.Unload();  // one unload gives it back: it was loaded once
        EXPECT_FALSE(ModuleLoaded(c.path) || library.HasMixer()) << c.path;
    }
}

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

TEST(WinmmLibrary, MixerCallsFailSoftlyWithoutTheirEntryAndWhenTheyRaise) {
    // Unbound, and bound with the mixer group incomplete: nothing is called, no output is touched.
    WinmmLibrary unbound, noMixer;
    FakeMixerState* noMixerState = LoadFake(noMixer, "fakewinmm_no_mixer_set.dll");
    ASSERT_TRUE(noMixerState);
    const HMIXER untouched = reinterpret_cast<HMIXER>(static_cast<UINT_PTR>(0x5A5A));
    for (WinmmLibrary* library : {&unbound, &noMixer}) {
        HMIXER mixer = untouched;
        EXPECT_EQ(std::vector<MMRESULT>(6, MMSYSERR_ERROR), CallEveryMixerEntry(*library, &mixer));
        EXPECT_EQ(untouched, mixer);
    }
    EXPECT_EQ(0, noMixerState->callCount);  // mixerOpen is exported, but its group is not whole

    WinmmLibrary full;
    FakeMixerState* state = LoadFake(full, "fakewinmm_full.dll");
    ASSERT_TRUE(state);
    // A broken driver faults (an access violation) or, rarely, throws: either fails only its call.
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
}
