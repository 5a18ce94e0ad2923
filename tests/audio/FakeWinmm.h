#pragma once
// The program's multimedia library binding pointed at one of our stand-in libraries, whose
// mixer records every call.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/WinmmLibrary.h"
#include "fakewinmm/FakeMixerState.h"
#include "media/ShellUtil.h"

// Full path of a stand-in library built beside the test executable.
inline std::string FakeLibraryPath(const char* name) {
    char path[MAX_PATH] = {};
    PathBesideExecutable(name, path);
    return path;
}

// Binds library to the named stand-in and gives its state block, cleared; null when it did not bind.
inline FakeMixerState* LoadFake(WinmmLibrary& library, const char* name) {
    if (!library.LoadFrom(FakeLibraryPath(name).c_str())) return nullptr;
    auto get = reinterpret_cast<FakeMixerFn>(GetProcAddress(library.Handle(), "FakeMixer"));
    FakeMixerState* state = get ? get() : nullptr;
    if (state) *state = {};
    return state;
}

class FakeWinmmTest : public ::testing::Test {
protected:
    void SetUp() override {
        WinmmLibrary::Instance().Unload();
        fake = LoadFake(WinmmLibrary::Instance(), "fakewinmm_full.dll");
        ASSERT_TRUE(fake);
    }
    void TearDown() override { WinmmLibrary::Instance().Unload(); }

    void Reset(const FakeMixerConfig& config, DWORD volume, DWORD mute) { *fake = {config, volume, mute}; }
    std::vector<DWORD> Writes() const { return std::vector<DWORD>(fake->setValues, fake->setValues + fake->setCount); }

    FakeMixerState* fake = nullptr;
};
