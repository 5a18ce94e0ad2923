// Binding the multimedia library: which libraries stay bound, the group rule, the path search
// and the wrappers' soft failure, with stand-in libraries that export chosen entry points.
#include <cstring>
#include <string>

#include "FakeWinmm.h"
#include "support/TestSupport.h"

namespace {

bool ModuleLoaded(const char* name) { return GetModuleHandleA(name) != nullptr; }

}  // namespace

TEST(WinmmLibrary, KeepsALibraryWithAtLeastOneWholeGroupAndNullsTheIncompleteOnes) {
    struct Case {
        const char* path;
        bool bound, mmio, waveOut, waveIn, mixer;
    };
    std::string folder = TestScratchFolder("winmm-dir");
    CreateDirectoryA((folder + "\\winmm.dll").c_str(), nullptr);
    const Case cases[] = {
        {"fakewinmm_full.dll", true, true, true, true, true},
        {"fakewinmm_no_waveout_position.dll", true, true, false, true, true},
        {"fakewinmm_no_mixer_set.dll", true, true, true, true, false},
        {"fakewinmm_incomplete.dll", false, false, false, false, false},
        {"no-such-library.dll", false, false, false, false, false},
    };
    for (const Case& c : cases) {
        WinmmLibrary library;
        HMODULE handle = library.LoadFrom(FakeLibraryPath(c.path).c_str());
        EXPECT_EQ(c.bound, handle != nullptr) << c.path;
        EXPECT_EQ(handle, library.Handle()) << c.path;
        EXPECT_EQ(c.mmio, library.HasMmio()) << c.path;
        EXPECT_EQ(c.waveOut, library.HasWaveOut()) << c.path;
        EXPECT_EQ(c.waveIn, library.HasWaveIn()) << c.path;
        EXPECT_EQ(c.mixer, library.HasMixer()) << c.path;
        // A library that is refused is given back at once.
        EXPECT_EQ(c.bound, ModuleLoaded(c.path)) << c.path;
        library.Unload();
        EXPECT_FALSE(ModuleLoaded(c.path)) << c.path;
        EXPECT_FALSE(library.HasMmio() || library.HasWaveOut() || library.HasWaveIn() || library.HasMixer());
    }
    WinmmLibrary library;
    EXPECT_EQ(nullptr, library.LoadFrom((folder + "\\winmm.dll").c_str()));
    EXPECT_EQ(nullptr, library.LoadFrom(nullptr));
}

TEST(WinmmLibrary, BindsOnceWhateverIsAskedLater) {
    const char* name = "fakewinmm_full.dll";
    WinmmLibrary library;
    HMODULE first = library.LoadFrom(FakeLibraryPath(name).c_str());
    ASSERT_TRUE(first);
    EXPECT_EQ(first, library.LoadFrom(FakeLibraryPath(name).c_str()));
    EXPECT_EQ(first, library.LoadFrom(FakeLibraryPath("fakewinmm_no_waveout_position.dll").c_str()));
    EXPECT_EQ(first, library.Load());  // not the system's library: one is bound already
    EXPECT_FALSE(ModuleLoaded("fakewinmm_no_waveout_position.dll"));
    // One unload gives the library back: it was loaded once.
    library.Unload();
    EXPECT_FALSE(ModuleLoaded(name));
    EXPECT_TRUE(library.Unload());
}

TEST(WinmmLibrary, TheSystemLibraryBindsWithItsMixer) {
    char expected[MAX_PATH];
    GetSystemDirectoryA(expected, MAX_PATH);
    strcat(expected, "\\winmm.dll");
    char path[MAX_PATH] = {};
    ASSERT_TRUE(WinmmLibrary::FindSystemLibraryPath(path));
    EXPECT_STRCASEEQ(expected, path);

    WinmmLibrary library;
    HMODULE first = library.Load();
    ASSERT_TRUE(first);
    EXPECT_EQ(first, library.Load());
    EXPECT_TRUE(library.HasMixer());
}

TEST(WinmmLibrary, LibraryPathIsAFileInTheDirectoryWithOneSeparator) {
    ASSERT_EQ(932u, GetACP());
    std::string withFile = TestScratchFolder("winmm-file");
    ASSERT_TRUE(CopyFileA(FakeLibraryPath("fakewinmm_full.dll").c_str(), (withFile + "\\winmm.dll").c_str(), FALSE));
    std::string withFolder = TestScratchFolder("winmm-folder");
    CreateDirectoryA((withFolder + "\\winmm.dll").c_str(), nullptr);
    // "表" ends in the byte of a backslash: it still needs a separator after it.
    std::string japanese = TestScratchFolder("winmm-sjis") + "\\\x95\x5c";
    CreateDirectoryA(japanese.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(FakeLibraryPath("fakewinmm_full.dll").c_str(), (japanese + "\\winmm.dll").c_str(), FALSE));

    struct Case {
        std::string directory;
        const char* expected;  // null: refused
    };
    const std::string fileDll = withFile + "\\winmm.dll";
    const std::string japaneseDll = japanese + "\\winmm.dll";
    const Case cases[] = {
        {withFile, fileDll.c_str()},
        {withFile + "\\", fileDll.c_str()},
        {japanese, japaneseDll.c_str()},
        {withFolder, nullptr},
        {withFile + "\\missing", nullptr},
        {"", nullptr},
        {std::string(MAX_PATH - 8, 'a'), nullptr},
    };
    for (const Case& c : cases) {
        char out[MAX_PATH];
        memset(out, 'x', sizeof(out));
        bool found = WinmmLibrary::LibraryPathIn(c.directory.c_str(), out, sizeof(out));
        EXPECT_EQ(c.expected != nullptr, found) << c.directory;
        if (c.expected && found) {
            EXPECT_STREQ(c.expected, out) << c.directory;
        }
        if (!found) {
            EXPECT_EQ('x', out[0]) << c.directory;
        }
    }
    char small[16];
    EXPECT_FALSE(WinmmLibrary::LibraryPathIn(withFile.c_str(), small, sizeof(small)));
}

TEST(WinmmLibrary, MixerCallsFailSoftlyWithoutTheirEntryAndWhenTheyRaise) {
    // Unbound, and bound with the mixer group incomplete: nothing is called, no output is touched.
    WinmmLibrary unbound;
    WinmmLibrary noMixer;
    ASSERT_TRUE(noMixer.LoadFrom(FakeLibraryPath("fakewinmm_no_mixer_set.dll").c_str()));
    FakeMixerState* noMixerState = FakeStateOf(noMixer.Handle());
    ASSERT_TRUE(noMixerState);
    *noMixerState = {};
    for (WinmmLibrary* library : {&unbound, &noMixer}) {
        HMIXER mixer = reinterpret_cast<HMIXER>(static_cast<UINT_PTR>(0x5A5A));
        MIXERLINEA line;
        MIXERLINECONTROLSA controls;
        MIXERCONTROLDETAILS details;
        memset(&line, 0xA5, sizeof(line));
        memset(&controls, 0xA5, sizeof(controls));
        memset(&details, 0xA5, sizeof(details));
        MIXERLINEA lineBefore = line;
        MIXERLINECONTROLSA controlsBefore = controls;
        MIXERCONTROLDETAILS detailsBefore = details;
        EXPECT_EQ(MMSYSERR_ERROR, library->mixerOpen(&mixer, 0, 0, 0, MIXER_OBJECTF_WAVEOUT));
        EXPECT_EQ(MMSYSERR_ERROR, library->mixerClose(mixer));
        EXPECT_EQ(MMSYSERR_ERROR, library->mixerGetLineInfoA(reinterpret_cast<HMIXEROBJ>(mixer), &line, 3));
        EXPECT_EQ(MMSYSERR_ERROR, library->mixerGetLineControlsA(reinterpret_cast<HMIXEROBJ>(mixer), &controls, 2));
        EXPECT_EQ(MMSYSERR_ERROR, library->mixerGetControlDetailsA(reinterpret_cast<HMIXEROBJ>(mixer), &details, 0));
        EXPECT_EQ(MMSYSERR_ERROR, library->mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(mixer), &details, 0));
        EXPECT_EQ(reinterpret_cast<HMIXER>(static_cast<UINT_PTR>(0x5A5A)), mixer);
        EXPECT_EQ(0, memcmp(&line, &lineBefore, sizeof(line)));
        EXPECT_EQ(0, memcmp(&controls, &controlsBefore, sizeof(controls)));
        EXPECT_EQ(0, memcmp(&details, &detailsBefore, sizeof(details)));
    }
    EXPECT_EQ(0, noMixerState->callCount);  // mixerOpen is exported, but its group is not whole

    WinmmLibrary full;
    ASSERT_TRUE(full.LoadFrom(FakeLibraryPath("fakewinmm_full.dll").c_str()));
    FakeMixerState* state = FakeStateOf(full.Handle());
    ASSERT_TRUE(state);
    for (int call = CallOpen; call <= CallSetDetails; ++call) {
        *state = {};
        state->config.raiseIn = call;
        HMIXER mixer = nullptr;
        HMIXEROBJ object = nullptr;
        MIXERLINEA line = {};
        MIXERLINECONTROLSA controls = {};
        MIXERCONTROLDETAILS details = {};
        MMRESULT results[] = {full.mixerOpen(&mixer, 0, 0, 0, MIXER_OBJECTF_WAVEOUT), full.mixerClose(mixer),
                              full.mixerGetLineInfoA(object, &line, 3), full.mixerGetLineControlsA(object, &controls, 2),
                              full.mixerGetControlDetailsA(object, &details, 0),
                              full.mixerSetControlDetails(object, &details, 0)};
        EXPECT_EQ(MMSYSERR_ERROR, results[call - CallOpen]) << call;
        EXPECT_EQ(6, state->callCount) << call;
    }
}
